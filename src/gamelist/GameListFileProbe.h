#pragma once

#include <QString>

// True when the file holds a second line (anything after the first line's end), read
// without loading the whole list. A file that cannot be read holds no lines.
bool HasMoreThanOneLine(const QString& fileName);
