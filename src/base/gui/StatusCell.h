#pragma once
// The game list's status values on their colours, as the grid and the style preview draw them.

#include "base/GameRow.h"

#include <QColor>
#include <QString>

class QPainter;
class QStyleOptionViewItem;

// The fill colour of a status; invalid for None.
QColor StatusFillColour(GameStatus status);

// Fills the cell with fill and draws status again, 2 pixels from its left and top edges, in
// the colour the view chose for the cell's text (the highlighted text on the current row),
// or in black or white where that colour would not read on the fill.
void PaintStatusCell(QPainter* painter, const QStyleOptionViewItem& option, const QColor& fill,
                     const QString& status);
