#include "locate/FindFiles.h"

#include "base/FileLookup.h"
#include "locate/FileVersion.h"
#include "locate/VersionCheck.h"
#include "platform/FileSystemId.h"

#include <QDir>

#include <optional>

namespace {

const QString oldVersionFlag = QStringLiteral(" OLD VERSION");
const QString unknownVersionFlag = QStringLiteral(" UNKNOWN VERSION");

void walk(QStringList& result, const QString& folder, const std::function<bool(const QFileInfo&)>& mask,
          const std::function<void()>& afterEachMatch, std::optional<quint64> device) {
    const QDir dir(folder);
    const QFileInfoList files = dir.entryInfoList(QDir::Files | QDir::Hidden | QDir::System, QDir::Name);
    for (const QFileInfo& file : files) {
        if (!mask(file))
            continue;
        result.append(folder + file.fileName());
        if (afterEachMatch)
            afterEachMatch();
    }
    const QFileInfoList folders =
        dir.entryInfoList(QDir::Dirs | QDir::NoDotAndDotDot | QDir::NoSymLinks | QDir::Hidden, QDir::Name);
    for (const QFileInfo& sub : folders) {
        if (sub.fileName().startsWith(QLatin1Char('.')))
            continue;
        const QString subFolder = folder + sub.fileName() + QLatin1Char('/');
        if (device && FileSystemOf(subFolder) != *device)
            continue;
        walk(result, subFolder, mask, afterEachMatch, device);
    }
}

} // namespace

void FindFiles(QStringList& result, const QString& folder, const std::function<bool(const QFileInfo&)>& mask,
               const std::function<void()>& afterEachMatch, bool stayOnFileSystem) {
    const QString start = IncludeTrailingPathDelimiter(folder);
    std::optional<quint64> device;
    if (stayOnFileSystem)
        device = FileSystemOf(start);
    walk(result, start, mask, afterEachMatch, device);
}

bool MatchesMameMask(const QFileInfo& entry) {
    const QString name = entry.fileName();
    return name.size() >= 4 && name.size() <= 6 && name.startsWith(MameExecutableName, Qt::CaseInsensitive) &&
           entry.isFile() && entry.isExecutable();
}

QString SearchResultLine(const QString& path, const QString& version) {
    QString flag;
    if (!IsMAMEVersionOK(version))
        flag = oldVersionFlag;
    if (version == NoFileVersion)
        flag = unknownVersionFlag;
    return path + QStringLiteral(" (Version ") + version + flag + QLatin1Char(')');
}

QString SearchResultFolder(const QString& line) {
    return IncludeTrailingPathDelimiter(line.left(line.lastIndexOf(QLatin1Char('/')) + 1));
}

bool SearchResultIsOld(const QString& line) {
    return line.endsWith(oldVersionFlag + QLatin1Char(')'));
}
