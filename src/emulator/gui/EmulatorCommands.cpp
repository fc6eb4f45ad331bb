#include "emulator/gui/EmulatorCommands.h"

#include "base/gui/CommandContext.h"
#include "emulator/gui/EmulatorCommandScope.h"
#include "emulator/gui/InfoCommands.h"
#include "emulator/gui/TForm2.h"

void RegisterEmulatorCommands(TCommandContext& context) {
    context.Form2 = new TForm2(context.dialogs, context.Owner());
    const auto bind = [&context](TCommand command, void (*handler)(TCommandContext&)) {
        context.Register(command, [&context, handler] { handler(context); });
    };
    const auto bindRun = [&context](TCommand command, void (*handler)(TCommandContext&)) {
        RegisterEmulatorCommand(context, command, [&context, handler] { handler(context); });
    };
    bindRun(TCommand::ListSupportedGames, ListSupportedGames);
    bind(TCommand::EditMAMEIni, EditMAMEConfig);
    bindRun(TCommand::MAMEHelp, HelpWithMAME);
    bindRun(TCommand::MAMEVersion, DisplayMAMEVersion);
    bindRun(TCommand::ValidateSystem, ValidateSystem);
}
