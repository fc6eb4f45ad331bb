#pragma once
// A scan walks every game folder of the rompath: one listing per folder, in the order the
// emulator searches them.

#include "base/FileLookup.h"

#include <QSet>
#include <QString>
#include <QStringList>

#include <functional>
#include <vector>

class TGameFolderListings {
  public:
    explicit TGameFolderListings(const QStringList& folders);

    bool AnyListed() const { return !listings.empty(); }
    // The folders listed, in rompath order.
    const QStringList& Listed() const { return listed; }
    // The folders that could not be listed (a disk not mounted, a share gone). While there is
    // one, a game missing from the others may be there, so no row is removed.
    const QStringList& Unlisted() const { return unlisted; }
    // True when some listed folder holds the game fileDir.
    bool Holds(const QString& fileDir) const;
    // The new names of every listed folder, folder by folder (see FindNewNames, whose found, log
    // and matchCase they are); a name in several folders is new once.
    QStringList NewNames(const QSet<QString>& listedFileDirs,
                         const std::function<void(const QString& message)>& found = {},
                         const std::function<void(const QString& line)>& log = {},
                         bool matchCase = false) const;

  private:
    std::vector<TFolderListing> listings;
    QStringList listed;
    QStringList unlisted;
};
