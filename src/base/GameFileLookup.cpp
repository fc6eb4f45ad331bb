#include "base/GameFileLookup.h"

#include "base/AsciiCase.h"

#include <QFileInfo>

namespace {

EntryKind GameKind(QStringView fileDir) {
    return IsArchiveName(fileDir) ? EntryKind::File : EntryKind::Folder;
}

} // namespace

bool IsArchiveName(QStringView name) {
    const qsizetype dot = name.lastIndexOf(QLatin1Char('.'));
    if (dot < 0)
        return false;
    return QStringView(u".ZIP;.7Z").contains(AsciiUpper(name.mid(dot)));
}

QString FindGame(const TFolderListing& rompathListing, QStringView fileDir) {
    return rompathListing.Find(fileDir, GameKind(fileDir));
}

QString FindGameFile(const QString& rompath, const QString& fileDir) {
    if (fileDir.isEmpty())
        return QString();
    const QFileInfo exact(rompath + fileDir);
    if (IsArchiveName(fileDir) ? exact.isFile() : exact.isDir())
        return exact.filePath();
    const QString onDisk = FindGame(TFolderListing(rompath), fileDir);
    return onDisk.isEmpty() ? QString() : rompath + onDisk;
}

GameLocation LocateGame(const QStringList& folders, const QString& fileDir) {
    for (const QString& folder : folders) {
        const QString path = FindGameFile(folder, fileDir);
        if (!path.isEmpty())
            return {folder, path};
    }
    return {};
}
