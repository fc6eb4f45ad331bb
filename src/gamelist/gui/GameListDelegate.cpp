#include "gamelist/gui/GameListDelegate.h"

#include "base/gui/StatusCell.h"
#include "gamelist/GameListModel.h"
#include "gamelist/ListFileCodec.h"

#include <QApplication>
#include <QPainter>
#include <QStyle>

namespace {

QStyle* StyleOf(const QStyleOptionViewItem& option) {
    return option.widget ? option.widget->style() : QApplication::style();
}

} // namespace

QColor GameListDelegate::StatusColour(const QString& status) {
    return StatusFillColour(StatusOfText(status));
}

void GameListDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                             const QModelIndex& index) const {
    QStyledItemDelegate::paint(painter, option, index);
    if (index.column() == colFavourite) {
        PaintFavourite(painter, option, index);
    } else if (index.column() == colStatus) {
        const QString status = index.data().toString();
        const QColor fill = StatusColour(status);
        if (fill.isValid())
            PaintStatus(painter, option, fill, status);
    }
}

// The mark is shown only as the box: the cell is white, selected or not, and its text hidden.
void GameListDelegate::PaintFavourite(QPainter* painter, const QStyleOptionViewItem& option,
                                      const QModelIndex& index) const {
    painter->fillRect(option.rect, Qt::white);
    QStyle* style = StyleOf(option);
    QStyleOptionButton box;
    box.initFrom(option.widget);
    const int width = style->pixelMetric(QStyle::PM_IndicatorWidth, &box, option.widget);
    const int height = style->pixelMetric(QStyle::PM_IndicatorHeight, &box, option.widget);
    box.rect =
        QRect(option.rect.left() + 1, option.rect.top() + (option.rect.height() - height) / 2, width, height);
    box.state = option.state & QStyle::State_Enabled;
    const bool favourite = IsFavouriteText(index.data().toString());
    box.state |= favourite ? QStyle::State_On : QStyle::State_Off;
    box.palette = option.palette;
    style->drawPrimitive(QStyle::PE_IndicatorCheckBox, &box, painter, option.widget);
}

// The text keeps the grid's colour where it reads on the fill: the status colours are fixed,
// the grid's text colour comes with the style.
void GameListDelegate::PaintStatus(QPainter* painter, const QStyleOptionViewItem& option, const QColor& fill,
                                   const QString& status) const {
    PaintStatusCell(painter, option, fill, status);
}
