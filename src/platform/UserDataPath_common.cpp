#include "platform/UserDataPath.h"

#include "base/FileLookup.h"

#include <QFileInfo>

QString ChooseUserDataPath(const QString& currentPath) {
    if (QFileInfo(FindFileIgnoringCase(currentPath, QStringLiteral("Pellmora.INI"))).isFile())
        return currentPath;
    return PerUserDataFolder() + QStringLiteral("Quorvane/Pellmora/");
}
