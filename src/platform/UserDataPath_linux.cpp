#include "platform/UserDataPath.h"

#include "base/FileLookup.h"

#include <QDir>

QString PerUserDataFolder() {
    // The XDG base directory rule: $XDG_DATA_HOME when it is an absolute path, else ~/.local/share.
    const QString xdg = qEnvironmentVariable("XDG_DATA_HOME");
    if (xdg.startsWith(QLatin1Char('/')))
        return IncludeTrailingPathDelimiter(xdg);
    const QString home = QDir::homePath();
    if (home.isEmpty())
        return QString();
    return IncludeTrailingPathDelimiter(home) + QStringLiteral(".local/share/");
}
