#pragma once
// Names on disk may differ in letter case from the names the program uses: the list stores
// names lower-cased, the user's files may carry capitals. Every look-up of a name in a
// folder goes through here and compares as every name comparison does, by the case of the
// ASCII letters only.

#include <QHash>
#include <QString>
#include <QStringView>

#include <vector>

enum class EntryKind { Any, File, Folder };

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
    // The name on disk of the entry of that kind whose name equals name ignoring ASCII case:
    // the same letters first, else the first in order. Empty when there is none.
    QString Find(QStringView name, EntryKind kind = EntryKind::Any) const;

  private:
    bool listed = false;
    std::vector<Entry> entries;
    // Entries by their name lower-cased: the indexes in listing order.
    QHash<QString, std::vector<int>> byLowerName;
};

// The full path of the entry of folder whose name equals name ignoring case (an exact
// match first); folder + name when there is none. folder ends with "/".
QString FindFileIgnoringCase(const QString& folder, const QString& name);

// Adds a trailing "/" when missing.
QString IncludeTrailingPathDelimiter(const QString& folder);
