#pragma once
// Draws the Favourite column as a check box instead of its "true" text.

#include <QStyledItemDelegate>

class FavouriteMarkDelegate : public QStyledItemDelegate {
    Q_OBJECT
  public:
    using QStyledItemDelegate::QStyledItemDelegate;
    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;
};
