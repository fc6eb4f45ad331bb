#pragma once
// The commands that find the emulator folder by hand, check the emulator's version at
// start-up, and open the program's folders in the file manager.

#include <QCoreApplication>
#include <QString>

#include <functional>

struct TFolders;
class Dialogs;
class QWidget;
struct TCommandContext;

// Gives MAMEDirSelect, MAMEDirSearch and the two Open Explorer commands their handlers and
// creates the search dialog TForm5.
void RegisterLocateCommands(TCommandContext& context);

// Takes a folder chosen by the user as the emulator folder: MAMEPath, the Game Data tab and
// the settings file.
void AcceptMAMEPath(TCommandContext& context, const QString& folder);

// The caption of both emulator folder choosers.
inline QString MAMEFolderChooserCaption() {
    return QCoreApplication::translate("SearchForMAME",
                                       "Select folder where MAME.EXE or MAME64.EXE is located.");
}

// Lets the user choose the emulator folder; a folder whose emulator is recent enough (or
// tells no version) becomes MAMEPath and is passed to acceptPath (ending in "/").
// mameDirEditText is the folder shown in MAMEDirEdit, where the chooser starts.
void MAMEDirSelect(TFolders& state, Dialogs& dialogs, QWidget* owner, const QString& mameDirEditText,
                   const std::function<void(const QString& mamePath)>& acceptPath);

// Warns about each emulator executable in MAMEPath that is too old, "mame64" first. Returns
// false when the user chose to go to the download page: the program then ends.
bool StartupVersionCheck(const TFolders& state, Dialogs& dialogs, QWidget* owner);

// Open the user data folder / the emulator folder in the file manager, when it exists.
void OpenExplorertoDataPath(const TFolders& state, Dialogs& dialogs);
void OpenExplorertoMAMEPath(const TFolders& state, Dialogs& dialogs);
