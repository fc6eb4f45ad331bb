#pragma once
// The search dialog's walk over a folder tree for emulator executables.

#include <QFileInfo>
#include <QString>
#include <QStringList>

#include <functional>

// Appends to result every file of folder that mask accepts (as folder + name), then walks
// each sub-folder the same way, after all files of the folder, in name order. Folders whose
// name begins with "." are skipped, so are symbolic links to folders (a link back up the
// tree would never end), and so is a folder that cannot be read. afterEachMatch runs after
// each file found, so the caller can let the window repaint. With stayOnFileSystem the walk
// keeps to the file system folder lives on, as a search of one drive does.
void FindFiles(QStringList& result, const QString& folder, const std::function<bool(const QFileInfo&)>& mask,
               const std::function<void()>& afterEachMatch = {}, bool stayOnFileSystem = false);

// The emulator's executables: a regular file the user may run whose name, ignoring case,
// is "mame" and at most two more characters ("mame", "mame64", "MAMEui").
bool MatchesMameMask(const QFileInfo& entry);

// One line of the search results: path + " (Version " + version + flag + ")", the flag
// " OLD VERSION" for a version that is too old, " UNKNOWN VERSION" for none.
QString SearchResultLine(const QString& path, const QString& version);

// The folder of a search result line: everything up to and including its last "/".
QString SearchResultFolder(const QString& line);

// True when a search result line ends with the old-version flag.
bool SearchResultIsOld(const QString& line);
