#pragma once
// The name the loaded modules export for a code address: what a library without debug
// information still tells about its functions.

#include <QString>

// The demangled name of the exported function that address lies in; empty when none.
QString ExportedFunctionName(const void* address);
