#include "diag/VersionString.h"

#include <QStringList>

QString GetVersionString() {
    QStringList fields = QString::fromLatin1(PELLMORA_VERSION).split(QLatin1Char('.'));
    while (fields.size() < 4)
        fields.append(QStringLiteral("0"));
    return QStringLiteral("Version %1.%2 Release %3 Build %4")
        .arg(fields[0], fields[1], fields[2], fields[3]);
}
