#pragma once
// Which handler runs each command. Subsystems fill it through the command context; the main
// window runs commands through it.

#include "base/gui/Commands.h"

#include <functional>
#include <map>

class ActivityLog;

using TCommandHandler = std::function<void()>;

class TCommandRegistry {
  public:
    explicit TCommandRegistry(ActivityLog& log) : log(log) {}

    // Gives the command its handler, replacing any earlier one.
    void SetHandler(TCommand command, TCommandHandler handler);
    bool HasHandler(TCommand command) const;
    // Runs the command's handler; a command nobody has registered says so in the log instead.
    // Failures of the handler pass through.
    void Run(TCommand command) const;

  private:
    ActivityLog& log;
    std::map<TCommand, TCommandHandler> handlers;
};
