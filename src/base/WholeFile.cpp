#include "base/WholeFile.h"

#include "base/AppError.h"

#include <QCoreApplication>
#include <QFile>

#include <QSaveFile>

bool WriteWholeFile(const QString& fileName, const QByteArray& contents) {
    QSaveFile file(fileName);
    // Unbuffered, so a short write (disk full, size limit) shows in write()'s result:
    // Qt 6.4's commit() ignores a failed flush of its buffer and would put the truncated
    // file in place.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return false;
    if (file.write(contents) != contents.size() || file.error() != QFileDevice::NoError)
        return false; // the unfinished copy is discarded with file
    return file.commit();
}

QByteArray ReadWholeFile(const QString& fileName) {
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        throw AppError(
            QCoreApplication::translate("Files", "Unable to read %1: %2").arg(fileName, file.errorString()));
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        throw AppError(
            QCoreApplication::translate("Files", "Unable to read %1: %2").arg(fileName, file.errorString()));
    return bytes;
}
