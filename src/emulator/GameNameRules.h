#pragma once
// Rules for the File/Dir names the emulator is given.

#include <QString>

// Whether the emulator would read File/Dir as an option rather than a game: it begins
// with "-". Quoting does not help, since the emulator itself sees the leading "-"; such a
// name is never played, and the scan leaves it out.
bool StartsLikeOption(const QString& fileDir);

// Whether the name holds a line break (CR or LF). The list file's lines end there, so such a
// name could not be kept: the scan leaves it out and no game is renamed to it.
bool HoldsLineBreak(const QString& fileDir);
