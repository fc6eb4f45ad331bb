#pragma once
// The pure steps of a scan of the game folder: which rows are gone, which names on disk
// are new, and what each new name becomes in the list.

#include "gamelist/SupportedGames.h"

#include <QSet>
#include <QString>
#include <QStringList>

#include <functional>
#include <vector>

class TFolderListing;
class TGameListModel;

// The key a new (upper-cased) name is matched under: the text before its first "." when
// that is not the first character, else the whole name.
QStringView NewNameKey(QStringView upperName);

// The rows a scan removes, top to bottom: every game row whose game file is gone, and any
// row already marked "DELETE".
std::vector<int> MissingGameRows(const TGameListModel& list,
                                 const std::function<bool(const QString& fileDir)>& exists);

// Whether those rows are every game of a list that has some: a game folder left empty (a
// disk not mounted) would make a scan lose every mark and status.
bool RemovesEveryGame(const TGameListModel& list, const std::vector<int>& rows);

// Removes those rows, the others keeping their order; removing every game leaves the empty
// list. Returns the log line of each removed row, top to bottom: "Removing " + the quoted Game
// Name + " " + File/Dir.
QStringList RemoveGameRows(TGameListModel& list, const std::vector<int>& rows);

// Both at once.
QStringList RemoveMissingGames(TGameListModel& list,
                               const std::function<bool(const QString& fileDir)>& exists);

// The names in the game folder that are not in the list yet, upper-cased (ASCII letters):
// first the folders not named like archives, then the archive files (files only), each in
// the listing's order. Names beginning with "." are never taken, nor a name already taken
// ignoring letter case. Nor are, each with a log line saying why: a name beginning with "-"
// (the emulator would read it as an option), a folder named like an archive, a name holding
// a line break; a name that is not valid text in the system's encoding is never taken (the
// caller tells of it with UndecodedNameSkipText). With matchCase (file
// names differ by case), a new name with capitals gets a log line that the emulator will not
// find it and how to rename it.
// listedFileDirs: the File/Dir of every row, lower-cased. found: each name taken, for debugging.
QStringList FindNewNames(const TFolderListing& listing, const QSet<QString>& listedFileDirs,
                         const std::function<void(const QString& message)>& found = {},
                         const std::function<void(const QString& line)>& log = {}, bool matchCase = false);

// The log line of a name in the game folder that is not valid text in the system's encoding.
QString UndecodedNameSkipText(const QString& name);

// A row a scan appends.
struct ScanAddition {
    QString gameName; // the description, or "[UNKNOWN GAME]"
    QString fileDir;  // the name lower-cased
    QString logLine;
    bool known = false;
};

// What the new names become, in the order the rows are appended: for each supported game
// in list order, every new name matched by it in the new names' order; then every name
// no game matched, in order. One supported game may name several files or folders.
std::vector<ScanAddition> MatchNewNames(const std::vector<SupportedGame>& supported,
                                        const QStringList& newNames);
