#include "gamelist/ScanRules.h"

#include "base/AsciiCase.h"
#include "base/GameFileLookup.h"
#include "emulator/GameNameRules.h"
#include "gamelist/GameListModel.h"
#include "gamelist/ListFileCodec.h"

#include <QHash>
#include <QSet>

namespace {

const QString DeleteMark = QStringLiteral("DELETE");

std::vector<int> RowsToRemove(const std::vector<QStringList>& rows,
                              const std::function<bool(const QString& fileDir)>& exists) {
    std::vector<int> removed;
    for (size_t row = 1; row < rows.size(); ++row) {
        const QStringList& cells = rows[row];
        if (cells.value(colStatus) == DeleteMark || !exists(cells.value(colFileDir)))
            removed.push_back(static_cast<int>(row));
    }
    return removed;
}

void DeleteGameRows(TGameListModel& list, const std::vector<int>& rows) {
    if (rows.empty())
        return;
    const int games = list.RowCount() - 1;
    if (static_cast<int>(rows.size()) >= games) {
        list.EmptyList();
        return;
    }
    // The kept rows move to the top in their order, then the list is cut after them.
    std::vector<bool> removed(static_cast<size_t>(games) + 1, false);
    for (const int row : rows)
        removed[static_cast<size_t>(row)] = true;
    std::vector<int> order;
    order.reserve(static_cast<size_t>(games));
    for (int row = 1; row <= games; ++row) {
        if (!removed[static_cast<size_t>(row)])
            order.push_back(row);
    }
    const int kept = static_cast<int>(order.size());
    for (const int row : rows)
        order.push_back(row);
    list.PermuteGameRows(order);
    list.SetRowCount(kept + 1);
}

} // namespace

QStringView NewNameKey(QStringView upperName) {
    const qsizetype dot = upperName.indexOf(u'.');
    return dot > 0 ? upperName.left(dot) : upperName;
}

QStringList RemoveMissingGames(TGameListModel& list,
                               const std::function<bool(const QString& fileDir)>& exists) {
    const std::vector<int> rows = RowsToRemove(list.Rows(), exists);
    QStringList log;
    log.reserve(static_cast<qsizetype>(rows.size()));
    for (const int row : rows)
        log.append(QStringLiteral("Removing \"") + list.Cells(colGameName, row) + QStringLiteral("\" ") +
                   list.Cells(colFileDir, row));
    DeleteGameRows(list, rows);
    return log;
}

QStringList FindNewNames(const TFolderListing& listing, const QSet<QString>& listedFileDirs,
                         const std::function<void(const QString& message)>& found) {
    QStringList newNames;
    QSet<QString> taken = listedFileDirs;
    const auto take = [&](const QString& name, const char* what) {
        if (name.startsWith(u'.') || StartsLikeOption(name))
            return;
        const QString lower = AsciiLower(name);
        if (taken.contains(lower))
            return;
        taken.insert(lower);
        newNames.append(AsciiUpper(name));
        if (found)
            found(QString::fromLatin1(what) + name);
    };
    // A folder named like an archive is no game the emulator can find, and a row for it would
    // be looked for as a file by the next scan, removed and added again.
    for (const TFolderListing::Entry& entry : listing.Entries()) {
        if (entry.isDir && !IsArchiveName(entry.name))
            take(entry.name, "Found Directory: ");
    }
    for (const TFolderListing::Entry& entry : listing.Entries()) {
        if (entry.isFile && IsArchiveName(entry.name))
            take(entry.name, "Found File: ");
    }
    return newNames;
}

std::vector<ScanAddition> MatchNewNames(const std::vector<SupportedGame>& supported,
                                        const QStringList& newNames) {
    // The new names by key, in list order. Each supported game takes every name under its
    // key; once taken, a key is done, as the names carry the mark of the first game that took them.
    QHash<QString, std::vector<int>> namesByKey;
    namesByKey.reserve(newNames.size());
    for (int i = 0; i < newNames.size(); ++i)
        namesByKey[NewNameKey(newNames[i]).toString()].push_back(i);

    std::vector<ScanAddition> additions;
    additions.reserve(static_cast<size_t>(newNames.size()));
    std::vector<bool> matched(static_cast<size_t>(newNames.size()), false);
    for (const SupportedGame& game : supported) {
        if (namesByKey.isEmpty())
            break;
        const auto names = namesByKey.constFind(AsciiUpper(game.shortName));
        if (names == namesByKey.cend())
            continue;
        for (const int i : *names) {
            matched[static_cast<size_t>(i)] = true;
            additions.push_back(
                {game.description, AsciiLower(newNames[i]),
                 QStringLiteral("Adding \"") + game.description + QStringLiteral("\" ") + game.shortName,
                 true});
        }
        namesByKey.erase(names);
    }
    for (int i = 0; i < newNames.size(); ++i) {
        if (matched[static_cast<size_t>(i)])
            continue;
        const QString fileDir = AsciiLower(newNames[i]);
        additions.push_back({UnknownGameName(), fileDir,
                             QStringLiteral("Adding ") + UnknownGameName() + u' ' + fileDir, false});
    }
    return additions;
}
