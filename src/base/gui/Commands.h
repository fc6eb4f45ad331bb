#pragma once
// The program's commands as data: one descriptor each, from which the menus, the tool bar, the
// grid's pop-up menu and the push buttons are built. A subsystem gives a command its handler
// (CommandContext.h); the controls only name the command.

#include <QString>

#include <span>

class QAction;
class QAbstractButton;

// Every command of the main window. A command without a registered handler says so in the log.
enum class TCommand {
    PlayGame,
    FavouriteGame,
    IdentifyGame,
    ChangeStatus,
    VerifyGame,
    ResetGame,
    AddGame,
    DeleteGame,
    RenameGame,
    TestZipFile,
    ScanForGames,
    VerifyAllGames,
    ViewVerifyReport,
    PlayRandomGame,
    ListSupportedGames,
    EditMAMEIni,
    MAMEDirSelect,
    MAMEDirSearch,
    OpenExplorertoDataPath,
    OpenExplorertoMAMEPath,
    ChangeStyle,
    MAMEHelp,
    MAMEVersion,
    ValidateSystem,
    HelpUsingPellmora,
    About,
    Donate,
    ExitProgram,
    SearchGame,
    SaveSettings,
    DeleteImage,
    RefreshImage,
    ImageHelp,
};

// The topics of the user guide a control opens with F1; None opens nothing of its own.
enum class THelpContext : int {
    None = 0,
    HelpButton = 1,
    AddDeleteButtons = 13,
    GameData = 30,
    GameList = 60,
    Tabs = 70,
    Play = 80,
    ToolBar = 90,
    GameFiles = 100,
    Scan = 120,
    Verify = 130,
};

// Where a command's menu item goes.
enum class TMenu { None, MenuBar, Game, AllGames, Options, Help };

// A push button (or, without a caption, a small tool button) that runs the command.
struct TCommandButton {
    const char* name = nullptr; // object name; nullptr: the command has no button
    const char* caption = "";
    const char* toolTip = nullptr; // nullptr: the hint
    THelpContext help = THelpContext::None;
};

struct TCommandHelp {
    THelpContext menu = THelpContext::None;
    THelpContext popup = THelpContext::None;
    THelpContext tool = THelpContext::None;
};

struct TCommandDescriptor {
    TCommand command;
    TMenu menu = TMenu::None;
    const char* caption = nullptr; // the menu item; nullptr: none
    const char* shortcut = "";
    const char* hint = "";              // status bar text of every control of the command
    const char* toolTip = nullptr;      // the tool button's tool-tip; nullptr: no tool button
    const char* popupCaption = nullptr; // nullptr: not in the grid's pop-up menu
    const char* icon = "";              // resource name for the tool and push button
    TCommandHelp help = {};
    bool separatorAfter = false;     // in its menu and in the pop-up menu
    bool toolSeparatorAfter = false; // on the tool bar
    TCommandButton button = {};
    bool alwaysEnabled = false; // its menu item stays usable while a long command runs
};

// Every command's descriptor, in menu order.
// A text of the table (caption, hint, tool-tip) in the user's language; empty for none.
QString CommandText(const char* text);

std::span<const TCommandDescriptor> AllCommands();
const TCommandDescriptor& FindCommand(TCommand command);
// The command as the user knows it, for messages: its caption without accelerator marks.
QString CommandName(TCommand command);

// The controls one command is bound to; any of them may be absent.
struct TCommandBinding {
    TCommand command;
    QAction* menuItem = nullptr;
    QAction* toolButton = nullptr;
    QAction* popupItem = nullptr;
    QAbstractButton* pushButton = nullptr;
};
