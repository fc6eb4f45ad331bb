#pragma once
// A file's bytes for a comparison; "<missing>" when it cannot be read, which no fixture holds.

#include <QByteArray>
#include <QFile>
#include <QString>

inline QByteArray ReadBytes(const QString& fileName) {
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        return QByteArray("<missing>");
    return file.readAll();
}
