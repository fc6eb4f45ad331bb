#include "gamelist/gui/GameListDelegate.h"

#include "gamelist/GameListModel.h"

#include <QApplication>
#include <QPainter>
#include <QStyle>

#include <algorithm>
#include <cmath>

namespace {

// Below this contrast the grid's own text colour is not read on a status colour: white
// highlighted text on the yellow of "?", or grey disabled text while a game runs.
constexpr double kMinimumContrast = 2.0;

double RelativeLuminance(const QColor& colour) {
    const auto linear = [](double channel) {
        return channel <= 0.03928 ? channel / 12.92 : std::pow((channel + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(colour.redF()) + 0.7152 * linear(colour.greenF()) +
           0.0722 * linear(colour.blueF());
}

double Contrast(const QColor& a, const QColor& b) {
    const double la = RelativeLuminance(a), lb = RelativeLuminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

QStyle* StyleOf(const QStyleOptionViewItem& option) {
    return option.widget ? option.widget->style() : QApplication::style();
}

} // namespace

QColor GameListDelegate::StatusColour(const QString& status) {
    if (status == QLatin1String("Bad"))
        return QColor(255, 99, 99);
    if (status == QLatin1String("Good"))
        return QColor(0, 134, 67);
    if (status == QLatin1String("?"))
        return QColor(205, 205, 68);
    return QColor();
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
    const bool favourite = index.data().toString().toUpper() == QLatin1String("TRUE");
    box.state |= favourite ? QStyle::State_On : QStyle::State_Off;
    box.palette = option.palette;
    style->drawPrimitive(QStyle::PE_IndicatorCheckBox, &box, painter, option.widget);
}

void GameListDelegate::PaintStatus(QPainter* painter, const QStyleOptionViewItem& option, const QColor& fill,
                                   const QString& status) const {
    painter->fillRect(option.rect, fill);
    const bool selected = option.state & QStyle::State_Selected;
    QColor text = option.palette.color(selected ? QPalette::HighlightedText : QPalette::Text);
    if (Contrast(text, fill) < kMinimumContrast)
        text = Contrast(Qt::black, fill) >= Contrast(Qt::white, fill) ? QColor(Qt::black) : QColor(Qt::white);
    painter->save();
    painter->setPen(text);
    painter->setFont(option.font);
    painter->drawText(option.rect.adjusted(2, 2, 0, 0), Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine,
                      status);
    painter->restore();
}
