#include "gamelist/gui/GameListCommands.h"

#include "base/SettingsKeys.h"
#include "base/gui/CommandContext.h"
#include "emulator/gui/EmulatorCommandScope.h"
#include "gamelist/GameListModel.h"
#include "gamelist/ListSearch.h"
#include "gamelist/gui/GameListGridEvents.h"
#include "gamelist/gui/IdentifyCommand.h"
#include "gamelist/gui/ScanCommand.h"
#include "gamelist/gui/TSortGrid.h"
#include "gamelist/gui/VerifyCommands.h"

#include <QCoreApplication>
#include <QLineEdit>

void ResortGameList(TCommandContext& context) {
    context.Grid.SortByColumn(context.State.SortColumn, context.State.GSortOptions);
}

void SortGrid1ClickSort(TCommandContext& context, int col, TSortOptions& options) {
    AppState& state = context.State;
    TSortOptions& sort = state.GSortOptions;
    sort.SortDirection = sort.SortDirection == sdAscending ? sdDescending : sdAscending;
    state.SortColumn = col;
    options = sort;
    TIniFile ini = context.SettingsIni();
    ini.WriteInteger(Settings::Section, Settings::Key::SortColumn, col);
    ini.WriteInteger(Settings::Section, Settings::Key::SortDirection, int(sort.SortDirection));
}

void SearchGame(TCommandContext& context) {
    if (!context.SearchEdit)
        return;
    const QString text = context.SearchEdit->text();
    if (text.isEmpty())
        return;
    AppState& state = context.State;
    const std::vector<QStringList>& rows = context.GameList.Rows();
    // The search goes through the rows shown, counted from the first one shown.
    const std::vector<int>& shown = context.Grid.ShownRows();
    const int lastPlace = int(shown.size());
    for (;;) {
        const int start = SearchStartRow(ShownPlace(shown, context.Window.GridRow()), lastPlace,
                                         ShownPlace(shown, state.LastGridRow));
        const int found = start > lastPlace ? 0 : FindGameRow(rows, shown, text, shown[size_t(start - 1)]);
        if (found > 0) {
            context.Window.SelectGridRow(found);
            state.LastGridRow = found;
            return;
        }
        if (context.MessageApp(QCoreApplication::translate(
                                   "GameList", "End of search reached.\nStart searching from the top?"),
                               mtConfirmation, mbYes | mbNo) != mrYes)
            return;
        context.Window.SelectGridRow(1);
        state.LastGridRow = 0;
    }
}

void RegisterGameListCommands(TCommandContext& context) {
    context.Register(TCommand::ScanForGames, [&context] { ScanForGames(context); });
    context.Register(TCommand::SearchGame, [&context] { SearchGame(context); });
    RegisterEmulatorCommand(context, TCommand::IdentifyGame, [&context] { IdentifyGame(context); });
    RegisterEmulatorCommand(context, TCommand::VerifyGame, [&context] { VerifySelectedGame(context); });
    context.Register(TCommand::VerifyAllGames, [&context] { VerifyAllGames(context); });
    context.Register(TCommand::ViewVerifyReport, [&context] { ViewVerifyReport(context); });
    ConnectGridEvents(context);
}
