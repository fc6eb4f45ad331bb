#include "gamelist/ScanRules.h"

#include "base/AsciiCase.h"
#include "base/GameFileLookup.h"
#include "emulator/GameNameRules.h"
#include "gamelist/GameListModel.h"
#include "gamelist/ListFileCodec.h"

#include <QCoreApplication>
#include <QHash>
#include <QSet>

#include <algorithm>

namespace {

const QString DeleteMark = QStringLiteral("DELETE");

// A name as a log line shows it: quoted, a line break in it written as \n or \r.
QString Quoted(const QString& name) {
    QString shown = name;
    shown.replace(QLatin1Char('\n'), QLatin1String("\\n")).replace(QLatin1Char('\r'), QLatin1String("\\r"));
    return u'"' + shown + u'"';
}

QString SkippedText(const QString& name, const QString& reason) {
    return QCoreApplication::translate("Scan", "Skipped %1: %2").arg(Quoted(name), reason);
}

// A name whose bytes are not text in the system's encoding comes out of the listing with
// replacement characters, and no file answers to it.
bool IsUndecodedName(const QString& name) {
    return name.contains(QChar::ReplacementCharacter);
}

QString CapitalsText(const QString& name, const QString& lower, bool isDir) {
    const QString text =
        isDir ? QCoreApplication::translate(
                    "Scan", "%1: the emulator looks for %2 and on this system will not find the "
                            "game under a name with capitals; rename the folder to %3 (mv %1 %2 "
                            "in the game folder).")
              : QCoreApplication::translate(
                    "Scan", "%1: the emulator looks for %2 and on this system will not find the "
                            "game under a name with capitals; rename the file to %3 (mv %1 %2 in "
                            "the game folder).");
    return text.arg(Quoted(name), Quoted(lower), lower);
}

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

std::vector<int> MissingGameRows(const TGameListModel& list,
                                 const std::function<bool(const QString& fileDir)>& exists) {
    return RowsToRemove(list.Rows(), exists);
}

bool RemovesEveryGame(const TGameListModel& list, const std::vector<int>& rows) {
    int games = 0;
    for (int row = 1; row < list.RowCount(); ++row)
        games += list.IsGameRow(row) ? 1 : 0;
    const auto removedGames =
        std::count_if(rows.cbegin(), rows.cend(), [&list](int row) { return list.IsGameRow(row); });
    return games > 0 && removedGames == games;
}

QStringList RemoveMissingGames(TGameListModel& list,
                               const std::function<bool(const QString& fileDir)>& exists) {
    return RemoveGameRows(list, MissingGameRows(list, exists));
}

QStringList RemoveGameRows(TGameListModel& list, const std::vector<int>& rows) {
    QStringList log;
    log.reserve(static_cast<qsizetype>(rows.size()));
    for (const int row : rows)
        log.append(QCoreApplication::translate("Scan", "Removing \"%1\" %2")
                       .arg(list.Cells(colGameName, row), list.Cells(colFileDir, row)));
    DeleteGameRows(list, rows);
    return log;
}

QStringList FindNewNames(const TFolderListing& listing, const QSet<QString>& listedFileDirs,
                         const std::function<void(const QString& message)>& found,
                         const std::function<void(const QString& line)>& log, bool matchCase) {
    QStringList newNames;
    QSet<QString> taken = listedFileDirs;
    const auto say = [&log](const QString& line) {
        if (log)
            log(line);
    };
    const auto take = [&](const QString& name, bool isDir) {
        if (name.startsWith(u'.'))
            return;
        if (StartsLikeOption(name))
            return say(SkippedText(
                name,
                QCoreApplication::translate("Scan", "a name beginning with \"-\" would reach the emulator as "
                                                    "an option.")));
        if (HoldsLineBreak(name))
            return say(SkippedText(name, QCoreApplication::translate(
                                             "Scan", "a name holding a line break cannot be kept in the game "
                                                     "list.")));
        const QString lower = AsciiLower(name);
        if (taken.contains(lower))
            return;
        taken.insert(lower);
        newNames.append(AsciiUpper(name));
        if (found)
            found(QString::fromLatin1(isDir ? "Found Directory: " : "Found File: ") + name);
        if (matchCase && lower != name)
            say(CapitalsText(name, lower, isDir));
    };
    // A folder named like an archive is no game the emulator can find, and a row for it would
    // be looked for as a file by the next scan, removed and added again.
    for (const TFolderListing::Entry& entry : listing.Entries()) {
        if (!entry.isDir || IsUndecodedName(entry.name))
            continue;
        if (IsArchiveName(entry.name))
            say(QCoreApplication::translate("Scan", "Skipped folder %1: the emulator takes a name ending in "
                                                    ".zip or .7z for an archive, not a "
                                                    "folder.")
                    .arg(Quoted(entry.name)));
        else
            take(entry.name, true);
    }
    for (const TFolderListing::Entry& entry : listing.Entries()) {
        // Such a name is told of by UndecodedNameSkipText, from the system's own listing.
        if (entry.isFile && IsArchiveName(entry.name) && !IsUndecodedName(entry.name))
            take(entry.name, false);
    }
    return newNames;
}

QString UndecodedNameSkipText(const QString& name) {
    return SkippedText(name, QCoreApplication::translate("Scan",
                                                         "the name is not valid text in the system's "
                                                         "encoding, so it cannot be given to the emulator."));
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
            additions.push_back({game.description, AsciiLower(newNames[i]),
                                 QCoreApplication::translate("Scan", "Adding \"%1\" %2")
                                     .arg(game.description, game.shortName),
                                 true});
        }
        namesByKey.erase(names);
    }
    for (int i = 0; i < newNames.size(); ++i) {
        if (matched[static_cast<size_t>(i)])
            continue;
        const QString fileDir = AsciiLower(newNames[i]);
        additions.push_back(
            {UnknownGameName(), fileDir,
             QCoreApplication::translate("Scan", "Adding %1 %2").arg(UnknownGameName(), fileDir), false});
    }
    return additions;
}
