#pragma once
// What the system reads as a folder separator inside a name.

#include <QStringView>

// Whether name holds a character the system takes as a separator between folders or a drive:
// "/" everywhere, and on Windows also "\" and ":". Such a name is never one entry of a folder.
bool HoldsPathSeparator(QStringView name);
