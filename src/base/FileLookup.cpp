#include "base/FileLookup.h"

#include <QDir>
#include <QFileInfo>

QString FindFileIgnoringCase(const QString& folder, const QString& name) {
    const QString exact = folder + name;
    if (QFileInfo::exists(exact))
        return exact;
    const QStringList entries = QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System);
    for (const QString& entry : entries) {
        if (entry.compare(name, Qt::CaseInsensitive) == 0)
            return folder + entry;
    }
    return exact;
}

QString IncludeTrailingPathDelimiter(const QString& folder) {
    if (folder.endsWith(QLatin1Char('/')))
        return folder;
    return folder + QLatin1Char('/');
}
