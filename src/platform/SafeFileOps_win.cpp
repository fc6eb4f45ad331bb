#include "platform/SafeFileOps.h"

#include <QDir>
#include <QDirIterator>
#include <QFileInfo>

#include <io.h>
#include <string>
#include <system_error>
#include <windows.h>

namespace {

FileOpResult Done() {
    return {true, QString()};
}

FileOpResult Failed(const QString& reason) {
    return {false, reason};
}

// A trailing separator would make the system take the link's target.
QString WithoutTrailingSeparators(QString path) {
    while (path.size() > 1 && (path.endsWith(QLatin1Char('/')) || path.endsWith(QLatin1Char('\\'))))
        path.chop(1);
    return path;
}

std::wstring Native(const QString& path) {
    return QDir::toNativeSeparators(WithoutTrailingSeparators(path)).toStdWString();
}

QString LastErrorText() {
    return QString::fromStdString(std::system_category().message(static_cast<int>(GetLastError())));
}

} // namespace

FileOpResult MoveWithoutReplacing(const QString& from, const QString& to) {
    // Without MOVEFILE_REPLACE_EXISTING the move fails on an existing target; a change of
    // letter case alone is the same file and goes through.
    if (!MoveFileExW(Native(from).c_str(), Native(to).c_str(), 0))
        return Failed(LastErrorText());
    return Done();
}

FileOpResult FlushToDisk(int fileHandle) {
    if (!FlushFileBuffers(reinterpret_cast<HANDLE>(_get_osfhandle(fileHandle))))
        return Failed(LastErrorText());
    return Done();
}

FileOpResult RenameOver(const QString& from, const QString& to) {
    if (!MoveFileExW(Native(from).c_str(), Native(to).c_str(),
                     MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        return Failed(LastErrorText());
    return Done();
}

bool IsSameFile(const QString& first, const QString& second) {
    const auto identity = [](const QString& path, BY_HANDLE_FILE_INFORMATION& info) {
        const HANDLE file =
            CreateFileW(Native(path).c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                        nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
        if (file == INVALID_HANDLE_VALUE)
            return false;
        const bool got = GetFileInformationByHandle(file, &info) != 0;
        CloseHandle(file);
        return got;
    };
    BY_HANDLE_FILE_INFORMATION a{};
    BY_HANDLE_FILE_INFORMATION b{};
    return identity(first, a) && identity(second, b) && a.dwVolumeSerialNumber == b.dwVolumeSerialNumber &&
           a.nFileIndexHigh == b.nFileIndexHigh && a.nFileIndexLow == b.nFileIndexLow;
}

void ClearReadOnly(const QString& path) {
    const DWORD attributes = GetFileAttributesW(Native(path).c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY) &&
        !(attributes & FILE_ATTRIBUTE_REPARSE_POINT))
        SetFileAttributesW(Native(path).c_str(), attributes & ~DWORD(FILE_ATTRIBUTE_READONLY));
}

bool DeleteDirectory(const QString& folder, const std::function<void(const QString&)>& beforeDeletion) {
    const QString shown = WithoutTrailingSeparators(folder);
    const DWORD attributes = GetFileAttributesW(Native(shown).c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES)
        return false;
    if (attributes & FILE_ATTRIBUTE_REPARSE_POINT) {
        // A directory link is removed as a folder, a file link as a file; neither touches its target.
        if (!RemoveDirectoryW(Native(shown).c_str()))
            DeleteFileW(Native(shown).c_str());
        return true;
    }
    if (!(attributes & FILE_ATTRIBUTE_DIRECTORY))
        return false;
    QStringList files;
    QDirIterator entries(shown, QDir::Files | QDir::System | QDir::Hidden | QDir::NoDotAndDotDot);
    while (entries.hasNext())
        files << entries.next();
    for (const QString& file : files) {
        if (beforeDeletion)
            beforeDeletion(file);
        DeleteFileW(Native(file).c_str());
    }
    RemoveDirectoryW(Native(shown).c_str());
    return true;
}
