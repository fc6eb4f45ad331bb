#pragma once
// The game list: a grid of text cells, row 0 the header, rows 1.. one game each, kept on
// disk in the list file. Addressed like the grid it stands for (column first, then row);
// for a QTableView, Qt row r is grid row r + 1 and the header row is the horizontal header.

#include "base/GameRow.h"
#include "gamelist/ListFileCodec.h"
#include "gamelist/PlayHistory.h"
#include "gamelist/VerifyReasons.h"

#include <QAbstractTableModel>
#include <QString>
#include <QStringList>

#include <vector>

class TGameListModel : public QAbstractTableModel {
    Q_OBJECT

  public:
    static constexpr int MinColCount = 4;

    // Starts as the empty list with four columns.
    explicit TGameListModel(QObject* parent = nullptr);

    // Empty outside the grid.
    QString Cells(int col, int row) const;
    // Ignored outside the grid.
    void SetCell(int col, int row, const QString& text);

    // The game a grid row holds; an empty GameRow outside rows 1..RowCount() - 1.
    GameRow Game(int row) const;
    // Write the game's values into a grid row (1..RowCount() - 1; ignored elsewhere). A cell is
    // written only when its meaning changes, so a "TRUE" mark or a status text the program does
    // not write stays as the file had it.
    void SetGame(int row, const GameRow& game);
    void SetFavourite(int row, bool favourite);
    void SetStatus(int row, GameStatus status);
    void SetGameName(int row, const QString& name);
    // The game's play history goes with its new name.
    void SetFileDir(int row, const QString& fileDir);

    // What was played, by File/Dir: kept in a file of its own, never in the list file. A game's
    // record goes with it when it is renamed and when its row is deleted.
    const TPlayHistory& History() const { return history; }
    void SetHistory(TPlayHistory newHistory);
    // One run of a game row from start to finish; its row is told as changed.
    void RecordRun(int row, const QDateTime& start, const QDateTime& finish);

    // Why each verified game has its status, by File/Dir: kept in a file of its own, going with
    // its game as the play history does. The Status cell's tool-tip says it.
    const TVerifyReasons& Reasons() const { return reasons; }
    void SetReasons(TVerifyReasons newReasons);
    // A verification's verdict and its reason, replacing the row's last one.
    void SetVerified(int row, GameStatus status, const TVerifyReason& reason);
    // A status chosen by hand; a change of it is kept beside the row's reason.
    void SetStatusByHand(int row, GameStatus status);
    // The row's reason as the user reads it; empty for a row without one.
    QString ReasonText(int row) const;

    // Grid rows, the header row included; never fewer than two.
    int RowCount() const { return static_cast<int>(grid.size()); }
    // New rows are empty; a count below two is taken as two.
    void SetRowCount(int count);
    // Four.
    int ColCount() const { return colCount; }

    // The number of game rows: RowCount() - 1, except 0 for the empty list (two rows, row 1 blank).
    int GameCount() const;

    // A game row: 1..RowCount() - 1 with a File/Dir. The empty list's blank row, or a damaged
    // line without File/Dir, names no game: marked or given a status and saved, it would come
    // back as a row that no scan or command removes.
    bool IsGameRow(int row) const;

    // Every cell empty; row and column counts kept.
    void Clear();
    // Two rows: the header texts in row 0, row 1 blank. Column count kept.
    void EmptyList();
    // "", "Status", "Game Name", "File/Dir" in row 0.
    void SetHeaderTexts();

    // Writes a new game (its favourite mark as given) into row gameCount + 1 (the blank row 1 of the empty
    // list when gameCount is 0), the grid then having gameCount + 2 rows; never over an existing game row:
    // with a smaller gameCount, after the last one. Returns the new game count.
    int AppendGame(int gameCount, const GameRow& game);
    // The same with the Status, Game Name and File/Dir texts as given, Favourite empty.
    int AppendGame(int gameCount, const QString& status, const QString& gameName, const QString& fileDir);
    // Removes a game row (1..RowCount() - 1), its play history with it; removing the only one
    // leaves the empty list.
    void DeleteRow(int row);

    // Replaces the whole grid by the file's content. Lines whose every cell is empty are
    // dropped; a file with fewer than two lines, or without a non-blank line after the
    // first, gives the empty list. Row 0 holds the file's first line (callers set the
    // header texts afterwards). A row has four cells: those past the fourth are dropped, so
    // a damaged line does not widen every row of the next save. Returns the number of lines
    // that had such cells. Throws AppError when the file cannot be read; the grid is then
    // unchanged.
    qsizetype LoadFromFile(const QString& fileName, QChar delimiter);
    // Writes every row, the header included, replacing the file only once all is written.
    // Throws AppError("Unable to write to " + fileName) on failure; the old file is kept.
    void SaveToFile(const QString& fileName, QChar delimiter) const;

    // All grid rows for reading in bulk (sorting). A row may hold fewer cells than
    // ColCount(); the missing ones are empty: use QStringList::value().
    const std::vector<QStringList>& Rows() const { return grid; }
    // Reorders the game rows: order[k] is the grid row (1..RowCount() - 1) that becomes grid
    // row k + 1. Throws std::invalid_argument unless order is such a permutation.
    void PermuteGameRows(const std::vector<int>& order);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

  private:
    static QStringList HeaderTexts();
    void SetEmptyListState();
    int AppendCells(int gameCount, QStringList cells);
    void EmitRowsChanged(int firstRow, int lastRow);

    std::vector<QStringList> grid;
    int colCount = MinColCount;
    TPlayHistory history;
    TVerifyReasons reasons;
};
