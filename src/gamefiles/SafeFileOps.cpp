#include "gamefiles/SafeFileOps.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryFile>

#include <cerrno>
#include <cstring>
#include <vector>

#ifdef _WIN32
#include <QDirIterator>
#include <io.h>
#include <system_error>
#include <windows.h>
#else
#include <cstdio>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace {

constexpr qint64 CopyBufferSize = 1024 * 1024;

FileOpResult Done() {
    return {true, QString()};
}

FileOpResult Failed(const QString& reason) {
    return {false, reason};
}

// A trailing "/" would make the system follow a link named by the path.
QString WithoutTrailingSeparators(QString path) {
    while (path.size() > 1 && path.endsWith(QLatin1Char('/')))
        path.chop(1);
    return path;
}

#ifdef _WIN32

std::wstring Native(const QString& path) {
    return QDir::toNativeSeparators(WithoutTrailingSeparators(path)).toStdWString();
}

QString LastErrorText() {
    return QString::fromStdString(std::system_category().message(static_cast<int>(GetLastError())));
}

#else

QByteArray Native(const QString& path) {
    return QFile::encodeName(WithoutTrailingSeparators(path));
}

QString ErrnoText(int code) {
    return QString::fromLocal8Bit(std::strerror(code));
}

#endif

} // namespace

#ifndef _WIN32
FileOpResult MoveByLink(const QString& fromPath, const QString& toPath) {
    const QByteArray from = Native(fromPath);
    const QByteArray to = Native(toPath);
    struct stat source {};
    if (lstat(from.constData(), &source) != 0)
        return Failed(ErrnoText(errno));
    if (!S_ISDIR(source.st_mode) && link(from.constData(), to.constData()) == 0) {
        unlink(from.constData());
        return Done();
    }
    if (!S_ISDIR(source.st_mode) && errno != EPERM && errno != ENOTSUP)
        return Failed(ErrnoText(errno));
    struct stat target {};
    if (lstat(to.constData(), &target) == 0)
        return Failed(ErrnoText(EEXIST));
    if (std::rename(from.constData(), to.constData()) != 0)
        return Failed(ErrnoText(errno));
    return Done();
}
#endif

namespace {

// The temporary copy, written whole and on disk; the reason when not.
FileOpResult WriteCopy(QFile& source, QTemporaryFile& copy) {
    std::vector<char> buffer(CopyBufferSize);
    for (;;) {
        const qint64 got = source.read(buffer.data(), CopyBufferSize);
        if (got < 0)
            return Failed(source.errorString());
        if (got == 0)
            break;
        if (copy.write(buffer.data(), got) != got)
            return Failed(copy.errorString());
    }
    if (!copy.flush())
        return Failed(copy.errorString());
#ifdef _WIN32
    if (!FlushFileBuffers(reinterpret_cast<HANDLE>(_get_osfhandle(copy.handle()))))
        return Failed(LastErrorText());
#else
    if (fsync(copy.handle()) != 0)
        return Failed(ErrnoText(errno));
#endif
    if (!copy.setPermissions(source.permissions() | QFile::ReadOwner | QFile::WriteOwner))
        return Failed(copy.errorString());
    return Done();
}

// Puts the finished copy in place of target, replacing what is there (a link as a link).
FileOpResult ReplaceWith(const QString& copy, const QString& target) {
#ifdef _WIN32
    if (!MoveFileExW(Native(copy).c_str(), Native(target).c_str(),
                     MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        return Failed(LastErrorText());
#else
    if (std::rename(Native(copy).constData(), Native(target).constData()) != 0)
        return Failed(ErrnoText(errno));
#endif
    return Done();
}

} // namespace

FileOpResult MoveWithoutReplacing(const QString& from, const QString& to) {
#ifdef _WIN32
    // Without MOVEFILE_REPLACE_EXISTING the move fails on an existing target; a change of
    // letter case alone is the same file and goes through.
    if (!MoveFileExW(Native(from).c_str(), Native(to).c_str(), 0))
        return Failed(LastErrorText());
    return Done();
#else
    const QByteArray source = Native(from);
    const QByteArray target = Native(to);
    if (renameat2(AT_FDCWD, source.constData(), AT_FDCWD, target.constData(), RENAME_NOREPLACE) == 0)
        return Done();
    const int error = errno;
    if (error == EEXIST && IsSameFile(from, to)) {
        // A folder that ignores letter case sees the new name as the file itself.
        if (std::rename(source.constData(), target.constData()) != 0)
            return Failed(ErrnoText(errno));
        return Done();
    }
    if (error == EINVAL || error == ENOSYS || error == ENOTSUP)
        return MoveByLink(from, to);
    return Failed(ErrnoText(error));
#endif
}

FileOpResult CopyIntoPlace(const QString& source, const QString& target) {
    if (IsSameFile(source, target))
        return Done(); // a copy onto itself would only put the one copy at risk
    QFile input(source);
    if (!input.open(QIODevice::ReadOnly))
        return Failed(input.errorString());
    const QString folder = QFileInfo(target).absolutePath();
    // A hidden name without an archive extension: no scan takes it for a game meanwhile.
    QTemporaryFile copy(folder + QStringLiteral("/.pellmora-copy-XXXXXX"));
    if (!copy.open())
        return Failed(copy.errorString());
    FileOpResult result = WriteCopy(input, copy);
    if (result.ok)
        result = ReplaceWith(copy.fileName(), target);
    if (result.ok)
        copy.setAutoRemove(false); // it is the target now
    return result;
}

bool IsSameFile(const QString& first, const QString& second) {
#ifdef _WIN32
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
    BY_HANDLE_FILE_INFORMATION a{}, b{};
    return identity(first, a) && identity(second, b) && a.dwVolumeSerialNumber == b.dwVolumeSerialNumber &&
           a.nFileIndexHigh == b.nFileIndexHigh && a.nFileIndexLow == b.nFileIndexLow;
#else
    struct stat a {};
    struct stat b {};
    return stat(Native(first).constData(), &a) == 0 && stat(Native(second).constData(), &b) == 0 &&
           a.st_dev == b.st_dev && a.st_ino == b.st_ino;
#endif
}

void ClearReadOnly(const QString& path) {
#ifdef _WIN32
    const DWORD attributes = GetFileAttributesW(Native(path).c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY) &&
        !(attributes & FILE_ATTRIBUTE_REPARSE_POINT))
        SetFileAttributesW(Native(path).c_str(), attributes & ~DWORD(FILE_ATTRIBUTE_READONLY));
#else
    const QByteArray name = Native(path);
    struct stat status {};
    // chmod would follow a link to whatever it names.
    if (lstat(name.constData(), &status) == 0 && !S_ISLNK(status.st_mode) && !(status.st_mode & S_IWUSR))
        chmod(name.constData(), (status.st_mode & 07777) | S_IWUSR);
#endif
}

bool DeleteDirectory(const QString& folder, const std::function<void(const QString&)>& beforeDeletion) {
    const QString shown = WithoutTrailingSeparators(folder);
#ifdef _WIN32
    const QFileInfo info(shown);
    if (info.isSymLink() || info.isJunction()) {
        // A directory link is removed as a folder, a file link as a file; neither touches its target.
        if (!RemoveDirectoryW(Native(shown).c_str()))
            DeleteFileW(Native(shown).c_str());
        return true;
    }
    if (!info.isDir())
        return false;
    QDirIterator entries(shown, QDir::Files | QDir::System | QDir::Hidden | QDir::NoDotAndDotDot);
    while (entries.hasNext()) {
        const QString entry = entries.next();
        if (beforeDeletion)
            beforeDeletion(entry);
        DeleteFileW(Native(entry).c_str());
    }
    RemoveDirectoryW(Native(shown).c_str());
    return true;
#else
    const QByteArray name = Native(folder);
    struct stat status {};
    if (lstat(name.constData(), &status) != 0)
        return false;
    if (S_ISLNK(status.st_mode)) {
        unlink(name.constData());
        return true;
    }
    if (!S_ISDIR(status.st_mode))
        return false;
    // Every step works on the folder opened here, so a link swapped in meanwhile is not followed.
    const int descriptor = open(name.constData(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
    DIR* entries = descriptor >= 0 ? fdopendir(descriptor) : nullptr;
    if (!entries && descriptor >= 0)
        close(descriptor);
    if (entries) {
        std::vector<QByteArray> files;
        while (const dirent* entry = readdir(entries)) {
            struct stat item {};
            if (fstatat(descriptor, entry->d_name, &item, AT_SYMLINK_NOFOLLOW) == 0 &&
                (S_ISREG(item.st_mode) || S_ISLNK(item.st_mode)))
                files.emplace_back(entry->d_name);
        }
        for (const QByteArray& file : files) {
            if (beforeDeletion)
                beforeDeletion(shown + QLatin1Char('/') + QFile::decodeName(file));
            unlinkat(descriptor, file.constData(), 0);
        }
        closedir(entries);
    }
    rmdir(name.constData()); // fails, as meant, when a sub-folder is left in it
    return true;
#endif
}
