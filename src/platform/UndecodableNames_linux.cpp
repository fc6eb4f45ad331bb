#include "platform/UndecodableNames.h"

#include <QFile>
#include <QStringDecoder>

#include <cstring>
#include <dirent.h>

QStringList UndecodableNames(const QString& folder) {
    QStringList names;
    DIR* dir = ::opendir(QFile::encodeName(folder).constData());
    if (!dir)
        return names;
    while (const dirent* entry = ::readdir(dir)) {
        const QByteArrayView bytes(entry->d_name, static_cast<qsizetype>(std::strlen(entry->d_name)));
        QStringDecoder decode(QStringConverter::System, QStringConverter::Flag::Stateless);
        const QString name = decode(bytes);
        if (decode.hasError())
            names.append(name);
    }
    ::closedir(dir);
    names.sort();
    return names;
}
