#pragma once
// Change Status, Favourite Game and Play a Random Game on the game list.

struct TCommandContext;

// Creates the Change Status dialog and gives the three commands their handlers.
void RegisterStatusCommands(TCommandContext& context);

void ChangeGameStatus(TCommandContext& context);
void FavouriteGame(TCommandContext& context);
void RandomGamePlay(TCommandContext& context);
