#pragma once
// The emulator subsystem's commands: verification and the information commands, with the
// text viewer they share.

struct TCommandContext;

// Creates the text viewer (context.Form2) and gives the commands their handlers.
void RegisterEmulatorCommands(TCommandContext& context);
