#include "gamelist/gui/GameListGridEvents.h"

#include "base/SettingsKeys.h"
#include "base/gui/CommandContext.h"
#include "diag/gui/ExceptionHandler.h"
#include "gamelist/GameListFile.h"
#include "gamelist/GameListModel.h"
#include "gamelist/ListFileCodec.h"
#include "gamelist/ListSearch.h"
#include "gamelist/gui/GameListCommands.h"
#include "gamelist/gui/TSortGrid.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>

#include <memory>
#include <optional>
#include <utility>

namespace {

// Two left presses closer than this are a double click, which plays the game. The events' own
// times count, so a busy moment between the two presses does not split a double click.
constexpr quint64 kDoubleClickMs = 300;

class TGridEvents {
  public:
    explicit TGridEvents(TCommandContext& context) : context(context) {}

    void SortGrid1KeyDown(const QKeyEvent* event) {
        context.Window.ShowPage(TPage::GameImage);
        const int key = event->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            context.RunCommand(TCommand::PlayGame);
            return;
        }
        const QChar jump = JumpCharacter(key, event->modifiers() & Qt::KeypadModifier);
        const int row =
            FirstLetterRow(context.GameList.Rows(), context.Grid.ShownRows(), context.State.SortColumn, jump);
        if (row > 0)
            context.Window.SelectGridRow(row);
    }

    void SortGrid1MouseDown(const QMouseEvent* event) {
        if (event->button() != Qt::LeftButton)
            return;
        context.Window.ShowPage(TPage::GameImage);
        const quint64 pressed = event->timestamp();
        const std::optional<quint64> previous = std::exchange(LastPress, pressed);
        if (previous && pressed >= *previous && pressed - *previous < kDoubleClickMs)
            context.RunCommand(TCommand::PlayGame);
    }

    void SortGrid1Click(QPoint position) {
        if (FInMouseClick)
            return;
        FInMouseClick = true;
        // The guard ends however the toggle ends: a failed save reaches the handler.
        const std::shared_ptr<void> clear(nullptr, [this](void*) { FInMouseClick = false; });
        const int row = context.Grid.FavouriteCellAt(position);
        TGameListModel& list = context.GameList;
        if (!list.IsGameRow(row))
            return;
        list.SetFavourite(row, !list.Game(row).favourite);
        ResortGameList(context);
        SaveGameList(context.GameList, context.State.UserDataPath);
    }

  private:
    TCommandContext& context;
    std::optional<quint64> LastPress;
    bool FInMouseClick = false;
};

} // namespace

void ConnectGridEvents(TCommandContext& context) {
    auto events = std::make_shared<TGridEvents>(context);
    TSortGrid& grid = context.Grid;
    // These run from the grid's own events, outside any command.
    grid.OnClickSort = [&context](int col, int, TSortOptions& options) {
        RunGuarded(context.dialogs, context.Owner(), [&] { SortGrid1ClickSort(context, col, options); });
    };
    grid.OnKeyDown = [events](QKeyEvent* event) { events->SortGrid1KeyDown(event); };
    grid.OnHistoryColumnsChosen = [&context](unsigned shown) {
        RunGuarded(context.dialogs, context.Owner(), [&] {
            context.SettingsIni().WriteInteger(Settings::Section, Settings::Key::HistoryColumns, int(shown));
        });
    };
    grid.OnMouseDown = [events](const QMouseEvent* event) { events->SortGrid1MouseDown(event); };
    grid.OnClick = [events, &context](QPoint position) {
        RunGuarded(context.dialogs, context.Owner(), [&] { events->SortGrid1Click(position); });
    };
    if (QLineEdit* search = context.SearchEdit)
        QObject::connect(search, &QLineEdit::returnPressed, context.Owner(),
                         [&context] { context.RunCommand(TCommand::SearchGame); });
}
