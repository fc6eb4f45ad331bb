#include "gamelist/HistorySort.h"

#include "gamelist/ListFileCodec.h"

#include <algorithm>
#include <limits>

namespace {

qint64 SortKey(const TPlayRecord* record, int col) {
    if (!record)
        return std::numeric_limits<qint64>::min();
    switch (col) {
    case colPlayed:
        return record->runs;
    case colLastPlayed:
        return record->lastStart.toMSecsSinceEpoch();
    default:
        return record->secondsPlayed;
    }
}

} // namespace

std::vector<int> HistorySortOrder(const std::vector<QStringList>& rows, const TPlayHistory& history, int col,
                                  TSortDirection direction) {
    std::vector<std::pair<qint64, int>> keyed;
    keyed.reserve(rows.size());
    for (size_t row = 1; row < rows.size(); ++row)
        keyed.emplace_back(SortKey(history.Find(rows[row].value(colFileDir)), col), static_cast<int>(row));
    const bool descending = direction == sdDescending;
    std::stable_sort(keyed.begin(), keyed.end(), [descending](const auto& a, const auto& b) {
        return descending ? a.first > b.first : a.first < b.first;
    });
    std::vector<int> order;
    order.reserve(keyed.size());
    for (const auto& [key, row] : keyed)
        order.push_back(row);
    return order;
}
