#pragma once
// The game list grid: grid row 0 is the header, rows 1.. are the games.

#include <QTableView>

class TSortGrid : public QTableView {
    Q_OBJECT
  public:
    explicit TSortGrid(QWidget* parent = nullptr);

    // The current grid row (1 for the first game), 0 when there is none.
    int Row() const;
    void SetRow(int gridRow);
    // The designed widths of the four columns.
    void SetColumnWidths();
};
