#include "gamelist/FolderScan.h"

#include "base/AsciiCase.h"
#include "base/GameFileLookup.h"
#include "gamelist/ScanRules.h"

TGameFolderListings::TGameFolderListings(const QStringList& folders) {
    for (const QString& folder : folders) {
        TFolderListing listing(folder);
        if (listing.IsListed()) {
            listings.push_back(std::move(listing));
            listed.append(folder);
        } else {
            unlisted.append(folder);
        }
    }
}

bool TGameFolderListings::Holds(const QString& fileDir) const {
    for (const TFolderListing& listing : listings) {
        if (!FindGame(listing, fileDir).isEmpty())
            return true;
    }
    return false;
}

QStringList TGameFolderListings::NewNames(const QSet<QString>& listedFileDirs,
                                          const std::function<void(const QString& message)>& found,
                                          const std::function<void(const QString& line)>& log,
                                          bool matchCase) const {
    QSet<QString> taken = listedFileDirs;
    QStringList newNames;
    for (const TFolderListing& listing : listings) {
        const QStringList names = FindNewNames(listing, taken, found, log, matchCase);
        for (const QString& name : names)
            taken.insert(AsciiLower(name));
        newNames += names;
    }
    return newNames;
}
