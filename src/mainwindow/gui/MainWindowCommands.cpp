#include "mainwindow/gui/MainWindowCommands.h"

#include "base/gui/CommandControls.h"
#include "gamelist/gui/TSortGrid.h"
#include "mainwindow/gui/MainWindowUi.h"

#include <QAction>
#include <QActionGroup>
#include <QCoreApplication>
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

void BuildMenusAndToolBar(TForm1Ui& ui, QMainWindow* form) {
    ui.MainMenu1 = new QMenuBar(form);
    ui.MainMenu1->setObjectName(QStringLiteral("MainMenu1"));
    form->setMenuBar(ui.MainMenu1);
    ui.GameMenu = ui.MainMenu1->addMenu(QCoreApplication::translate("Commands", "&Game"));
    ui.AllGamesMenu = ui.MainMenu1->addMenu(QCoreApplication::translate("Commands", "&All Games"));
    ui.OptionsMenu = ui.MainMenu1->addMenu(QCoreApplication::translate("Commands", "&Options"));
    ui.HelpMenu = ui.MainMenu1->addMenu(QCoreApplication::translate("Commands", "&Help"));
    for (QMenu* menu : {ui.GameMenu, ui.AllGamesMenu, ui.OptionsMenu, ui.HelpMenu})
        Tag(menu->menuAction());

    ui.ToolBar1 = new QToolBar(form);
    ui.ToolBar1->setObjectName(QStringLiteral("ToolBar1"));
    ui.ToolBar1->setMovable(false);
    ui.ToolBar1->setFloatable(false);
    ui.ToolBar1->setIconSize(QSize(kToolIconSize, kToolIconSize));
    ui.ToolBar1->setFixedHeight(29);
    ui.ToolBar1->layout()->setContentsMargins(2, 2, 2, 2);
    ui.ToolBar1->layout()->setSpacing(0);
    ui.ToolBar1->setContextMenuPolicy(Qt::PreventContextMenu);
    Tag(ui.ToolBar1);
    SetHelpContext(ui.ToolBar1, THelpContext::ToolBar);
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

    const std::map<TMenu, QMenu*> menus = {{TMenu::Game, ui.GameMenu},
                                           {TMenu::AllGames, ui.AllGamesMenu},
                                           {TMenu::Options, ui.OptionsMenu},
                                           {TMenu::Help, ui.HelpMenu},
                                           {TMenu::MenuBar, nullptr}};
    for (const TCommandDescriptor& row : AllCommands()) {
        TCommandBinding binding{row.command};
        const QString hint = CommandText(row.hint);
        if (row.caption) {
            auto* menuItem = new QAction(CommandText(row.caption), form);
            if (*row.shortcut)
                menuItem->setShortcut(QKeySequence(Text(row.shortcut)));
            menuItem->setStatusTip(hint);
            SetHelpContext(menuItem, row.help.menu);
            if (QMenu* menu = menus.at(row.menu)) {
                menu->addAction(menuItem);
                if (row.separatorAfter)
                    menu->addSeparator();
            } else {
                ui.MainMenu1->addAction(menuItem);
                if (!row.alwaysEnabled)
                    Tag(menuItem);
            }
            if (row.command == TCommand::ExitProgram)
                ui.ExitMenuItem = menuItem;
            else if (row.command == TCommand::Donate)
                ui.DonateMenuItem = menuItem;
            binding.menuItem = menuItem;
        }
        if (row.toolTip) {
            auto* toolButton = new QAction(ResourceIcon(row.icon), CommandText(row.toolTip), ui.ToolBar1);
            toolButton->setToolTip(CommandText(row.toolTip));
            toolButton->setStatusTip(hint);
            SetHelpContext(toolButton, row.help.tool);
            ui.ToolBar1->addAction(toolButton);
            QWidget* button = ui.ToolBar1->widgetForAction(toolButton);
            button->setFixedSize(kToolButtonSize, kToolButtonSize);
            SetHelpContext(button, row.help.tool);
            if (row.toolSeparatorAfter)
                ui.ToolBar1->addSeparator();
            binding.toolButton = toolButton;
        }
        if (row.popupCaption) {
            // Owned by the window so that its hint reaches the window's status bar.
            auto* popupItem = new QAction(CommandText(row.popupCaption), form);
            popupItem->setStatusTip(hint);
            SetHelpContext(popupItem, row.help.popup);
            ui.PopupMenu1->addAction(popupItem);
            if (row.separatorAfter)
                ui.PopupMenu1->addSeparator();
            binding.popupItem = popupItem;
        }
        if (row.button.name)
            binding.pushButton = form->findChild<QAbstractButton*>(Text(row.button.name));
        ui.bindings.push_back(binding);
    }

    for (QMenu* menu : {ui.GameMenu, ui.AllGamesMenu, ui.OptionsMenu, ui.HelpMenu})
        FollowMenuEnabledState(menu);
}
