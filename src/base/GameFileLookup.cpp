#include "base/GameFileLookup.h"

#include "base/AsciiCase.h"

#include <QDir>
#include <QFileInfo>

#include <algorithm>

namespace {

bool IsKind(bool archive, bool isDir, bool isFile) {
    return archive ? isFile : isDir;
}

} // namespace

bool IsArchiveName(QStringView name) {
    const qsizetype dot = name.lastIndexOf(QLatin1Char('.'));
    if (dot < 0)
        return false;
    return QStringView(u".ZIP;.7Z").contains(AsciiUpper(name.mid(dot)));
}

TFolderListing::TFolderListing(const QString& folder) {
    QDir dir(folder);
    if (!dir.exists() || !dir.isReadable())
        return;
    const QFileInfoList infos = dir.entryInfoList(
        QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::NoSort);
    entries.reserve(static_cast<size_t>(infos.size()));
    for (const QFileInfo& info : infos)
        entries.push_back({info.fileName(), info.isDir(), info.isFile()});
    // Name order ignoring case, names that differ only in case by their letters' codes: the
    // same order on every file system.
    std::vector<std::pair<QString, size_t>> keys;
    keys.reserve(entries.size());
    for (size_t i = 0; i < entries.size(); ++i)
        keys.emplace_back(AsciiUpper(entries[i].name), i);
    std::sort(keys.begin(), keys.end(), [this](const auto& a, const auto& b) {
        if (a.first != b.first)
            return a.first < b.first;
        return entries[a.second].name < entries[b.second].name;
    });
    std::vector<Entry> sorted;
    sorted.reserve(entries.size());
    byLowerName.reserve(static_cast<qsizetype>(entries.size()));
    for (const auto& [upper, index] : keys) {
        byLowerName[AsciiLower(upper)].push_back(static_cast<int>(sorted.size()));
        sorted.push_back(std::move(entries[index]));
    }
    entries = std::move(sorted);
    listed = true;
}

QString TFolderListing::FindGame(QStringView fileDir) const {
    const auto candidates = byLowerName.constFind(AsciiLower(fileDir));
    if (candidates == byLowerName.cend())
        return QString();
    const bool archive = IsArchiveName(fileDir);
    const Entry* firstIgnoringCase = nullptr;
    for (const int index : *candidates) {
        const Entry& entry = entries[static_cast<size_t>(index)];
        if (!IsKind(archive, entry.isDir, entry.isFile))
            continue;
        if (entry.name == fileDir)
            return entry.name;
        if (!firstIgnoringCase)
            firstIgnoringCase = &entry;
    }
    return firstIgnoringCase ? firstIgnoringCase->name : QString();
}

QString FindGameFile(const QString& rompath, const QString& fileDir) {
    if (fileDir.isEmpty())
        return QString();
    const bool archive = IsArchiveName(fileDir);
    const QFileInfo exact(rompath + fileDir);
    if (IsKind(archive, exact.isDir(), exact.isFile()))
        return exact.filePath();
    const QString onDisk = TFolderListing(rompath).FindGame(fileDir);
    return onDisk.isEmpty() ? QString() : rompath + onDisk;
}
