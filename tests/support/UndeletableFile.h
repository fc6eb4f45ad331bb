#pragma once
// Makes a file that cannot be deleted while the guard lives, whatever the user: the immutable
// attribute where the process may set it (root ignores permissions, not that), or else a
// read-only folder, which stops everyone else. holds() says whether a removal really fails.

#include <QFile>
#include <QFileInfo>
#include <QString>

#include <fcntl.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <unistd.h>

class UndeletableFile {
  public:
    explicit UndeletableFile(const QString& path)
        : file(path), folder(QFileInfo(path).absolutePath()), folderPermissions(QFile::permissions(folder)) {
        immutable = SetImmutable(true);
        if (!immutable)
            QFile::setPermissions(folder, QFile::ReadOwner | QFile::ExeOwner);
    }
    ~UndeletableFile() {
        if (immutable)
            SetImmutable(false);
        else
            QFile::setPermissions(folder, folderPermissions);
    }
    UndeletableFile(const UndeletableFile&) = delete;
    UndeletableFile& operator=(const UndeletableFile&) = delete;

    bool holds() const { return immutable || geteuid() != 0; }

  private:
    bool SetImmutable(bool on) const {
        const int handle = open(QFile::encodeName(file).constData(), O_RDONLY | O_NONBLOCK);
        if (handle < 0)
            return false;
        int flags = 0;
        bool done = ioctl(handle, FS_IOC_GETFLAGS, &flags) == 0;
        if (done) {
            flags = on ? flags | FS_IMMUTABLE_FL : flags & ~FS_IMMUTABLE_FL;
            done = ioctl(handle, FS_IOC_SETFLAGS, &flags) == 0;
        }
        close(handle);
        return done;
    }

    QString file;
    QString folder;
    QFileDevice::Permissions folderPermissions;
    bool immutable = false;
};
