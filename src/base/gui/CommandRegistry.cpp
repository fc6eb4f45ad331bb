#include "base/gui/CommandRegistry.h"

#include "base/gui/ActivityLog.h"

#include <QCoreApplication>

void TCommandRegistry::SetHandler(TCommand command, TCommandHandler handler) {
    handlers[command] = std::move(handler);
}

bool TCommandRegistry::HasHandler(TCommand command) const {
    return handlers.count(command) > 0;
}

void TCommandRegistry::Run(TCommand command) const {
    const auto handler = handlers.find(command);
    if (handler == handlers.end()) {
        log.WriteLog(
            QCoreApplication::translate("Commands", "\"%1\" is not available in this version of the program.")
                .arg(CommandName(command)));
        return;
    }
    // A copy: the handler may replace itself while it runs.
    const TCommandHandler run = handler->second;
    run();
}
