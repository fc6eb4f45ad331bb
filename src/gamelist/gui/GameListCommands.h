#pragma once
// The game list in use: the header click, the grid's keys and mouse, the Favourite click and
// the search box, all working on the context's list and grid.

#include "base/AppState.h"

#include <QString>

struct TCommandContext;

// Gives the game list's commands (Search, Scan for Games, and the emulator's work on rows:
// Identify, Verify, Verify All, the verification report) their handlers and binds the grid.
void RegisterGameListCommands(TCommandContext& context);

// Sorts the list again by SortColumn with GSortOptions; the current game stays current.
void ResortGameList(TCommandContext& context);

// The header click: flips the one direction, makes col the sort column, saves both and hands
// the options to sort with back to the grid.
void SortGrid1ClickSort(TCommandContext& context, int col, TSortOptions& options);
// The search box's text, from the row after the last match or the current one.
void SearchGame(TCommandContext& context);
