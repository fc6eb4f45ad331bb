#include "gamelist/gui/TSortGrid.h"

#include "base/gui/DesignScale.h"
#include "gamelist/gui/FavouriteMarkDelegate.h"

#include <QHeaderView>

TSortGrid::TSortGrid(QWidget* parent) : QTableView(parent) {
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    verticalHeader()->hide();
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setDefaultSectionSize(TDesignScale(this)(18));
    horizontalHeader()->setHighlightSections(false);
    setWordWrap(false);
    setItemDelegateForColumn(0, new FavouriteMarkDelegate(this));
}

int TSortGrid::Row() const {
    const QModelIndex index = currentIndex();
    return index.isValid() ? index.row() + 1 : 0;
}

void TSortGrid::SetRow(int gridRow) {
    if (!model() || gridRow < 1 || gridRow > model()->rowCount())
        return;
    const QModelIndex index = model()->index(gridRow - 1, 0);
    setCurrentIndex(index);
    scrollTo(index);
}

void TSortGrid::SetColumnWidths() {
    static const int widths[] = {15, 39, 230, 70};
    const TDesignScale px(this);
    for (int col = 0; col < 4; ++col)
        setColumnWidth(col, px(widths[col]));
    horizontalHeader()->setStretchLastSection(true);
}
