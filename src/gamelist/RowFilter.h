#pragma once
// Which grid rows the grid shows: the shown rows in grid order, so that a shown position and
// a grid row map both ways (a lookup by grid row is a binary search). Kept up to date by
// small steps as rows change, come and go.

#include <functional>
#include <vector>

class TRowFilter {
  public:
    using Keep = std::function<bool(int gridRow)>;

    // The shown grid rows, ascending.
    const std::vector<int>& Shown() const { return shown; }
    int Count() const { return static_cast<int>(shown.size()); }
    // The grid row at a shown position (0 first); 0 outside.
    int RowAt(int position) const;
    // The shown position of a grid row; -1 when it is not shown.
    int PositionOf(int gridRow) const;
    // The position the first shown row at or after gridRow has (Count() when there is none).
    int LowerBound(int gridRow) const;

    // Shows the rows 1..lastRow that keep passes.
    void Rebuild(int lastRow, const Keep& keep);
    // Keeps only the shown rows that keep passes.
    void Narrow(const Keep& keep);

    // Shows or hides one grid row; returns its position (where it went in, or where it was),
    // or -1 when nothing changed.
    int SetShown(int gridRow, bool show);
    // Rows from gridRow on moved by delta (rows were inserted before them, or removed).
    void Shift(int gridRow, int delta);
    // Removes the shown rows first..last (grid rows) without shifting the others.
    void EraseRows(int first, int last);
    // Shows grid rows, ascending, none of them already shown and no shown row between them.
    void InsertRows(const std::vector<int>& rows);

  private:
    std::vector<int> shown;
};
