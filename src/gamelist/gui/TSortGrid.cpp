#include "gamelist/gui/TSortGrid.h"

#include "base/gui/DesignScale.h"
#include "base/gui/WaitCursor.h"
#include "gamelist/GameListFilterModel.h"
#include "gamelist/GameListModel.h"
#include "gamelist/GridSort.h"
#include "gamelist/HistorySort.h"
#include "gamelist/PlayHistory.h"
#include "gamelist/gui/GameListDelegate.h"

#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>

#include <algorithm>
#include <iterator>

void TSortGridHeader::initStyleOptionForIndex(QStyleOptionHeader* option, int logicalIndex) const {
    QHeaderView::initStyleOptionForIndex(option, logicalIndex);
    if (option->sortIndicator == QStyleOptionHeader::SortUp)
        option->sortIndicator = QStyleOptionHeader::SortDown;
    else if (option->sortIndicator == QStyleOptionHeader::SortDown)
        option->sortIndicator = QStyleOptionHeader::SortUp;
}

TSortGrid::TSortGrid(QWidget* parent) : QTableView(parent) {
    setHorizontalHeader(new TSortGridHeader(this));
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    verticalHeader()->hide();
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setDefaultSectionSize(TDesignScale(this)(18));
    QHeaderView* header = horizontalHeader();
    header->setHighlightSections(false);
    // The header's own click handling would move the arrow without a sort; the grid does it.
    header->setSectionsClickable(false);
    header->viewport()->installEventFilter(this);
    header->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(header, &QWidget::customContextMenuRequested, this, &TSortGrid::HeaderMenu);
    setWordWrap(false);
    setItemDelegate(new GameListDelegate(this));
    connect(this, &QAbstractItemView::clicked, this, [this] {
        if (OnClick)
            OnClick(releasePosition);
    });
}

void TSortGrid::setModel(QAbstractItemModel* model) {
    QAbstractItemModel* shown = model;
    delete filtered;
    filtered = nullptr;
    if (auto* list = qobject_cast<TGameListModel*>(model))
        shown = filtered = new TGameListFilterModel(*list, this);
    QTableView::setModel(shown);
    if (selectionModel())
        connect(selectionModel(), &QItemSelectionModel::currentRowChanged, this,
                [this] { RaiseSelectCell(); });
}

TGameListModel* TSortGrid::GameList() const {
    return filtered ? &filtered->GameList() : nullptr;
}

int TSortGrid::Row() const {
    const QModelIndex index = currentIndex();
    if (!index.isValid())
        return 0;
    return filtered ? filtered->GridRow(index.row()) : index.row() + 1;
}

void TSortGrid::SetRow(int gridRow) {
    if (!filtered || gridRow < 1 || gridRow >= filtered->GameList().RowCount())
        return;
    // The last shown row at or above gridRow; the first shown row when there is none.
    const std::vector<int>& shown = ShownRows();
    const auto atOrAbove = std::upper_bound(shown.cbegin(), shown.cend(), gridRow);
    const int position = std::max(0, static_cast<int>(atOrAbove - shown.cbegin()) - 1);
    const QModelIndex index = filtered->index(position, 0);
    if (!index.isValid()) {
        setCurrentIndex(QModelIndex());
        return;
    }
    setCurrentIndex(index);
    scrollTo(index);
}

void TSortGrid::SetFilter(const TGameFilter& filter) {
    if (!filtered)
        return;
    // A current row still shown keeps its index; a new current row raises OnSelectCell.
    filtered->SetFilter(filter);
    if (Row() == 0 && filtered->rowCount() > 0)
        setCurrentIndex(filtered->index(0, 0));
    if (currentIndex().isValid())
        scrollTo(currentIndex());
}

const std::vector<int>& TSortGrid::ShownRows() const {
    static const std::vector<int> none;
    return filtered ? filtered->Shown() : none;
}

void TSortGrid::SetColumnWidths() {
    // The list's four columns, then Played, Last played and Time played.
    static const int widths[] = {15, 39, 230, 70, 45, 150, 70};
    const TDesignScale px(this);
    for (int col = 0; col < int(std::size(widths)); ++col)
        setColumnWidth(col, px(widths[col]));
    ShowHistoryColumns(historyColumns);
}

void TSortGrid::ShowHistoryColumns(unsigned shown) {
    historyColumns = shown;
    if (!filtered)
        return;
    for (int section = 0; section < filtered->columnCount(); ++section) {
        const int col = filtered->HistoryColumn(section);
        if (col >= 0)
            setColumnHidden(section, !(shown & HistoryColumnBit(col)));
    }
    // Only the history columns, when shown, can make the rows wider than the grid.
    setHorizontalScrollBarPolicy(shown ? Qt::ScrollBarAsNeeded : Qt::ScrollBarAlwaysOff);
    // The last column shown takes the rest of the width: set anew, the header finds which it is.
    horizontalHeader()->setStretchLastSection(false);
    horizontalHeader()->setStretchLastSection(true);
}

unsigned HistoryColumnBit(int col) {
    return 1u << (col - colPlayed);
}

void TSortGrid::HeaderMenu(QPoint position) {
    if (!filtered)
        return;
    QMenu menu(this);
    for (int section = 0; section < filtered->columnCount(); ++section) {
        const int col = filtered->HistoryColumn(section);
        if (col < 0)
            continue;
        QAction* action = menu.addAction(HistoryColumnTitle(col));
        action->setCheckable(true);
        action->setChecked(historyColumns & HistoryColumnBit(col));
        connect(action, &QAction::toggled, this, [this, col](bool on) {
            ShowHistoryColumns(on ? historyColumns | HistoryColumnBit(col)
                                  : historyColumns & ~HistoryColumnBit(col));
            if (OnHistoryColumnsChosen)
                OnHistoryColumnsChosen(historyColumns);
        });
    }
    menu.exec(horizontalHeader()->viewport()->mapToGlobal(position));
}

void TSortGrid::SortByColumn(int col, const TSortOptions& options) {
    TGameListModel* list = GameList();
    if (!list || state() == QAbstractItemView::EditingState)
        return;
    // The model moves the current index with its row.
    const int historyCol = filtered->HistoryColumn(col);
    if (historyCol >= 0) {
        if (list->GameCount() < 2)
            return;
        list->PermuteGameRows(
            HistorySortOrder(list->Rows(), list->History(), historyCol, options.SortDirection));
    } else if (!SortGameRows(*list, col, options, QLocale::system())) {
        return;
    }
    sortedColumn = col;
    horizontalHeader()->setSortIndicator(col, options.SortDirection == sdDescending ? Qt::DescendingOrder
                                                                                    : Qt::AscendingOrder);
    horizontalHeader()->setSortIndicatorShown(true);
    if (currentIndex().isValid())
        scrollTo(currentIndex());
    RaiseSelectCell();
}

int TSortGrid::FavouriteCellAt(QPoint position) const {
    const QModelIndex index = indexAt(position);
    if (!index.isValid() || index.column() != colFavourite)
        return 0;
    if (!visualRect(index).adjusted(-2, -2, 2, 2).contains(position))
        return 0;
    return filtered ? filtered->GridRow(index.row()) : index.row() + 1;
}

void TSortGrid::RaiseSelectCell() {
    const int row = Row();
    if (row > 0 && OnSelectCell)
        OnSelectCell(row);
}

void TSortGrid::keyPressEvent(QKeyEvent* event) {
    if (OnKeyDown)
        OnKeyDown(event);
    QTableView::keyPressEvent(event);
}

void TSortGrid::keyboardSearch(const QString&) {}

void TSortGrid::mousePressEvent(QMouseEvent* event) {
    QTableView::mousePressEvent(event);
    if (OnMouseDown)
        OnMouseDown(event);
}

// The second press of a double click is a press like any other: the owner times clicks itself.
void TSortGrid::mouseDoubleClickEvent(QMouseEvent* event) {
    mousePressEvent(event);
}

void TSortGrid::mouseReleaseEvent(QMouseEvent* event) {
    releasePosition = event->position().toPoint();
    QTableView::mouseReleaseEvent(event);
}

bool TSortGrid::eventFilter(QObject* watched, QEvent* event) {
    if (watched == horizontalHeader()->viewport()) {
        if (event->type() == QEvent::MouseButtonPress)
            HeaderPressed(static_cast<QMouseEvent*>(event));
        else if (event->type() == QEvent::MouseButtonRelease)
            HeaderReleased(static_cast<QMouseEvent*>(event));
    }
    return QTableView::eventFilter(watched, event);
}

std::vector<int> TSortGrid::SectionSizes() const {
    std::vector<int> sizes;
    for (int section = 0; section < horizontalHeader()->count(); ++section)
        sizes.push_back(horizontalHeader()->sectionSize(section));
    return sizes;
}

void TSortGrid::HeaderPressed(const QMouseEvent*) {
    setFocus(Qt::MouseFocusReason);
    sizesAtHeaderPress = SectionSizes();
}

void TSortGrid::HeaderReleased(const QMouseEvent* event) {
    // A drag that resized a column is no click; nor is a release with a key or another button
    // held, nor one dragged off the header and let go over the rows.
    const bool resized = SectionSizes() != sizesAtHeaderPress;
    const Qt::KeyboardModifiers held = Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier;
    const QPoint released = event->position().toPoint();
    const int col = horizontalHeader()->logicalIndexAt(released);
    if (!hasFocus() || !SortOnClick || resized || (event->modifiers() & held) ||
        event->buttons() != Qt::NoButton || col < 0 ||
        !horizontalHeader()->viewport()->rect().contains(released))
        return;
    TSortOptions options;
    options.SortDirection = event->button() == Qt::RightButton ? sdDescending : sdAscending;
    options.SortCaseSensitive = CaseSensitive;
    if (OnClickSort)
        OnClickSort(col, 0, options);
    const WaitCursor wait;
    SortByColumn(col, options);
}
