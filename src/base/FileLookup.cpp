#include "base/FileLookup.h"

#include "base/AsciiCase.h"

#include <QDir>
#include <QFileInfo>

#include <algorithm>

namespace {

bool IsKind(const TFolderListing::Entry& entry, EntryKind kind) {
    switch (kind) {
    case EntryKind::File:
        return entry.isFile;
    case EntryKind::Folder:
        return entry.isDir;
    case EntryKind::Any:
        break;
    }
    return true;
}

} // namespace

TFolderListing::TFolderListing(const QString& folder) {
    QDir dir(folder);
    if (!dir.exists() || !dir.isReadable())
        return;
    const QFileInfoList infos = dir.entryInfoList(
        QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::NoSort);
    // Sorted here rather than by QDir: the same order on every file system and locale.
    std::vector<std::pair<QString, const QFileInfo*>> keys;
    keys.reserve(static_cast<size_t>(infos.size()));
    for (const QFileInfo& info : infos)
        keys.emplace_back(AsciiLower(info.fileName()), &info);
    std::sort(keys.begin(), keys.end(), [](const auto& a, const auto& b) {
        if (a.first != b.first)
            return a.first < b.first;
        return a.second->fileName() < b.second->fileName();
    });
    entries.reserve(keys.size());
    byLowerName.reserve(static_cast<qsizetype>(keys.size()));
    for (const auto& [lower, info] : keys) {
        byLowerName[lower].push_back(static_cast<int>(entries.size()));
        entries.push_back({info->fileName(), info->isDir(), info->isFile()});
    }
    listed = true;
}

QString TFolderListing::Find(QStringView name, EntryKind kind) const {
    const auto candidates = byLowerName.constFind(AsciiLower(name));
    if (candidates == byLowerName.cend())
        return QString();
    const Entry* firstIgnoringCase = nullptr;
    for (const int index : *candidates) {
        const Entry& entry = entries[static_cast<size_t>(index)];
        if (!IsKind(entry, kind))
            continue;
        if (entry.name == name)
            return entry.name;
        if (!firstIgnoringCase)
            firstIgnoringCase = &entry;
    }
    return firstIgnoringCase ? firstIgnoringCase->name : QString();
}

QString FindFileIgnoringCase(const QString& folder, const QString& name) {
    const QString exact = folder + name;
    if (QFileInfo::exists(exact))
        return exact;
    const QString onDisk = TFolderListing(folder).Find(name);
    return onDisk.isEmpty() ? exact : folder + onDisk;
}

QString IncludeTrailingPathDelimiter(const QString& folder) {
    if (folder.endsWith(QLatin1Char('/')))
        return folder;
    return folder + QLatin1Char('/');
}
