#pragma once
// Older versions kept five lines of their own settings at the head of the list file.

#include <QString>

// When userDataPath's "Pellmora.DAT" (found ignoring case) starts with the line
// "GenerelSettings,0", rewrites it without its first five lines, keeping the old file as
// "Pellmora.DAT.BAK"; any other list file is left untouched. Lines are copied byte for
// byte, each ended by CR LF. "Pellmora.~DAT", the converted copy, never remains.
// Throws AppError when a file cannot be opened, read or written.
void ConvertGameListFile(const QString& userDataPath);
