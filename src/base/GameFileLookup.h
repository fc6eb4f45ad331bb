#pragma once
// Finding a game's archive or folder in the game folder. The list may hold a name in
// another letter case than the disk (the scan stores names lower-cased), so every test
// for a game's file, and every action on it, goes through here.

#include <QHash>
#include <QString>
#include <QStringView>

#include <vector>

// An archive name: its extension (from its last "." on, upper-cased) is a piece of
// ".ZIP;.7Z"; an empty extension never is. Other names are folders.
bool IsArchiveName(QStringView name);

// One listing of a folder, for many look-ups.
class TFolderListing {
  public:
    struct Entry {
        QString name;
        bool isDir = false;
        bool isFile = false; // a regular file (or a link to one)
    };

    explicit TFolderListing(const QString& folder);

    // False when the folder does not exist or cannot be read.
    bool IsListed() const { return listed; }
    // Every entry but "." and "..", hidden ones included, in name order ignoring ASCII case
    // (names equal but for case by their character codes).
    const std::vector<Entry>& Entries() const { return entries; }
    // The name on disk of the game file fileDir: a file when fileDir is an archive name,
    // else a folder; the same letters first, else the first entry equal ignoring ASCII case.
    // Empty when there is none.
    QString FindGame(QStringView fileDir) const;

  private:
    bool listed = false;
    std::vector<Entry> entries;
    // Entries by their name lower-cased: the indexes in listing order.
    QHash<QString, std::vector<int>> byLowerName;
};

// The full path of the game file fileDir under rompath (ending in "/"), as named on disk;
// empty when it does not exist. An empty fileDir names no game.
QString FindGameFile(const QString& rompath, const QString& fileDir);
