#pragma once
// Add Game: archives chosen anywhere are checked against the emulator's supported games and
// the list and the game folders, tested, copied into the first game folder under the game's short
// name, listed and verified.

#include <QString>

struct TCommandContext;

void AddGame(TCommandContext& context);

// True when the chosen file may be added as targetName (the name it gets in rompath): no
// listed game has that name (letter case ignored), no game folder holds another file of that
// name, and the archive where the user chose it passes its test. Writes what it finds into the
// viewer.
bool TestGameToAdd(TCommandContext& context, const QString& chosenPath, const QString& targetName);
