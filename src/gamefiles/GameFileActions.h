#pragma once
// What Delete Game, Reset Game and Rename do to the files: the game's archive or folder in rompath
// and the per-game files the emulator keeps. Names are found on disk ignoring letter case.

#include <QString>
#include <QStringList>

#include <functional>

struct GameFolders {
    QString rompath; // the game folder that holds the game; each ends with "/"
    QString cfgDirectory;
    QString nvramDirectory;
    QString snapshotDirectory;
};

enum class DeleteOutcome {
    Deleted, // or nothing to do: not a game entry (the placeholder row)
    Missing, // the archive or folder was not there; the rest of the delete goes on
    Failed,  // the archive is there and could not be removed; nothing else may change
};

struct DeleteResult {
    DeleteOutcome outcome = DeleteOutcome::Deleted;
    QString message; // the box to show, empty when Deleted
};

// Deletes the game's archive (an archive row) or the top-level files of its folder and the
// folder itself when that empties it (a folder row), clearing the read-only bit first; a
// symbolic link loses only the link. Missing: "The file " / "The directory " + rompath +
// fileDir + " does not exist.". Failed: the archive's path and the system's reason. Does
// nothing for a fileDir that is not a game entry (the placeholder row). beforeDeletion is
// told each file of a folder before it goes.
DeleteResult DeleteGameEntry(const GameFolders& folders, const QString& fileDir,
                             const std::function<void(const QString&)>& beforeDeletion = {});

// Deletes the game's configuration, non-volatile memory and snapshot files, where they
// exist; failures are passed over. Nothing for the placeholder row.
void DeletePerGameFiles(const GameFolders& folders, const QString& fileDir);

enum class RenameOutcome {
    Unchanged, // the same name, or not a game entry
    Refused,   // a name that would leave rompath or hide the game
    Failed,    // the move failed: no permission, or the name is taken
    Renamed,
};

struct RenameResult {
    RenameOutcome outcome = RenameOutcome::Unchanged;
    QString newFileDir;
    QString reason; // the system's words when the move failed
};

// The name the rename box offers: fileDir without its extension (from its last "." on).
QString RenameOldName(const QString& fileDir);

// Moves fileDir, in the first of the game folders rompaths that holds it, to the trimmed answer +
// fileDir's extension in that folder, never over an existing entry of any game folder (one equal
// ignoring letter case counts, unless it is the game itself).
RenameResult RenameGameEntry(const QStringList& rompaths, const QString& fileDir, const QString& answer);

// Gives the snapshot the Game Image tab shows for oldFileDir the name it shows for
// newFileDir; nothing when there is none or another game's picture has that name.
void MoveSnapshot(const QString& snapshotDirectory, const QString& oldFileDir, const QString& newFileDir);
