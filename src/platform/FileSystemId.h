#pragma once
// Telling whether two folders are on the same file system, for searches that stay on one.

#include <QString>

// A number two folders share only when they live on the same file system (the device); 0 when
// the system cannot be asked about folder.
quint64 FileSystemOf(const QString& folder);
