#include "base/gui/StatusCell.h"

#include "base/gui/ReadableColour.h"

#include <QPainter>
#include <QStyle>
#include <QStyleOptionViewItem>

QColor StatusFillColour(GameStatus status) {
    switch (status) {
    case GameStatus::Bad:
        return QColor(255, 99, 99);
    case GameStatus::Good:
        return QColor(0, 134, 67);
    case GameStatus::Unknown:
        return QColor(205, 205, 68);
    case GameStatus::None:
        break;
    }
    return QColor();
}

void PaintStatusCell(QPainter* painter, const QStyleOptionViewItem& option, const QColor& fill,
                     const QString& status) {
    painter->fillRect(option.rect, fill);
    const bool selected = option.state & QStyle::State_Selected;
    const QColor text = option.palette.color(selected ? QPalette::HighlightedText : QPalette::Text);
    painter->save();
    painter->setPen(ReadableTextColour(fill, text));
    painter->setFont(option.font);
    painter->drawText(option.rect.adjusted(2, 2, 0, 0), Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine,
                      status);
    painter->restore();
}
