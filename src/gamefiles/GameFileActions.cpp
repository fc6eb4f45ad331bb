#include "gamefiles/GameFileActions.h"

#include "base/FileLookup.h"
#include "base/GameFileLookup.h"
#include "emulator/CommandTexts.h"
#include "gamefiles/GameFileNames.h"
#include "gamefiles/Snapshot.h"
#include "platform/SafeFileOps.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cstring>

DeleteResult DeleteGameEntry(const GameFolders& folders, const QString& fileDir,
                             const std::function<void(const QString&)>& beforeDeletion) {
    if (!IsGameEntryName(fileDir) || folders.rompath.isEmpty())
        return {}; // never rompath itself
    const QString path = FindGameFile(folders.rompath, fileDir);
    ClearReadOnly(path);
    if (IsArchiveName(fileDir)) {
        if (path.isEmpty())
            return {DeleteOutcome::Missing,
                    QCoreApplication::translate("GameFiles", "The file %1 does not exist.")
                        .arg(folders.rompath + fileDir)};
        QFile archive(path);
        if (!archive.remove())
            return {DeleteOutcome::Failed,
                    QCoreApplication::translate("GameFiles", "The file %1 could not be deleted: %2.")
                        .arg(path, archive.errorString())};
    } else if (path.isEmpty() || !DeleteDirectory(path, beforeDeletion)) {
        return {DeleteOutcome::Missing,
                QCoreApplication::translate("GameFiles", "The directory %1 does not exist.")
                    .arg(folders.rompath + fileDir)};
    }
    return {};
}

void DeletePerGameFiles(const GameFolders& folders, const QString& fileDir) {
    if (!IsGameEntryName(fileDir))
        return;
    for (const PerGameFile& file : PerGameFiles(ShortName(fileDir), folders.cfgDirectory,
                                                folders.nvramDirectory, folders.snapshotDirectory)) {
        if (!file.folder.isEmpty()) // an unset folder must not mean the working folder
            QFile::remove(FindFileIgnoringCase(file.folder, file.name));
    }
}

QString RenameOldName(const QString& fileDir) {
    return fileDir.left(fileDir.size() - FileExtension(fileDir).size());
}

RenameResult RenameGameEntry(const QStringList& rompaths, const QString& fileDir, const QString& answer) {
    const QString newName = answer.trimmed();
    if (!IsGameEntryName(fileDir) || rompaths.isEmpty() || newName == RenameOldName(fileDir))
        return {RenameOutcome::Unchanged, fileDir, QString()};
    if (!IsAcceptableNewName(newName))
        return {RenameOutcome::Refused, fileDir, QString()};
    const QString newFileDir = newName + FileExtension(fileDir);
    const GameLocation game = LocateGame(rompaths, fileDir);
    if (game.path.isEmpty())
        return {RenameOutcome::Failed, fileDir, QString::fromLocal8Bit(std::strerror(ENOENT))};
    // The new name taken in any game folder: the two would be one row, and the emulator would
    // play whichever comes first.
    for (const QString& folder : rompaths) {
        const QString taken = FindFileIgnoringCase(folder, newFileDir);
        if (QFileInfo::exists(taken) && !IsSameFile(taken, game.path))
            return {RenameOutcome::Failed, fileDir, QString::fromLocal8Bit(std::strerror(EEXIST))};
    }
    const FileOpResult moved = MoveWithoutReplacing(game.path, game.folder + newFileDir);
    if (!moved.ok)
        return {RenameOutcome::Failed, fileDir, moved.reason};
    return {RenameOutcome::Renamed, newFileDir, QString()};
}

void MoveSnapshot(const QString& snapshotDirectory, const QString& oldFileDir, const QString& newFileDir) {
    if (snapshotDirectory.isEmpty() || !IsGameEntryName(oldFileDir) || !IsGameEntryName(newFileDir))
        return;
    const QString from = SnapshotFileName(snapshotDirectory, oldFileDir);
    const QString to = SnapshotFileName(snapshotDirectory, newFileDir);
    if (QFileInfo::exists(to) && !IsSameFile(from, to))
        return; // never over another game's picture, whatever its letter case
    MoveWithoutReplacing(from, snapshotDirectory + VerifyName(newFileDir) + QStringLiteral(".png"));
}
