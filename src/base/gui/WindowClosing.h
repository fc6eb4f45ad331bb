#pragma once
// The main window closed while a command was under way: the program ends as soon as the command
// returns, and a window the command would still show (the text viewer) must not show on its own.
// The main window sets this property on itself; the windows it owns read it from their owner.

inline constexpr char ClosedDuringCommandProperty[] = "closedDuringCommand";
