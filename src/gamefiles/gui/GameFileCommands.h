#pragma once
// The commands that act on the selected game's own files: Delete Game, Reset Game, Rename
// File/Directory, Test ZIP File and Add Game.

struct TCommandContext;

// Gives the five commands (Add Game from gamefiles/gui/AddGameCommand.h) their handlers.
void RegisterGameFileCommands(TCommandContext& context);

void DeleteGame(TCommandContext& context);
void ResetGame(TCommandContext& context);
void RenameGameClick(TCommandContext& context);
void TestZIPFileClick(TCommandContext& context);
