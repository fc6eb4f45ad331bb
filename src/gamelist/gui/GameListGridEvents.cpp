#include "gamelist/gui/GameListGridEvents.h"

#include "base/gui/CommandContext.h"
#include "diag/gui/ExceptionHandler.h"
#include "gamelist/GameListFile.h"
#include "gamelist/GameListModel.h"
#include "gamelist/ListSearch.h"
#include "gamelist/gui/GameListCommands.h"
#include "gamelist/gui/TSortGrid.h"

#include <QElapsedTimer>
#include <QKeyEvent>
#include <QLineEdit>

#include <memory>

namespace {

// Two left presses closer than this are a double click, which plays the game.
constexpr qint64 kDoubleClickMs = 300;

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
        const int row = FirstLetterRow(context.GameList.Rows(), context.State.SortColumn, jump);
        if (row > 0)
            context.Window.SelectGridRow(row);
    }

    void SortGrid1MouseDown(Qt::MouseButton button) {
        if (button != Qt::LeftButton)
            return;
        context.Window.ShowPage(TPage::GameImage);
        if (LastClick.isValid() && LastClick.elapsed() < kDoubleClickMs)
            context.RunCommand(TCommand::PlayGame);
        LastClick.start();
    }

    void SortGrid1Click(QPoint position) {
        if (FInMouseClick)
            return;
        FInMouseClick = true;
        // The guard ends however the toggle ends: a failed save reaches the handler.
        const std::shared_ptr<void> clear(nullptr, [this](void*) { FInMouseClick = false; });
        const int row = context.Grid.FavouriteCellAt(position);
        if (row < 1)
            return;
        TGameListModel& list = context.GameList;
        const bool marked = list.Cells(colFavourite, row).toUpper() == QLatin1String("TRUE");
        list.SetCell(colFavourite, row, marked ? QString() : QStringLiteral("true"));
        ResortGameList(context);
        SaveGameList(context.GameList, context.State.UserDataPath);
    }

  private:
    TCommandContext& context;
    QElapsedTimer LastClick;
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
    grid.OnMouseDown = [events](Qt::MouseButton button, QPoint) { events->SortGrid1MouseDown(button); };
    grid.OnClick = [events, &context](QPoint position) {
        RunGuarded(context.dialogs, context.Owner(), [&] { events->SortGrid1Click(position); });
    };
    if (QLineEdit* search = context.SearchEdit)
        QObject::connect(search, &QLineEdit::returnPressed, context.Owner(),
                         [&context] { context.RunCommand(TCommand::SearchGame); });
}
