#pragma once
// Replaces a whole file so that a crash or a full disk never leaves a truncated one behind.

#include <QByteArray>
#include <QString>

// Writes contents to a new file beside fileName and renames it over fileName; false, with
// fileName untouched, when any step fails.
bool WriteWholeFile(const QString& fileName, const QByteArray& contents);
