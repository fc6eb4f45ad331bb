#include "emulator/gui/EmulatorCommandScope.h"

#include "base/gui/CommandContext.h"
#include "emulator/gui/ExecNewProcess.h"

#include <QApplication>
#include <QCoreApplication>

TEmulatorCommandScope::TEmulatorCommandScope(TCommandContext& context, TCommand command) : context(context) {
    TProcessLauncher& launcher = context.Launcher;
    if (launcher.CommandActive || launcher.isRunning()) {
        QApplication::beep();
        context.WriteLog(QCoreApplication::translate(
                             "Commands", "\"%1\" was not started: another command is still running.")
                             .arg(CommandName(command)));
        return;
    }
    launcher.CommandActive = true;
    opened = true;
}

TEmulatorCommandScope::~TEmulatorCommandScope() {
    if (opened)
        context.Launcher.CommandActive = false;
}

void RegisterEmulatorCommand(TCommandContext& context, TCommand command, std::function<void()> handler) {
    context.Register(command, [&context, command, handler = std::move(handler)] {
        const TEmulatorCommandScope scope(context, command);
        if (!scope.Refused())
            handler();
    });
}
