#pragma once
// The commands that show what the emulator says about itself, in the text viewer; Edit
// MAME.INI opens the emulator's configuration in the desktop's editor.

struct TCommandContext;

void HelpWithMAME(TCommandContext& context);
void DisplayMAMEVersion(TCommandContext& context);
void ValidateSystem(TCommandContext& context);
void ListSupportedGames(TCommandContext& context);
void EditMAMEConfig(TCommandContext& context);
