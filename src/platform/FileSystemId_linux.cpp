#include "platform/FileSystemId.h"

#include <QFile>

#include <sys/stat.h>

quint64 FileSystemOf(const QString& folder) {
    struct stat status {};
    if (::stat(QFile::encodeName(folder).constData(), &status) != 0)
        return 0;
    return static_cast<quint64>(status.st_dev);
}
