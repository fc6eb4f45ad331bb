#include "options/RompathFolders.h"

#include "options/FolderRule.h"

#include <QCoreApplication>

QStringList RompathFolders(const QString& mamePath, const QString& value) {
    QStringList folders;
    for (const QString& piece : value.split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
        const QString folder = ApplyFolderRule(mamePath, piece);
        if (!folders.contains(folder))
            folders.append(folder);
    }
    if (folders.isEmpty())
        folders.append(ApplyFolderRule(mamePath, QString()));
    return folders;
}

RompathCheck CheckRompathFolders(const QStringList& folders,
                                 const std::function<bool(const QString&)>& exists) {
    RompathCheck check;
    for (const QString& folder : folders)
        (exists(folder) ? check.existing : check.missing).append(folder);
    return check;
}

QString MissingGameFoldersMessage(const QStringList& missing) {
    return (missing.size() == 1
                ? QCoreApplication::translate(
                      "MameIni", "This game folder of the rompath in your MAME.INI configuration file could "
                                 "not be found:\n%1\n\nThe games kept there cannot be played until it is "
                                 "back (a disk that is not mounted?). Until then, no scan removes them from "
                                 "the game list.")
                : QCoreApplication::translate(
                      "MameIni", "These game folders of the rompath in your MAME.INI configuration file "
                                 "could not be found:\n%1\n\nThe games kept there cannot be played until "
                                 "they are back (a disk that is not mounted?). Until then, no scan removes "
                                 "them from the game list."))
        .arg(missing.join(QLatin1Char('\n')));
}
