#pragma once
// The emulator subsystem's commands: the information commands, with the text viewer that every
// command showing the emulator's answers shares.

struct TCommandContext;

// Creates the text viewer (context.Form2) and gives the commands their handlers.
void RegisterEmulatorCommands(TCommandContext& context);
