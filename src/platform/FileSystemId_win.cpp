#include "platform/FileSystemId.h"

#include <QDir>

#include <sys/stat.h>

quint64 FileSystemOf(const QString& folder) {
    // The C runtime's stat takes no final separator but a drive's root ("C:\").
    QString path = QDir::toNativeSeparators(folder);
    if (path.size() > 3 && path.endsWith(QLatin1Char('\\')))
        path.chop(1);
    struct _stat64 status {};
    if (_wstat64(reinterpret_cast<const wchar_t*>(path.utf16()), &status) != 0)
        return 0;
    // st_dev is the drive number, 0 for A:; one more keeps 0 for "cannot be asked".
    return static_cast<quint64>(status.st_dev) + 1;
}
