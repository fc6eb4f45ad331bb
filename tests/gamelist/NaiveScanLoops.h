#pragma once
// The scan's loops written the straightforward way, one comparison at a time: the yardstick
// the scan's own matching and removal are checked and timed against.

#include "base/AsciiCase.h"
#include "gamelist/GameListModel.h"
#include "gamelist/ScanRules.h"
#include "gamelist/SupportedGames.h"

#include <QStringList>

#include <functional>
#include <vector>

namespace naive {

// Every supported game against every new name; a matched name is replaced by the short
// name and "*"; names without a "*" at the end are unknown games.
inline std::vector<ScanAddition> MatchNewNames(const std::vector<SupportedGame>& supported,
                                               QStringList names) {
    std::vector<ScanAddition> additions;
    for (const SupportedGame& game : supported) {
        const QString upperShortName = AsciiUpper(game.shortName);
        for (QString& name : names) {
            const qsizetype dot = name.indexOf(u'.');
            const QStringView key = dot > 0 ? QStringView(name).left(dot) : QStringView(name);
            if (key != upperShortName)
                continue;
            additions.push_back(
                {game.description, AsciiLower(name),
                 QStringLiteral("Adding \"") + game.description + QStringLiteral("\" ") + game.shortName,
                 true});
            name = game.shortName + u'*';
        }
    }
    for (const QString& name : names) {
        if (name.contains(u'*'))
            continue;
        const QString fileDir = AsciiLower(name);
        additions.push_back({QStringLiteral("[UNKNOWN GAME]"), fileDir,
                             QStringLiteral("Adding [UNKNOWN GAME] ") + fileDir, false});
    }
    return additions;
}

// Marks the missing rows "DELETE", then removes the first marked row from the top until none
// is left. Returns the log lines.
inline QStringList RemoveMissingRows(TGameListModel& list,
                                     const std::function<bool(const QString&)>& exists) {
    for (int row = 1; row < list.RowCount(); ++row) {
        if (!exists(list.Cells(colFileDir, row)))
            list.SetCell(colStatus, row, QStringLiteral("DELETE"));
    }
    QStringList log;
    for (;;) {
        int row = 1;
        while (row < list.RowCount() && list.Cells(colStatus, row) != QLatin1String("DELETE"))
            ++row;
        if (row == list.RowCount())
            break;
        log.append(QStringLiteral("Removing \"") + list.Cells(colGameName, row) + QStringLiteral("\" ") +
                   list.Cells(colFileDir, row));
        list.DeleteRow(row);
    }
    return log;
}

} // namespace naive
