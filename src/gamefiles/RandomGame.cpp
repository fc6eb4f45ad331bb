#include "gamefiles/RandomGame.h"

#include "gamelist/GameListModel.h"

std::vector<int> EligibleRandomRows(const std::vector<QStringList>& rows) {
    std::vector<int> eligible;
    for (size_t row = 1; row < rows.size(); ++row) {
        const QString status = rows[row].value(colStatus);
        if (status != QLatin1String("?") && status != QLatin1String("Bad"))
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
