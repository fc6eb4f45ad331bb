#pragma once
// The program's own commands: the about box, the maker's donation page, the user guide with
// F1 context help, and the style chooser.

#include <functional>

struct TCommandContext;

// Creates the style chooser and the about box for the main window and gives their commands
// their handlers. writeFormSettings saves the main window's entries once a style is applied.
void RegisterDiagCommands(TCommandContext& context, std::function<void()> writeFormSettings);

void About1Click(TCommandContext& context);
void DonateClick(TCommandContext& context);
void ChangeStyleClick(TCommandContext& context);
