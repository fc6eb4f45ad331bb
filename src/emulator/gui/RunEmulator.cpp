#include "emulator/gui/RunEmulator.h"

#include "base/gui/CommandContext.h"
#include "emulator/gui/ExecNewProcess.h"

TRunResult RunEmulator(TCommandContext& context, const TEmulatorArgs& args, const TRunOptions& options) {
    const AppState& state = context.State;
    const QString program = EmulatorProgram(state.MAMEPath, state.MAMEEXE);
    return context.Launcher.Run(state.MAMEPath, program, EmulatorArguments(args),
                                EmulatorCommandText(program, args, options.standardOutputFile), options);
}
