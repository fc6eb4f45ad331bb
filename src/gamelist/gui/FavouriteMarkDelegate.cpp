#include "gamelist/gui/FavouriteMarkDelegate.h"

#include <QApplication>
#include <QPainter>
#include <QStyle>

void FavouriteMarkDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                                  const QModelIndex& index) const {
    QStyleOptionViewItem background = option;
    initStyleOption(&background, index);
    background.text.clear();
    const QWidget* widget = option.widget;
    QStyle* style = widget ? widget->style() : QApplication::style();
    style->drawControl(QStyle::CE_ItemViewItem, &background, painter, widget);

    QStyleOptionButton box;
    const int side = qMin(option.rect.width(), option.rect.height()) - 4;
    box.rect = QRect(0, 0, side, side);
    box.rect.moveCenter(option.rect.center());
    box.state = QStyle::State_Enabled;
    const bool favourite = index.data().toString().toUpper() == QLatin1String("TRUE");
    box.state |= favourite ? QStyle::State_On : QStyle::State_Off;
    style->drawPrimitive(QStyle::PE_IndicatorCheckBox, &box, painter, widget);
}
