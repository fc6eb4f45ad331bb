#include "mainwindow/gui/MainWindowCommands.h"

#include "gamelist/gui/TSortGrid.h"
#include "mainwindow/gui/MainWindowUi.h"

#include <QAction>
#include <QActionGroup>
#include <QIcon>
#include <QKeySequence>
#include <QLayout>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QToolBar>
#include <QToolButton>

#include <map>

namespace {

enum class Menu { None, Game, AllGames, Options, Help };

// One row of the command table.
struct CommandRow {
    TCommand command;
    Menu menu;
    const char* menuCaption;
    const char* shortcut;     // empty for none
    const char* toolTip;      // tool button tool-tip, nullptr for no tool button
    const char* popupCaption; // nullptr for no pop-up item
    const char* hint;
    int menuHelp;
    int popupHelp;
    int toolHelp;
    const char* icon; // resource name of the tool button's icon
};

// clang-format off
const CommandRow kCommands[] = {
    {TCommand::PlayGame, Menu::Game, "&Play Game...", "", "Play Game", "Play Game...", "Play the selected game.", 80, 80, 0, "play"},
    {TCommand::FavouriteGame, Menu::Game, "&Favourite Game", "Ctrl+F", "Favourite Game", "Favourite Game", "Mark/unmark the selected game as a favourite game.", 0, 0, 0, "favourite"},
    {TCommand::IdentifyGame, Menu::Game, "&Identify Game", "Ctrl+I", "Identify Game", "Identify Game", "Check the selected game's identity.", 0, 0, 0, "identify"},
    {TCommand::ChangeStatus, Menu::Game, "Change &Status", "Ctrl+S", "Change Status", "Change Status", "Change the selected game's status.", 0, 0, 0, "status"},
    {TCommand::VerifyGame, Menu::Game, "&Verify Game", "Ctrl+V", "Verify Game", "Verify Game", "Check the selected game to determine if it is OK to play.", 130, 130, 0, "verify"},
    {TCommand::ResetGame, Menu::Game, "&Reset Game", "Ctrl+R", "Reset Game", "Reset Game", "Remove any files created by MAME for the selected game - eg. configuration or high score files.", 0, 0, 0, "reset"},
    {TCommand::AddGame, Menu::Game, "&Add Game", "Ctrl+A", "Add New Game", nullptr, "Add a new game from Zip file(s).", 100, 0, 13, "add"},
    {TCommand::DeleteGame, Menu::Game, "&Delete Game", "", "Delete Game", "Delete Game", "Delete the selected game and all its files.", 100, 100, 13, "delete"},
    {TCommand::RenameGame, Menu::Game, "Re&name File/Directory", "", nullptr, "Rename File/Directory", "Rename the selected file/directory.", 0, 100, 0, ""},
    {TCommand::TestZipFile, Menu::Game, "Test ZIP File", "Ctrl+T", nullptr, "Test ZIP File", "Test the ZIP file.", 0, 0, 0, ""},
    {TCommand::ScanForGames, Menu::AllGames, "Scan for Games", "", nullptr, nullptr, "Find all the games located under the ROMS directory.", 120, 0, 0, ""},
    {TCommand::VerifyAllGames, Menu::AllGames, "Verify All Games", "", nullptr, nullptr, "Check all the games to determine if they are OK to play.", 130, 0, 0, ""},
    {TCommand::ViewVerifyReport, Menu::AllGames, "View Verify Report", "", nullptr, nullptr, "Display the results of the last time all the games were verified.", 130, 0, 0, ""},
    {TCommand::PlayRandomGame, Menu::AllGames, "Play a Random Game", "", nullptr, nullptr, "Play a game at random.", 80, 0, 0, ""},
    {TCommand::ListSupportedGames, Menu::Options, "&List Supported Games", "Ctrl+L", "List Supported Games", nullptr, "Display a list of all games the current version of MAME supports.", 0, 0, 0, "list"},
    {TCommand::EditMAMEIni, Menu::Options, "&Edit MAME.INI", "Ctrl+E", nullptr, nullptr, "Edit the MAME.INI configuration file.", 0, 0, 0, ""},
    {TCommand::MAMEDirSelect, Menu::Options, "Set &path to MAME.EXE/MAME64.EXE", "", nullptr, nullptr, "Select the folder where MAME.EXE or MAME64.EXE is located.", 0, 0, 0, ""},
    {TCommand::MAMEDirSearch, Menu::Options, "&Search for MAME.EXE/MAME64.EXE", "", nullptr, nullptr, "Search for directory where MAME.EXE or MAME64.EXE is located.", 0, 0, 0, ""},
    {TCommand::OpenExplorertoDataPath, Menu::Options, "Open Explorer to Data Path", "", nullptr, nullptr, "", 0, 0, 0, ""},
    {TCommand::OpenExplorertoMAMEPath, Menu::Options, "Open Explorer to MAME Path", "", nullptr, nullptr, "", 0, 0, 0, ""},
    {TCommand::ChangeStyle, Menu::Options, "Change Style", "", nullptr, nullptr, "", 0, 0, 0, ""},
    {TCommand::MAMEHelp, Menu::Help, "MAME Help", "", nullptr, nullptr, "Displays instructions on how to use MAME.", 0, 0, 0, ""},
    {TCommand::MAMEVersion, Menu::Help, "MAME Version", "", nullptr, nullptr, "Displays the version of the current MAME program.", 0, 0, 0, ""},
    {TCommand::ValidateSystem, Menu::Help, "Validate System", "", nullptr, nullptr, "Perform internal validation on every driver in the system.", 0, 0, 0, ""},
    {TCommand::HelpUsingPellmora, Menu::Help, "&Help Using Pellmora", "", "Help", nullptr, "Display help using this program.", 0, 0, 1, "help"},
    {TCommand::About, Menu::Help, "&About Pellmora...", "", nullptr, nullptr, "Display information about the program.", 0, 0, 0, ""},
    {TCommand::Donate, Menu::None, "Donate", "", nullptr, nullptr, "", 0, 0, 0, ""},
    {TCommand::ExitProgram, Menu::None, "E&xit", "", "Exit", nullptr, "Exit the program.", 0, 0, 0, "exit"},
};
// clang-format on

// Separators come after these items, in menus and pop-up alike.
bool SeparatorAfter(TCommand command) {
    switch (command) {
    case TCommand::PlayGame:
    case TCommand::ChangeStatus:
    case TCommand::ResetGame:
    case TCommand::ViewVerifyReport:
    case TCommand::EditMAMEIni:
    case TCommand::MAMEDirSearch:
    case TCommand::OpenExplorertoMAMEPath:
    case TCommand::ValidateSystem:
    case TCommand::HelpUsingPellmora:
        return true;
    default:
        return false;
    }
}

// Tool bar groups end after these.
bool ToolSeparatorAfter(TCommand command) {
    switch (command) {
    case TCommand::PlayGame:
    case TCommand::ChangeStatus:
    case TCommand::ResetGame:
    case TCommand::DeleteGame:
    case TCommand::ListSupportedGames:
    case TCommand::HelpUsingPellmora:
        return true;
    default:
        return false;
    }
}

QString Text(const char* text) {
    return QString::fromUtf8(text);
}

// Tool bar buttons are 25 x 25 with a 20 x 20 picture, as designed.
constexpr int kToolButtonSize = 25;
constexpr int kToolIconSize = 20;

// A top-level menu switched off by the tagged controls must also silence the shortcuts of
// its items: a disabled menu only stops the menu from opening.
void FollowMenuEnabledState(QMenu* menu) {
    auto* items = new QActionGroup(menu);
    items->setExclusionPolicy(QActionGroup::ExclusionPolicy::None);
    const auto actions = menu->actions();
    for (QAction* action : actions) {
        if (!action->isSeparator())
            items->addAction(action);
    }
    QAction* menuAction = menu->menuAction();
    QObject::connect(menuAction, &QAction::enabledChanged, items,
                     [items](bool enabled) { items->setEnabled(enabled); });
}

} // namespace

// The resources live in a static library: register them before the first look-up.
static void InitialiseResources() {
    static const bool done = [] {
        Q_INIT_RESOURCE(pellmora);
        return true;
    }();
    Q_UNUSED(done);
}

QIcon ResourceIcon(const char* name) {
    InitialiseResources();
    QIcon icon;
    if (!*name)
        return icon;
    icon.addFile(QStringLiteral(":/icons/") + Text(name) + QStringLiteral(".png"));
    icon.addFile(QStringLiteral(":/icons/16/") + Text(name) + QStringLiteral(".png"));
    return icon;
}

void BuildMenusAndToolBar(TForm1Ui& ui, QMainWindow* form) {
    ui.MainMenu1 = new QMenuBar(form);
    ui.MainMenu1->setObjectName(QStringLiteral("MainMenu1"));
    form->setMenuBar(ui.MainMenu1);
    ui.GameMenu = ui.MainMenu1->addMenu(QStringLiteral("&Game"));
    ui.AllGamesMenu = ui.MainMenu1->addMenu(QStringLiteral("&All Games"));
    ui.OptionsMenu = ui.MainMenu1->addMenu(QStringLiteral("&Options"));
    ui.HelpMenu = ui.MainMenu1->addMenu(QStringLiteral("&Help"));
    for (QMenu* menu : {ui.GameMenu, ui.AllGamesMenu, ui.OptionsMenu, ui.HelpMenu})
        menu->menuAction()->setProperty("tag", kTaggedControl);

    ui.ToolBar1 = new QToolBar(form);
    ui.ToolBar1->setObjectName(QStringLiteral("ToolBar1"));
    ui.ToolBar1->setMovable(false);
    ui.ToolBar1->setFloatable(false);
    ui.ToolBar1->setIconSize(QSize(kToolIconSize, kToolIconSize));
    ui.ToolBar1->setFixedHeight(29);
    ui.ToolBar1->layout()->setContentsMargins(2, 2, 2, 2);
    ui.ToolBar1->layout()->setSpacing(0);
    ui.ToolBar1->setContextMenuPolicy(Qt::PreventContextMenu);
    ui.ToolBar1->setProperty("tag", kTaggedControl);
    ui.ToolBar1->setProperty("helpContext", 90);
    form->addToolBar(Qt::TopToolBarArea, ui.ToolBar1);
    ui.ToolBar1->addSeparator();

    // Owned by the window, not the grid: the pop-up is never switched off with the grid; it
    // simply cannot open while the grid is disabled.
    ui.PopupMenu1 = new QMenu(form);
    ui.PopupMenu1->setObjectName(QStringLiteral("PopupMenu1"));
    // A right-click on the grid opens the pop-up at the mouse.
    ui.SortGrid1->setContextMenuPolicy(Qt::CustomContextMenu);
    QObject::connect(ui.SortGrid1, &QWidget::customContextMenuRequested, ui.PopupMenu1,
                     [grid = ui.SortGrid1, popup = ui.PopupMenu1](const QPoint& position) {
                         popup->popup(grid->viewport()->mapToGlobal(position));
                     });

    const std::map<Menu, QMenu*> menus = {{Menu::Game, ui.GameMenu},
                                          {Menu::AllGames, ui.AllGamesMenu},
                                          {Menu::Options, ui.OptionsMenu},
                                          {Menu::Help, ui.HelpMenu}};
    const std::map<TCommand, QAbstractButton*> pushButtons = {
        {TCommand::PlayGame, ui.RunGameBitBtn},
        {TCommand::ScanForGames, ui.ScanForGamesBitBtn},
        {TCommand::VerifyAllGames, ui.VerifyAllGamesBitBtn},
        {TCommand::ViewVerifyReport, ui.ViewVerifyReportBitBtn},
        {TCommand::PlayRandomGame, ui.RandomPlayBtn},
        {TCommand::MAMEDirSelect, ui.MAMEDirSelectButton},
        {TCommand::MAMEDirSearch, ui.MAMEDirSearchBitBtn},
        {TCommand::ExitProgram, ui.ExiTButton},
        {TCommand::SearchGame, ui.SearchGameBitBtn},
        {TCommand::SaveSettings, ui.SaveSettingsBitBtn},
        {TCommand::DeleteImage, ui.DeleteImageBitBtn},
        {TCommand::RefreshImage, ui.RefreshImageBitBtn},
        {TCommand::ImageHelp, ui.ImageHelpBitBtn},
    };

    for (const CommandRow& row : kCommands) {
        TCommandBinding binding{row.command};
        const QString hint = Text(row.hint);

        auto* menuItem = new QAction(Text(row.menuCaption), form);
        if (*row.shortcut)
            menuItem->setShortcut(QKeySequence(Text(row.shortcut)));
        menuItem->setStatusTip(hint);
        menuItem->setProperty("helpContext", row.menuHelp);
        if (row.menu == Menu::None) {
            ui.MainMenu1->addAction(menuItem);
            if (row.command == TCommand::ExitProgram) {
                menuItem->setProperty("tag", kTaggedControl);
                ui.ExitMenuItem = menuItem;
            } else {
                ui.DonateMenuItem = menuItem;
            }
        } else {
            QMenu* menu = menus.at(row.menu);
            menu->addAction(menuItem);
            if (SeparatorAfter(row.command))
                menu->addSeparator();
        }
        binding.menuItem = menuItem;

        if (row.toolTip) {
            auto* toolButton = new QAction(ResourceIcon(row.icon), Text(row.toolTip), ui.ToolBar1);
            toolButton->setToolTip(Text(row.toolTip));
            toolButton->setStatusTip(hint);
            toolButton->setProperty("helpContext", row.toolHelp);
            ui.ToolBar1->addAction(toolButton);
            QWidget* button = ui.ToolBar1->widgetForAction(toolButton);
            button->setFixedSize(kToolButtonSize, kToolButtonSize);
            button->setProperty("helpContext", row.toolHelp);
            if (ToolSeparatorAfter(row.command))
                ui.ToolBar1->addSeparator();
            binding.toolButton = toolButton;
        }

        if (row.popupCaption) {
            // Owned by the window so that its hint reaches the window's status bar.
            auto* popupItem = new QAction(Text(row.popupCaption), form);
            popupItem->setStatusTip(hint);
            popupItem->setProperty("helpContext", row.popupHelp);
            ui.PopupMenu1->addAction(popupItem);
            if (SeparatorAfter(row.command))
                ui.PopupMenu1->addSeparator();
            binding.popupItem = popupItem;
        }

        const auto button = pushButtons.find(row.command);
        if (button != pushButtons.end())
            binding.pushButton = button->second;
        ui.bindings.push_back(binding);
    }

    for (QMenu* menu : {ui.GameMenu, ui.AllGamesMenu, ui.OptionsMenu, ui.HelpMenu})
        FollowMenuEnabledState(menu);

    // Commands reached by push buttons alone.
    for (TCommand command : {TCommand::SearchGame, TCommand::SaveSettings, TCommand::DeleteImage,
                             TCommand::RefreshImage, TCommand::ImageHelp}) {
        TCommandBinding binding{command};
        binding.pushButton = pushButtons.at(command);
        ui.bindings.push_back(binding);
    }
}
