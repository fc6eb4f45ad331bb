#pragma once
// Whether a process is still there, read from /proc (a zombie counts as gone: it has ended).

#include <QByteArray>
#include <QFile>
#include <QString>

inline bool ProcessAlive(qint64 pid) {
    QFile stat(QStringLiteral("/proc/%1/stat").arg(pid));
    if (!stat.open(QIODevice::ReadOnly))
        return false;
    const QByteArray text = stat.readAll();
    const qsizetype close = text.lastIndexOf(')');
    return close < 0 || text.mid(close + 2, 1) != "Z";
}
