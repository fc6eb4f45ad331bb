#include "locate/VersionCheck.h"

#include <QDir>
#include <QFileInfo>
#include <QStringList>

#include <algorithm>
#include <optional>
#include <vector>

namespace {

constexpr int versionFields = 4;

std::optional<std::vector<quint64>> versionFieldsOf(const QString& version) {
    const QStringList parts = version.split(QLatin1Char('.'));
    if (parts.size() > versionFields)
        return std::nullopt;
    std::vector<quint64> fields(versionFields, 0);
    for (int i = 0; i < parts.size(); ++i) {
        const QString& part = parts.at(i);
        const bool digitsOnly =
            !part.isEmpty() && std::all_of(part.begin(), part.end(), [](QChar c) { return c.isDigit(); });
        bool ok = false;
        fields[i] = digitsOnly ? part.toULongLong(&ok) : 0;
        if (!ok)
            return std::nullopt;
    }
    return fields;
}

bool isRunnableFile(const QFileInfo& info) {
    return info.isFile() && info.isExecutable();
}

} // namespace

bool IsMAMEVersionOK(const QString& version) {
    const auto candidate = versionFieldsOf(version);
    const auto minimum = versionFieldsOf(MinimumMAMEVersion);
    return candidate && *candidate >= *minimum;
}

QString FindMameExecutable(const QString& folder, const QString& name) {
    if (folder.isEmpty())
        return QString(); // not the current folder of the process
    const QFileInfo exact(folder + name);
    if (isRunnableFile(exact))
        return exact.filePath();
    const QFileInfoList entries =
        QDir(folder).entryInfoList(QDir::Files | QDir::Hidden | QDir::System, QDir::Name);
    for (const QFileInfo& entry : entries) {
        if (entry.fileName().compare(name, Qt::CaseInsensitive) == 0 && isRunnableFile(entry))
            return entry.filePath();
    }
    return QString();
}

bool MameExecutableExists(const QString& folder) {
    return !PreferredMameExecutableName(folder).isEmpty();
}

QString PreferredMameExecutableName(const QString& folder) {
    for (const QString& name : {Mame64ExecutableName, MameExecutableName}) {
        const QString path = FindMameExecutable(folder, name);
        if (!path.isEmpty())
            return QFileInfo(path).fileName();
    }
    return QString();
}
