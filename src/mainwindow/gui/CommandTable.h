#pragma once
// The commands of the main window; every menu item, tool button, pop-up item and push
// button of one command calls the same handler.

#include <QList>

class QAction;
class QAbstractButton;

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

// The controls one command is bound to; any of them may be absent.
struct TCommandBinding {
    TCommand command;
    QAction* menuItem = nullptr;
    QAction* toolButton = nullptr;
    QAction* popupItem = nullptr;
    QAbstractButton* pushButton = nullptr;
};
