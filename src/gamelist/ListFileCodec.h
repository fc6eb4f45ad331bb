#pragma once
// The syntax of the game list file: comma-separated cells, one line per grid row.
// Pure text work; the model does the file access.

#include "base/GameRow.h"

#include <QByteArray>
#include <QString>
#include <QStringDecoder>
#include <QStringList>
#include <QStringView>

#include <optional>
#include <vector>

// The columns of a game row.
constexpr int colFavourite = 0;
constexpr int colStatus = 1;
constexpr int colGameName = 2;
constexpr int colFileDir = 3;

// Splits one line into its fields. Space characters are codes 1 to 32. Leading space
// characters are skipped; a field starting with a double quote runs to the next double
// quote not followed by another one (a doubled quote stands for one, no closing quote
// means the rest of the line); any other field runs to the next delimiter or space
// character. A delimiter at the very end adds one empty field. A line that is empty or
// holds only space characters gives no field.
QStringList SplitListLine(QStringView line, QChar delimiter);
// The same, keeping at most maxFields fields; *more tells whether the line had others.
QStringList SplitListLine(QStringView line, QChar delimiter, int maxFields, bool* more);

// True when the cell must be written enclosed in double quotes to read back unchanged:
// it holds a space character (code 0 to 32), the delimiter or a double quote.
bool CellNeedsQuotes(QStringView cell, QChar delimiter);

// Appends the cells of columns 0 to colCount - 1 (cells beyond cells.size() are empty),
// joined by the delimiter, without a line end. A cell needing quotes is enclosed in
// double quotes with each double quote doubled; a line break inside a cell becomes a
// blank, because the reader ends a line there whatever the quoting.
void AppendListLine(QString& out, const QStringList& cells, int colCount, QChar delimiter);

// The line for cells, one column per cell.
QString JoinListLine(const QStringList& cells, QChar delimiter);

// Reads a list file's bytes piece by piece into rows, so that neither the file's whole
// text nor more than maxCells cells of any line is held at once: a damaged file whose lines
// carry thousands of extra cells loads in the memory of its games. A UTF-8 or UTF-16
// byte-order mark selects that encoding (the mark itself is dropped), otherwise the locale's
// 8-bit encoding is used. Lines end at CR LF, a lone LF or a lone CR; a last line without an
// ending counts.
class ListTextReader {
  public:
    ListTextReader(QChar delimiter, int maxCells);
    void Feed(QByteArrayView bytes);
    // After the last bytes.
    void Finish();

    // The fields of the first line, then of every later line holding a non-empty cell, in
    // file order; at most maxCells each.
    std::vector<QStringList>& Rows() { return rows; }
    // The lines that had cells past maxCells, blank ones included.
    qsizetype LinesWithExtraCells() const { return linesWithExtraCells; }

  private:
    void StartDecoding(bool atEnd);
    void TakeLines(bool atEnd);
    void TakeLine(QStringView line);

    QChar delimiter;
    int maxCells;
    QByteArray head; // the first bytes, until the encoding is known
    std::optional<QStringDecoder> decoder;
    QString pending;        // decoded text not yet taken as lines
    qsizetype searched = 0; // pending holds no line break before this
    std::vector<QStringList> rows;
    qsizetype linesWithExtraCells = 0;
};

// The bytes of a list file: one line per row, colCount cells each, every line ended by
// CR LF, in the locale's encoding without a byte-order mark.
QByteArray FormatListText(const std::vector<QStringList>& rows, int colCount, QChar delimiter);

// The cells of a game row. Only here are the status and favourite texts spelt.

// "Good", "Bad", "?"; empty for None.
QString StatusText(GameStatus status);
// The status a Status cell stands for, its text compared exactly; None for any other text.
GameStatus StatusOfText(QStringView text);
// "true" for a favourite, else empty.
QString FavouriteText(bool favourite);
// Whether a Favourite cell marks a favourite: its text is "true" ignoring case. The click, the
// Favourite command, the drawing and the file all go by this.
bool IsFavouriteText(QStringView text);
// The Game Name of a game the supported-games list does not hold: "[UNKNOWN GAME]".
QString UnknownGameName();

// The four cells of a game, in column order.
QStringList GameRowCells(const GameRow& game);
// The game four cells stand for; missing cells are empty.
GameRow GameRowOfCells(const QStringList& cells);
