#include "gamelist/GameListFilterModel.h"

#include "gamelist/GameListModel.h"
#include "gamelist/ListFileCodec.h"
#include "gamelist/PlayHistory.h"

namespace {

// A change of more rows than this at once (a whole list cleared) is applied as one relayout
// rather than row by row.
constexpr int kRowByRowLimit = 64;

} // namespace

TGameListFilterModel::TGameListFilterModel(TGameListModel& list, QObject* parent)
    : QAbstractProxyModel(parent), list(list) {
    QAbstractProxyModel::setSourceModel(&list);
    rows.Rebuild(list.RowCount() - 1, [](int) { return true; });
    connect(&list, &QAbstractItemModel::dataChanged, this, &TGameListFilterModel::SourceDataChanged);
    connect(&list, &QAbstractItemModel::headerDataChanged, this, &QAbstractItemModel::headerDataChanged);
    connect(&list, &QAbstractItemModel::layoutAboutToBeChanged, this,
            &TGameListFilterModel::SourceLayoutAboutToChange);
    connect(&list, &QAbstractItemModel::layoutChanged, this, &TGameListFilterModel::SourceLayoutChanged);
    connect(&list, &QAbstractItemModel::rowsAboutToBeRemoved, this,
            [this](const QModelIndex&, int first, int last) { SourceRowsAboutToBeRemoved(first, last); });
    connect(&list, &QAbstractItemModel::rowsRemoved, this,
            [this](const QModelIndex&, int first, int last) { SourceRowsRemoved(first, last); });
    connect(&list, &QAbstractItemModel::rowsInserted, this,
            [this](const QModelIndex&, int first, int last) { SourceRowsInserted(first, last); });
    connect(&list, &QAbstractItemModel::modelAboutToBeReset, this, [this] { beginResetModel(); });
    connect(&list, &QAbstractItemModel::modelReset, this, [this] {
        rows.Rebuild(this->list.RowCount() - 1, [this](int row) { return Keeps(row); });
        endResetModel();
    });
}

bool TGameListFilterModel::Keeps(int gridRow) const {
    if (!filter.Active())
        return true;
    if (!list.IsGameRow(gridRow))
        return false;
    const QStringList& cells = list.Rows()[static_cast<size_t>(gridRow)];
    // Looking a game up costs a folded copy of its name: done only for the views that need it.
    return filter.Matches(cells,
                          filter.UsesHistory() ? list.History().Find(cells.value(colFileDir)) : nullptr);
}

void TGameListFilterModel::SetFilter(const TGameFilter& newFilter) {
    const bool narrowOnly = filter.Active() && newFilter.Narrows(filter);
    filter = newFilter;
    Relayout(narrowOnly);
}

void TGameListFilterModel::Relayout(bool narrowOnly) {
    emit layoutAboutToBeChanged({}, QAbstractItemModel::VerticalSortHint);
    const QModelIndexList before = persistentIndexList();
    std::vector<int> gridRows;
    gridRows.reserve(static_cast<size_t>(before.size()));
    for (const QModelIndex& index : before)
        gridRows.push_back(rows.RowAt(index.row()));
    const auto keep = [this](int row) { return Keeps(row); };
    if (narrowOnly)
        rows.Narrow(keep);
    else
        rows.Rebuild(list.RowCount() - 1, keep);
    QModelIndexList after;
    after.reserve(before.size());
    for (qsizetype i = 0; i < before.size(); ++i) {
        const int position = rows.PositionOf(gridRows[static_cast<size_t>(i)]);
        after << (position < 0 ? QModelIndex() : index(position, before[i].column()));
    }
    changePersistentIndexList(before, after);
    emit layoutChanged({}, QAbstractItemModel::VerticalSortHint);
}

void TGameListFilterModel::SourceLayoutAboutToChange() {
    emit layoutAboutToBeChanged({}, QAbstractItemModel::VerticalSortHint);
    layoutProxyIndexes = persistentIndexList();
    layoutSourceIndexes.clear();
    for (const QModelIndex& index : layoutProxyIndexes)
        layoutSourceIndexes.emplace_back(mapToSource(index));
}

void TGameListFilterModel::SourceLayoutChanged() {
    rows.Rebuild(list.RowCount() - 1, [this](int row) { return Keeps(row); });
    QModelIndexList after;
    after.reserve(layoutProxyIndexes.size());
    for (const QPersistentModelIndex& source : layoutSourceIndexes)
        after << mapFromSource(source);
    changePersistentIndexList(layoutProxyIndexes, after);
    layoutProxyIndexes.clear();
    layoutSourceIndexes.clear();
    emit layoutChanged({}, QAbstractItemModel::VerticalSortHint);
}

void TGameListFilterModel::SourceDataChanged(const QModelIndex& topLeft, const QModelIndex& bottomRight) {
    const int first = topLeft.row() + 1;
    const int last = bottomRight.row() + 1;
    if (last - first >= kRowByRowLimit) {
        Relayout(false);
        return;
    }
    // A changed row may now pass the filter or fail it.
    for (int row = first; row <= last; ++row) {
        const bool keep = Keeps(row);
        const int position = rows.PositionOf(row);
        if (keep && position < 0) {
            const int at = rows.LowerBound(row);
            beginInsertRows(QModelIndex(), at, at);
            rows.SetShown(row, true);
            endInsertRows();
        } else if (!keep && position >= 0) {
            beginRemoveRows(QModelIndex(), position, position);
            rows.SetShown(row, false);
            endRemoveRows();
        }
    }
    const int firstShown = rows.LowerBound(first);
    const int lastShown = rows.LowerBound(last + 1) - 1;
    if (firstShown <= lastShown)
        // The history columns follow the row.
        emit dataChanged(index(firstShown, topLeft.column()), index(lastShown, columnCount() - 1));
}

void TGameListFilterModel::SourceRowsAboutToBeRemoved(int first, int last) {
    const int firstShown = rows.LowerBound(first + 1);
    const int lastShown = rows.LowerBound(last + 2) - 1;
    removing = firstShown <= lastShown;
    if (removing)
        beginRemoveRows(QModelIndex(), firstShown, lastShown);
}

void TGameListFilterModel::SourceRowsRemoved(int first, int last) {
    rows.EraseRows(first + 1, last + 1);
    rows.Shift(last + 2, -(last - first + 1));
    if (removing)
        endRemoveRows();
    removing = false;
}

void TGameListFilterModel::SourceRowsInserted(int first, int last) {
    // The rows after the new ones keep their positions here, under their new numbers.
    rows.Shift(first + 1, last - first + 1);
    std::vector<int> kept;
    for (int row = first + 1; row <= last + 1; ++row) {
        if (Keeps(row))
            kept.push_back(row);
    }
    if (kept.empty())
        return;
    const int at = rows.LowerBound(kept.front());
    beginInsertRows(QModelIndex(), at, at + static_cast<int>(kept.size()) - 1);
    rows.InsertRows(kept);
    endInsertRows();
}

QModelIndex TGameListFilterModel::mapToSource(const QModelIndex& proxyIndex) const {
    if (!proxyIndex.isValid() || proxyIndex.model() != this || proxyIndex.column() >= list.columnCount())
        return QModelIndex();
    const int gridRow = rows.RowAt(proxyIndex.row());
    return gridRow > 0 ? list.index(gridRow - 1, proxyIndex.column()) : QModelIndex();
}

QModelIndex TGameListFilterModel::mapFromSource(const QModelIndex& sourceIndex) const {
    if (!sourceIndex.isValid())
        return QModelIndex();
    const int position = rows.PositionOf(sourceIndex.row() + 1);
    return position < 0 ? QModelIndex() : index(position, sourceIndex.column());
}

QModelIndex TGameListFilterModel::index(int row, int column, const QModelIndex& parent) const {
    if (parent.isValid() || row < 0 || row >= rows.Count() || column < 0 || column >= columnCount())
        return QModelIndex();
    return createIndex(row, column);
}

QModelIndex TGameListFilterModel::parent(const QModelIndex&) const {
    return QModelIndex();
}

int TGameListFilterModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : rows.Count();
}

int TGameListFilterModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : list.columnCount() + HistoryColumnCount;
}

int TGameListFilterModel::HistoryColumn(int section) const {
    const int col = section - list.columnCount() + colPlayed;
    return col >= colPlayed && col < colPlayed + HistoryColumnCount ? col : -1;
}

QVariant TGameListFilterModel::data(const QModelIndex& index, int role) const {
    const int col = index.isValid() ? HistoryColumn(index.column()) : -1;
    if (col < 0)
        return QAbstractProxyModel::data(index, role);
    if (role == Qt::TextAlignmentRole && col != colLastPlayed)
        return QVariant(Qt::AlignRight | Qt::AlignVCenter);
    if (role != Qt::DisplayRole)
        return QVariant();
    const int gridRow = rows.RowAt(index.row());
    return HistoryCellText(list.History().Find(list.Cells(colFileDir, gridRow)), col);
}

Qt::ItemFlags TGameListFilterModel::flags(const QModelIndex& index) const {
    if (index.isValid() && HistoryColumn(index.column()) >= 0)
        return Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    return QAbstractProxyModel::flags(index);
}

QVariant TGameListFilterModel::headerData(int section, Qt::Orientation orientation, int role) const {
    // The header stays when no row is shown.
    if (orientation != Qt::Horizontal)
        return QAbstractProxyModel::headerData(section, orientation, role);
    const int col = HistoryColumn(section);
    if (col < 0)
        return list.headerData(section, orientation, role);
    return role == Qt::DisplayRole ? QVariant(HistoryColumnTitle(col)) : QVariant();
}
