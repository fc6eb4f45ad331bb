#pragma once
// Change Status, Favourite Game and Play a Random Game on the game list.

class TForm4;
struct TCommandContext;

// Creates the Change Status dialog and gives the three commands their handlers.
void RegisterStatusCommands(TCommandContext& context);

// Asks for the current game's status in dialog and keeps the answer.
void ChangeGameStatus(TCommandContext& context, TForm4& dialog);
void FavouriteGame(TCommandContext& context);
void RandomGamePlay(TCommandContext& context);
