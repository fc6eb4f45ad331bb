#include "gamefiles/gui/StatusCommands.h"

#include "base/gui/CommandContext.h"
#include "gamefiles/RandomGame.h"
#include "gamefiles/gui/TForm4.h"
#include "gamelist/GameListFile.h"
#include "gamelist/GameListModel.h"
#include "gamelist/ListFileCodec.h"
#include "gamelist/gui/GameListCommands.h"
#include "gamelist/gui/TSortGrid.h"

#include <QApplication>
#include <QCoreApplication>
#include <QEventLoop>
#include <QRandomGenerator>
#include <QTimer>

namespace {

// The chosen game is shown for this long before it starts.
constexpr int kRandomPlayDelayMs = 2000;

// Waits while the window keeps painting, refusing the user's keys and mouse meanwhile.
class TInputRefusedWait : public QObject {
  public:
    explicit TInputRefusedWait(int milliseconds) {
        qApp->installEventFilter(this);
        QEventLoop loop;
        QTimer::singleShot(milliseconds, &loop, &QEventLoop::quit);
        loop.exec();
        qApp->removeEventFilter(this);
    }

  protected:
    bool eventFilter(QObject*, QEvent* event) override {
        switch (event->type()) {
        case QEvent::KeyPress:
        case QEvent::KeyRelease:
        case QEvent::ShortcutOverride:
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick:
        case QEvent::Wheel:
        case QEvent::ContextMenu:
            return true;
        default:
            return false;
        }
    }
};

GameStatus StatusOfResult(int result) {
    switch (result) {
    case mrYes:
        return GameStatus::Good;
    case mrNo:
        return GameStatus::Bad;
    case mrCancel:
        return GameStatus::Unknown;
    default:
        return GameStatus::None;
    }
}

} // namespace

void ChangeGameStatus(TCommandContext& context, TForm4& dialog) {
    const int row = context.Window.GridRow();
    if (!context.GameList.IsGameRow(row))
        return;
    const GameStatus status = StatusOfResult(dialog.Execute());
    if (status == GameStatus::None)
        return;
    // The row keeps its place until the next sort.
    context.GameList.SetStatusByHand(row, status);
    SaveGameList(context.GameList, context.State.UserDataPath);
}

void FavouriteGame(TCommandContext& context) {
    const int row = context.Window.GridRow();
    TGameListModel& list = context.GameList;
    if (!list.IsGameRow(row))
        return;
    list.SetFavourite(row, !list.Game(row).favourite);
    ResortGameList(context);
    SaveGameList(context.GameList, context.State.UserDataPath);
}

void RandomGamePlay(TCommandContext& context) {
    // Eligibility is decided before the draw, so the draw always ends. Only the rows shown
    // take part: a user looking at the favourites expects a favourite.
    const int row =
        context.GameList.RowCount() < 2
            ? 0
            : DrawRandomRow(context.GameList.Rows(), context.Grid.ShownRows(), *QRandomGenerator::global());
    if (row < 1) {
        context.MessageApp(QCoreApplication::translate("GameFiles", "No games to choose from."),
                           mtInformation, mbOK);
        return;
    }
    context.Window.SelectGridRow(row);
    const TInputRefusedWait wait(kRandomPlayDelayMs);
    context.RunCommand(TCommand::PlayGame);
}

void RegisterStatusCommands(TCommandContext& context) {
    auto* dialog = new TForm4(context.Owner());
    context.Register(TCommand::ChangeStatus, [&context, dialog] { ChangeGameStatus(context, *dialog); });
    context.Register(TCommand::FavouriteGame, [&context] { FavouriteGame(context); });
    context.Register(TCommand::PlayRandomGame, [&context] { RandomGamePlay(context); });
}
