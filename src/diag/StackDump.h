#pragma once
// The recorded call stack as text, one line per frame, named from the program's debug
// information where it has any.

#include "diag/StackTracking.h"

#include <QStringList>

// "[0x...] function (file:line)" for a frame the debug information names, the function
// alone where only its name is known, the address alone otherwise.
QStringList StackDumpLines(const TStackFrames& frames);
