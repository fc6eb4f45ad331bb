#pragma once
// The game list as the grid shows it: the rows the filter lets through, in the list's order,
// with the three columns of the play history after the list's own.
// Row r of this model is the game list's grid row Shown()[r]; the grid maps every row it is
// asked for or tells about through GridRow and PositionOf.

#include "gamelist/GameFilter.h"
#include "gamelist/RowFilter.h"

#include <QAbstractProxyModel>
#include <QPersistentModelIndex>

#include <vector>

class TGameListModel;

class TGameListFilterModel : public QAbstractProxyModel {
    Q_OBJECT

  public:
    explicit TGameListFilterModel(TGameListModel& list, QObject* parent = nullptr);

    TGameListModel& GameList() const { return list; }
    const TGameFilter& Filter() const { return filter; }
    // Applies a filter; the rows still shown keep their indexes (and the current row with them).
    void SetFilter(const TGameFilter& newFilter);

    // The shown grid rows, ascending.
    const std::vector<int>& Shown() const { return rows.Shown(); }
    // The grid row at a row of this model; 0 outside.
    int GridRow(int position) const { return rows.RowAt(position); }
    // The row of this model a grid row is at; -1 when it is hidden.
    int PositionOf(int gridRow) const { return rows.PositionOf(gridRow); }

    QModelIndex mapToSource(const QModelIndex& proxyIndex) const override;
    QModelIndex mapFromSource(const QModelIndex& sourceIndex) const override;
    QModelIndex index(int row, int column, const QModelIndex& parent = QModelIndex()) const override;
    QModelIndex parent(const QModelIndex& child) const override;
    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    // The history column (colPlayed..colTimePlayed) a column of this model shows; -1 for the list's own.
    int HistoryColumn(int section) const;

  private:
    bool Keeps(int gridRow) const;
    // Rebuilds the rows inside a layout change that keeps every persistent index on its grid row.
    void Relayout(bool narrowOnly);
    void SourceLayoutAboutToChange();
    void SourceLayoutChanged();
    void SourceDataChanged(const QModelIndex& topLeft, const QModelIndex& bottomRight);
    void SourceRowsAboutToBeRemoved(int first, int last);
    void SourceRowsRemoved(int first, int last);
    void SourceRowsInserted(int first, int last);

    TGameListModel& list;
    TGameFilter filter;
    TRowFilter rows;
    // While the list reorders its rows: the persistent indexes of this model, and the list's
    // indexes they stood for.
    QModelIndexList layoutProxyIndexes;
    std::vector<QPersistentModelIndex> layoutSourceIndexes;
    bool removing = false;
};
