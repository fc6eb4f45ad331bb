#pragma once
// Draws the game list's cells: the Favourite column as a check box on white, and the three
// status values on their colours, in the grid's text colour unless that cannot be read there.
// Every other cell is the grid's own drawing.

#include <QColor>
#include <QStyledItemDelegate>

class GameListDelegate : public QStyledItemDelegate {
    Q_OBJECT
  public:
    using QStyledItemDelegate::QStyledItemDelegate;

    // The fill colour of a Status cell's text; invalid for a text that names no status.
    static QColor StatusColour(const QString& status);

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;

  private:
    void PaintFavourite(QPainter* painter, const QStyleOptionViewItem& option,
                        const QModelIndex& index) const;
    void PaintStatus(QPainter* painter, const QStyleOptionViewItem& option, const QColor& fill,
                     const QString& status) const;
};
