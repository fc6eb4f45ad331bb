#include "gamelist/RowFilter.h"

#include <algorithm>

int TRowFilter::RowAt(int position) const {
    return position >= 0 && position < Count() ? shown[static_cast<size_t>(position)] : 0;
}

int TRowFilter::LowerBound(int gridRow) const {
    return static_cast<int>(std::lower_bound(shown.cbegin(), shown.cend(), gridRow) - shown.cbegin());
}

int TRowFilter::PositionOf(int gridRow) const {
    const int position = LowerBound(gridRow);
    return RowAt(position) == gridRow && gridRow > 0 ? position : -1;
}

void TRowFilter::Rebuild(int lastRow, const Keep& keep) {
    shown.clear();
    for (int row = 1; row <= lastRow; ++row) {
        if (keep(row))
            shown.push_back(row);
    }
}

void TRowFilter::Narrow(const Keep& keep) {
    shown.erase(std::remove_if(shown.begin(), shown.end(), [&keep](int row) { return !keep(row); }),
                shown.end());
}

int TRowFilter::SetShown(int gridRow, bool show) {
    const int position = LowerBound(gridRow);
    const bool isShown = RowAt(position) == gridRow;
    if (show == isShown)
        return -1;
    if (show)
        shown.insert(shown.begin() + position, gridRow);
    else
        shown.erase(shown.begin() + position);
    return position;
}

void TRowFilter::Shift(int gridRow, int delta) {
    for (auto row = shown.begin() + LowerBound(gridRow); row != shown.end(); ++row)
        *row += delta;
}

void TRowFilter::EraseRows(int first, int last) {
    shown.erase(shown.begin() + LowerBound(first), shown.begin() + LowerBound(last + 1));
}

void TRowFilter::InsertRows(const std::vector<int>& rows) {
    if (rows.empty())
        return;
    shown.insert(shown.begin() + LowerBound(rows.front()), rows.cbegin(), rows.cend());
}
