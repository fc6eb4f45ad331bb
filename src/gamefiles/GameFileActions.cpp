#include "gamefiles/GameFileActions.h"

#include "app/FileLookup.h"
#include "gamefiles/GameFileNames.h"
#include "gamefiles/SafeFileOps.h"

#include <QFile>

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
