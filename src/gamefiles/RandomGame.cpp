#include "gamefiles/RandomGame.h"

#include "gamelist/ListFileCodec.h"

std::vector<int> EligibleRandomRows(const std::vector<QStringList>& rows) {
    std::vector<int> eligible;
    for (size_t row = 1; row < rows.size(); ++row) {
        const GameStatus status = StatusOfText(rows[row].value(colStatus));
        if (status != GameStatus::Unknown && status != GameStatus::Bad)
            eligible.push_back(static_cast<int>(row));
    }
    return eligible;
}

int DrawRandomRow(const std::vector<QStringList>& rows, QRandomGenerator& random) {
    const std::vector<int> eligible = EligibleRandomRows(rows);
    if (eligible.empty())
        return 0;
    return eligible[random.bounded(static_cast<quint32>(eligible.size()))];
}
