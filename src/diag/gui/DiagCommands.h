#pragma once
// The program's own commands: the about box, the maker's donation page, the user guide with
// F1 context help, and the style chooser.

#include <functional>

class TAboutBox;
class TSettingsForm;
struct TCommandContext;

// Creates the style chooser, the about box and the help window for the main window and gives
// their commands their handlers, which hold them. writeFormSettings saves the main window's entries once a
// style is applied.
void RegisterDiagCommands(TCommandContext& context, std::function<void()> writeFormSettings);

void About1Click(TAboutBox& aboutBox);
void DonateClick(TCommandContext& context);
void ChangeStyleClick(TSettingsForm& styleChooser);
