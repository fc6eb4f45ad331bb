#pragma once
// Identify Game: the emulator says which game the current row's file holds (-romident), in the
// text viewer.

struct TCommandContext;

void IdentifyGame(TCommandContext& context);
