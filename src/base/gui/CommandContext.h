#pragma once
// What a command handler works with. The main window builds one context and hands it to each
// subsystem's Register...Commands function, which gives the subsystem's commands their handlers
// and wires the window events it needs. Handlers live in their subsystem's folder, take the
// context, and never include the main window.

#include "base/AppState.h"
#include "base/IniFile.h"
#include "base/LogStyle.h"
#include "base/gui/CommandRegistry.h"
#include "base/gui/Commands.h"
#include "base/gui/Dialogs.h"

#include <QObject>

class ActivityLog;
class OptionsPages;
class QAbstractButton;
class QLabel;
class QLineEdit;
class QProgressBar;
class QWidget;
class TForm2;
class TGameImagePage;
class TGameListModel;
class TProcessLauncher;
class TSortGrid;

// The tabs of the main window's tab set, by index.
enum class TPage { GameImage = 0, Log = 1, GameData = 2, Controls = 3, Audio = 4, Video = 5 };

// The panels of the status bar.
enum class TStatusPanel { Hint = 0, State = 1 };

// What the main window does for commands.
class TMainWindowServices {
  public:
    virtual ~TMainWindowServices() = default;

    // The main window: the owner of every box a command shows.
    virtual QWidget* Owner() = 0;
    // Runs another command as if the user had chosen it (Scan ends by offering Verify All).
    virtual void RunCommand(TCommand command) = 0;
    // Closes the program once the running command has finished.
    virtual void ExitProgram() = 0;
    // Switches every tagged control and menu off or on, around long commands.
    virtual void EnableTaggedComponents(bool enabled) = 0;

    // The current game list row (1 for the first game), 0 when there is none.
    virtual int GridRow() const = 0;
    // Makes a game list row current and scrolls it into view; ignored outside the list.
    virtual void SelectGridRow(int row) = 0;

    // Brings a tab to the front, as the program's own choice (the remembered tab stays as it was).
    virtual void ShowPage(TPage page) = 0;
    // Shows the counters, dates and the report button of the Game Data tab from the state.
    virtual void ShowGameData() = 0;
    // Shows MAMEPath in the emulator folder box of the Game Data tab.
    virtual void ShowMAMEPath() = 0;

    virtual QProgressBar* ProgressBar() = 0;
    virtual QLabel* StatusPanel(TStatusPanel panel) = 0;
    // The push button bound to the command, or nullptr.
    virtual QAbstractButton* PushButton(TCommand command) = 0;
};

// Window events subsystems may act on; the main window emits them, once each.
class TWindowEvents : public QObject {
    Q_OBJECT
  public:
    using QObject::QObject;

  signals:
    // A key press the window sees before its focused control (FormKeyDown).
    void keyPreviewed(int key);
    // The current game list row changed (1 for the first game, 0 for none).
    void gridRowChanged(int row);
};

struct TCommandContext {
    AppState& State;
    Dialogs& dialogs;
    ActivityLog& Log;
    // The launcher: RunEmulator in "emulator/gui/RunEmulator.h" runs the emulator through it.
    TProcessLauncher& Launcher;
    // The game list: include "gamelist/GameListModel.h".
    TGameListModel& GameList;
    // The grid itself, for folders above gamelist/gui: include "gamelist/gui/TSortGrid.h".
    // Folders below it use GridRow and SelectGridRow.
    TSortGrid& Grid;
    TMainWindowServices& Window;
    TWindowEvents& Events;
    TCommandRegistry& Commands;

    // Windows that live as long as the main window and serve more than one subsystem. The
    // subsystem that owns one creates it in its Register...Commands function (parented to
    // Owner()) and puts it here for the others; a window only its own commands use stays with
    // their handlers.
    OptionsPages* Options = nullptr;
    // The search box beside the grid, the switches box of the Controls tab and the Game Image
    // tab, built with the window.
    QLineEdit* SearchEdit = nullptr;
    QLineEdit* CommandLineSwitchesEdit = nullptr;
    TGameImagePage* GameImage = nullptr;
    TForm2* Form2 = nullptr;

    QWidget* Owner() const { return Window.Owner(); }
    // Gives a command its handler.
    void Register(TCommand command, TCommandHandler handler) {
        Commands.SetHandler(command, std::move(handler));
    }
    void RunCommand(TCommand command) const { Window.RunCommand(command); }
    void WriteLog(const QString& text, TColor colour = clBlack, TFontStyles style = 0) const;
    // MessageApp with the main window as the owner.
    int MessageApp(const QString& message, TMsgDlgType type, TMsgDlgButtons buttons,
                   const QString& title = {}, int helpContext = 0) const;
    // The settings file Pellmora.INI.
    TIniFile SettingsIni() const;
};
