#pragma once
// The one call every command makes to run the emulator: MAMEEXE in MAMEPath, started there
// with the arguments given, its exit code and output lines handed back together.

#include "emulator/CommandTexts.h"
#include "emulator/EmulatorRun.h"

struct TCommandContext;

TRunResult RunEmulator(TCommandContext& context, const TEmulatorArgs& args, const TRunOptions& options = {});
