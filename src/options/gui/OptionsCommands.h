#pragma once
// The options tabs' command, Save Settings, and the command-line switches box.

#include <QString>

struct TCommandContext;

// Gives Save Settings its handler and lets an option change enable its button; the switches box
// writes every change to the settings file. context.Options must be set.
void RegisterOptionsCommands(TCommandContext& context);

// Writes the option controls to mame.ini; the button waits for the next change.
void SaveSettings(TCommandContext& context);
void CommandLineSwitchesEditChange(TCommandContext& context, const QString& text);
