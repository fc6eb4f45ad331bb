#pragma once
// What the grid's header clicks, keys and mouse presses do, and Enter in the search box.

struct TCommandContext;

// Binds the grid's events and the search box's Enter key to the context's handlers.
void ConnectGridEvents(TCommandContext& context);
