#pragma once
// Scan for Games: brings the game list in line with the game folder. Missing games go, new
// archives and folders come in named from the supported-games list, and the counters, the
// scan date and the list file follow.

struct AppState;
struct TCommandContext;
class TGameListModel;

// The counters from the rows: a row with a File/Dir is a game, known unless "[UNKNOWN GAME]".
void RecountGames(AppState& state, const TGameListModel& list);

void ScanForGames(TCommandContext& context);
