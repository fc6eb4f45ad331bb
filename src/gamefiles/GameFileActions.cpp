#include "gamefiles/GameFileActions.h"

#include "base/FileLookup.h"
#include "gamefiles/GameFileNames.h"
#include "platform/SafeFileOps.h"

#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cstring>

QString DeleteGameEntry(const GameFolders& folders, const QString& fileDir,
                        const std::function<void(const QString&)>& beforeDeletion) {
    if (!IsGameEntryName(fileDir) || folders.rompath.isEmpty())
        return QString(); // never rompath itself
    const QString path = FindFileIgnoringCase(folders.rompath, fileDir);
    ClearReadOnly(path);
    if (IsArchiveName(fileDir)) {
        if (!QFile::remove(path))
            return QStringLiteral("The file ") + folders.rompath + fileDir +
                   QStringLiteral(" does not exist.");
    } else if (!DeleteDirectory(path, beforeDeletion)) {
        return QStringLiteral("The directory ") + folders.rompath + fileDir +
               QStringLiteral(" does not exist.");
    }
    return QString();
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

RenameResult RenameGameEntry(const QString& rompath, const QString& fileDir, const QString& answer) {
    const QString newName = answer.trimmed();
    if (!IsGameEntryName(fileDir) || rompath.isEmpty() || newName == RenameOldName(fileDir))
        return {RenameOutcome::Unchanged, fileDir, QString()};
    if (!IsAcceptableNewName(newName))
        return {RenameOutcome::Refused, fileDir, QString()};
    const QString newFileDir = newName + FileExtension(fileDir);
    const QString from = FindFileIgnoringCase(rompath, fileDir);
    const QString taken = FindFileIgnoringCase(rompath, newFileDir);
    if (QFileInfo::exists(taken) && !IsSameFile(taken, from))
        return {RenameOutcome::Failed, fileDir, QString::fromLocal8Bit(std::strerror(EEXIST))};
    const FileOpResult moved = MoveWithoutReplacing(from, rompath + newFileDir);
    if (!moved.ok)
        return {RenameOutcome::Failed, fileDir, moved.reason};
    return {RenameOutcome::Renamed, newFileDir, QString()};
}
