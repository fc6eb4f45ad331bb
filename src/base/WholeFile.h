#pragma once
// Reading and replacing whole files; a crash or a full disk never leaves a truncated one behind.

#include <QByteArray>
#include <QString>

// Writes contents to a new file beside fileName and renames it over fileName; false, with
// fileName untouched, when any step fails.
bool WriteWholeFile(const QString& fileName, const QByteArray& contents);

// The file's bytes; a file that cannot be opened or read throws AppError("Unable to read " ...).
QByteArray ReadWholeFile(const QString& fileName);
