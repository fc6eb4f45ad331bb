#include "gamefiles/GameFileNames.h"

#include "emulator/GameNameRules.h"
#include "platform/EntryName.h"

QString FileExtension(const QString& fileName) {
    const qsizetype dot = fileName.lastIndexOf(QLatin1Char('.'));
    return dot < 0 ? QString() : fileName.mid(dot);
}

QString ShortName(const QString& fileDir) {
    if (!IsArchiveName(fileDir))
        return fileDir;
    return fileDir.left(fileDir.size() - FileExtension(fileDir).size());
}

bool IsGameEntryName(const QString& fileDir) {
    return !fileDir.isEmpty() && fileDir != QLatin1String(".") && fileDir != QLatin1String("..") &&
           !HoldsPathSeparator(fileDir) && !fileDir.contains(QChar(0));
}

bool IsAcceptableNewName(const QString& newName) {
    return IsGameEntryName(newName) && !newName.startsWith(QLatin1Char('.')) &&
           !newName.contains(QLatin1String("..")) && !StartsLikeOption(newName) && !HoldsLineBreak(newName);
}

std::vector<PerGameFile> PerGameFiles(const QString& shortName, const QString& cfgDirectory,
                                      const QString& nvramDirectory, const QString& snapshotDirectory) {
    if (!IsGameEntryName(shortName))
        return {};
    return {{cfgDirectory, shortName + QStringLiteral(".cfg")},
            {nvramDirectory, shortName + QStringLiteral(".nv")},
            {snapshotDirectory, shortName + QStringLiteral(".png")}};
}
