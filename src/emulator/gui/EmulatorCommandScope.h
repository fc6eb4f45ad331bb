#pragma once
// One command that runs the emulator at a time. While one is under way (its emulator runs, or
// its boxes and the viewer wait), the window still serves events; a second such command would
// delete the supported-games list under the first, be refused by the launcher, or write its
// results into rows the first is about to change. So each runs inside a scope, given with its
// handler by RegisterEmulatorCommand, and does not start when the scope is refused.

#include "base/gui/Commands.h"

#include <functional>

struct TCommandContext;

class TEmulatorCommandScope {
  public:
    // Refused (with a beep and a log line) while another scope is open or a child still runs.
    TEmulatorCommandScope(TCommandContext& context, TCommand command);
    ~TEmulatorCommandScope();
    TEmulatorCommandScope(const TEmulatorCommandScope&) = delete;
    TEmulatorCommandScope& operator=(const TEmulatorCommandScope&) = delete;

    bool Refused() const { return !opened; }

  private:
    TCommandContext& context;
    bool opened = false;
};

// Gives command a handler that runs inside the scope, and not at all when it is refused.
void RegisterEmulatorCommand(TCommandContext& context, TCommand command, std::function<void()> handler);
