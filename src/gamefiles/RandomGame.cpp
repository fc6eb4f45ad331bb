#include "gamefiles/RandomGame.h"

#include "gamelist/ListFileCodec.h"

std::vector<int> EligibleRandomRows(const std::vector<QStringList>& rows, const std::vector<int>& shown) {
    std::vector<int> eligible;
    for (const int row : shown) {
        if (row < 1 || static_cast<size_t>(row) >= rows.size())
            continue;
        const GameStatus status = StatusOfText(rows[static_cast<size_t>(row)].value(colStatus));
        if (status != GameStatus::Unknown && status != GameStatus::Bad)
            eligible.push_back(row);
    }
    return eligible;
}

int DrawRandomRow(const std::vector<QStringList>& rows, const std::vector<int>& shown,
                  QRandomGenerator& random) {
    const std::vector<int> eligible = EligibleRandomRows(rows, shown);
    if (eligible.empty())
        return 0;
    return eligible[random.bounded(static_cast<quint32>(eligible.size()))];
}
