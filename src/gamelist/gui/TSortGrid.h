#pragma once
// The game list grid: grid row 0 is the header, rows 1.. are the games. It sorts itself on
// a header click and tells its owner about clicks, keys and every change of the current row.

#include "base/AppState.h"

#include <QHeaderView>
#include <QTableView>

#include <functional>

class TGameFilter;
class TGameListFilterModel;
class TGameListModel;

// The grid's header row. Its arrow points up for an ascending sort and down for a descending
// one; Qt's own header draws them the other way round.
class TSortGridHeader : public QHeaderView {
  public:
    explicit TSortGridHeader(QWidget* parent) : QHeaderView(Qt::Horizontal, parent) {}
    void initStyleOptionForIndex(QStyleOptionHeader* option, int logicalIndex) const override;
};

// The bit of a history column (colPlayed..colTimePlayed) in a set of shown ones.
unsigned HistoryColumnBit(int col);

class TSortGrid : public QTableView {
    Q_OBJECT
  public:
    explicit TSortGrid(QWidget* parent = nullptr);

    // Shows a game list through a filter of the grid's own (any other model as it is).
    void setModel(QAbstractItemModel* model) override;
    TGameListModel* GameList() const;
    // The filter between the game list and the rows shown; nullptr without a game list.
    TGameListFilterModel* Filtered() const { return filtered; }

    // The current grid row (1 for the first game), 0 when there is none (no row shown).
    int Row() const;
    // Makes a game row current and scrolls it into view; a row the filter hides gives way to
    // the nearest shown row above it, else the first shown row. Ignored outside the list.
    void SetRow(int gridRow);
    // Shows only the rows the filter lets through. The current game stays current when it is
    // still shown, otherwise the first shown row becomes current; OnSelectCell is raised when
    // the current row changed.
    void SetFilter(const TGameFilter& filter);
    // The grid rows shown, ascending: every row of the list when no filter is on.
    const std::vector<int>& ShownRows() const;
    // The designed widths of the columns; the history columns shown or hidden as chosen.
    void SetColumnWidths();
    // Shows the history columns whose bits (HistoryColumnBit) are set, hides the others.
    void ShowHistoryColumns(unsigned shown);
    unsigned HistoryColumnsShown() const { return historyColumns; }

    // Sorts the game rows by column col. Nothing happens with fewer than two game rows.
    // Otherwise the header arrow shows col and the direction, and the game that was current
    // stays current at its new place, scrolled into view, with OnSelectCell raised for it.
    void SortByColumn(int col, const TSortOptions& options);
    // The column and direction of the last sort performed; -1 before the first one.
    int SortedColumn() const { return sortedColumn; }

    // The game row whose Favourite cell (widened by 2 pixels on every side) holds the point
    // of the viewport; 0 for any other place.
    int FavouriteCellAt(QPoint position) const;

    // A header click sorts the grid; the owner may change the options first.
    bool SortOnClick = true;
    bool CaseSensitive = false;

    // Raised when the user shows or hides a history column from the header's menu.
    std::function<void(unsigned shown)> OnHistoryColumnsChosen;
    // Raised by a header click before the sort (row is 0, the header).
    std::function<void(int col, int row, TSortOptions& options)> OnClickSort;
    // Raised for every change of the current row, and after each sort, with the current row.
    std::function<void(int row)> OnSelectCell;
    // Raised before the grid's own key handling, which follows in any case.
    std::function<void(QKeyEvent* event)> OnKeyDown;
    // Raised for a press in the rows' area, after the grid has made the pressed row current.
    std::function<void(const QMouseEvent* event)> OnMouseDown;
    // Raised for a click (press and release on the same cell), with the release point.
    std::function<void(QPoint position)> OnClick;

  protected:
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    // The grid's own jump to a typed text would undo the first-letter jump of OnKeyDown.
    void keyboardSearch(const QString& search) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void HeaderMenu(QPoint position);
    void HeaderPressed(const QMouseEvent* event);
    void HeaderReleased(const QMouseEvent* event);
    void RaiseSelectCell();
    std::vector<int> SectionSizes() const;

    TGameListFilterModel* filtered = nullptr;
    unsigned historyColumns = 0;
    int sortedColumn = -1;
    QPoint releasePosition;
    std::vector<int> sizesAtHeaderPress;
};
