#pragma once
// Scan for Games: brings the game list in line with the game folder. Missing games go, new
// archives and folders come in named from the supported-games list, and the counters, the
// scan date and the list file follow.

struct TCommandContext;

void ScanForGames(TCommandContext& context);
