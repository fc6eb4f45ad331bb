#pragma once
// The syntax of the game list file: comma-separated cells, one line per grid row.
// Pure text work; the model does the file access.

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QStringView>

#include <vector>

// Splits one line into its fields. Space characters are codes 1 to 32. Leading space
// characters are skipped; a field starting with a double quote runs to the next double
// quote not followed by another one (a doubled quote stands for one, no closing quote
// means the rest of the line); any other field runs to the next delimiter or space
// character. A delimiter at the very end adds one empty field. A line that is empty or
// holds only space characters gives no field.
QStringList SplitListLine(QStringView line, QChar delimiter);

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

// Decodes a whole file: a UTF-8 or UTF-16 byte-order mark selects that encoding (the mark
// itself is dropped), otherwise the locale's 8-bit encoding is used.
QString DecodeListText(const QByteArray& bytes);

// The lines of text: each ends at CR LF, a lone LF or a lone CR; a last line without an
// ending counts. The views point into text.
std::vector<QStringView> SplitTextLines(QStringView text);

// The fields of every line of a file's bytes, one entry per line, in file order.
std::vector<QStringList> ParseListText(const QByteArray& bytes, QChar delimiter);

// The bytes of a list file: one line per row, colCount cells each, every line ended by
// CR LF, in the locale's encoding without a byte-order mark.
QByteArray FormatListText(const std::vector<QStringList>& rows, int colCount, QChar delimiter);
