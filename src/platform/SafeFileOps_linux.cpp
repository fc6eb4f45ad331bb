#include "platform/SafeFileOps.h"

#include <QFile>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <vector>

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

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

QByteArray Native(const QString& path) {
    return QFile::encodeName(WithoutTrailingSeparators(path));
}

QString ErrnoText(int code) {
    return QString::fromLocal8Bit(std::strerror(code));
}

} // namespace

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

FileOpResult FlushToDisk(int fileHandle) {
    if (fsync(fileHandle) != 0)
        return Failed(ErrnoText(errno));
    return Done();
}

FileOpResult RenameOver(const QString& from, const QString& to) {
    if (std::rename(Native(from).constData(), Native(to).constData()) != 0)
        return Failed(ErrnoText(errno));
    return Done();
}

FileOpResult MoveWithoutReplacing(const QString& from, const QString& to) {
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
}

bool IsSameFile(const QString& first, const QString& second) {
    struct stat a {};
    struct stat b {};
    return stat(Native(first).constData(), &a) == 0 && stat(Native(second).constData(), &b) == 0 &&
           a.st_dev == b.st_dev && a.st_ino == b.st_ino;
}

void ClearReadOnly(const QString& path) {
    const QByteArray name = Native(path);
    struct stat status {};
    // chmod would follow a link to whatever it names.
    if (lstat(name.constData(), &status) == 0 && !S_ISLNK(status.st_mode) && !(status.st_mode & S_IWUSR))
        chmod(name.constData(), (status.st_mode & 07777) | S_IWUSR);
}

bool DeleteDirectory(const QString& folder, const std::function<void(const QString&)>& beforeDeletion) {
    const QString shown = WithoutTrailingSeparators(folder);
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
}
