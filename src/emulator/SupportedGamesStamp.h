#pragma once
// Whether the supported-games list can be used again. Listing 45,000 machines takes the emulator
// up to a second and more, and the list changes only with its executable; so a note written
// beside the list after each whole, successful run records which executable made it and how big
// the list came out. No note, or one that no longer fits, means the list is made anew.

#include <QByteArray>
#include <QString>

#include <optional>

// The identity of one file on disk, as far as it matters here.
struct TFileIdentity {
    QString path; // symbolic links resolved, so a link pointed elsewhere counts as changed
    qint64 size = -1;
    qint64 modifiedMs = -1; // milliseconds since the epoch, UTC
    bool operator==(const TFileIdentity&) const = default;
};

// What the note holds: the executable that made the list, and the list's size when it was done.
struct TSupportedGamesStamp {
    TFileIdentity executable;
    qint64 listSize = -1;
    bool operator==(const TSupportedGamesStamp&) const = default;
};

// The file as it is now; nullopt when it does not exist or is not a file.
std::optional<TFileIdentity> IdentityOfFile(const QString& fileName);

QByteArray StampText(const TSupportedGamesStamp& stamp);
// nullopt for anything that is not a whole note as StampText writes it.
std::optional<TSupportedGamesStamp> ParseStamp(const QByteArray& text);

// The list may be used as it is: a note exists, the executable is the very file it names, and
// the list is there with the size it had when it was done.
bool SupportedGamesListIsCurrent(const std::optional<TSupportedGamesStamp>& stamp,
                                 const std::optional<TFileIdentity>& executable,
                                 const std::optional<TFileIdentity>& list);
