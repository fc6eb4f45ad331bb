#include "base/DeleteFileAndWait.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QFile>
#include <QFileInfo>
#include <QThread>

namespace {

// A name that is there in any form, a dangling link too.
bool Exists(const QString& fileName) {
    const QFileInfo info(fileName);
    return info.exists() || info.isSymLink();
}

} // namespace

bool DeleteFileAndWait(const QString& fileName, int boundMs) {
    const QDeadlineTimer deadline(boundMs);
    while (Exists(fileName)) {
        QFile::remove(fileName);
        QCoreApplication::processEvents();
        if (!Exists(fileName))
            return true;
        if (deadline.hasExpired())
            return false;
        QThread::msleep(10);
    }
    return true;
}
