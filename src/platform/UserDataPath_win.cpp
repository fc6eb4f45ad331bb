#include "platform/UserDataPath.h"

#include "base/FileLookup.h"

#include <QDir>

QString PerUserDataFolder() {
    const QString appData = qEnvironmentVariable("APPDATA");
    if (appData.isEmpty())
        return QString();
    return IncludeTrailingPathDelimiter(QDir::fromNativeSeparators(appData));
}
