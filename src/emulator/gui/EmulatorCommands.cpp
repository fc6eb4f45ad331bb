#include "emulator/gui/EmulatorCommands.h"

#include "base/gui/CommandContext.h"
#include "emulator/gui/InfoCommands.h"
#include "emulator/gui/TForm2.h"

void RegisterEmulatorCommands(TCommandContext& context) {
    context.Form2 = new TForm2(context.dialogs, context.Owner());
    const auto bind = [&context](TCommand command, void (*handler)(TCommandContext&)) {
        context.Register(command, [&context, handler] { handler(context); });
    };
    bind(TCommand::ListSupportedGames, ListSupportedGames);
    bind(TCommand::EditMAMEIni, EditMAMEConfig);
    bind(TCommand::MAMEHelp, HelpWithMAME);
    bind(TCommand::MAMEVersion, DisplayMAMEVersion);
    bind(TCommand::ValidateSystem, ValidateSystem);
}
