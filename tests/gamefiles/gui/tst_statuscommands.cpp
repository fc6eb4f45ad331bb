// Change Status, Favourite Game and Play a Random Game in the main window.

#include "base/AppState.h"
#include "gamefiles/gui/TForm4.h"
#include "gamelist/GameListModel.h"
#include "gamelist/gui/TSortGrid.h"
#include "mainwindow/gui/TForm1.h"
#include "support/ListWindow.h"

#include <QApplication>
#include <QFileInfo>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

#include <functional>

namespace {

const QByteArray Games = ",Good,\"Xevious\",xevious.zip\r\n"
                         "true,?,\"Galaga\",galaga.zip\r\n"
                         ",Bad,\"Pac-Man\",pacman.zip\r\n"
                         ",?,\"Dig Dug\",digdug.zip\r\n";

// Acts on the Change Status dialog once it is up and active.
void WhenStatusDialogShows(const std::function<void(TForm4*)>& act) {
    auto* timer = new QTimer;
    QObject::connect(timer, &QTimer::timeout, [timer, act] {
        auto* dialog = qobject_cast<TForm4*>(QApplication::activeModalWidget());
        if (!dialog || !dialog->isActiveWindow())
            return;
        timer->stop();
        timer->deleteLater();
        act(dialog);
    });
    timer->start(5);
}

} // namespace

class TestStatusCommands : public QObject {
    Q_OBJECT
  private slots:
    void changeStatusWritesWithoutMoving();
    void favouriteTogglesAndKeepsTheGame();
    void randomPlayDrawsOnlyEligibleGames();
};

void TestStatusCommands::changeStatusWritesWithoutMoving() {
    ListWindow w(Games, {QStringLiteral("SortColumn=1"), QStringLiteral("SortDirection=0")});
    QVERIFY(w.SelectGame(QStringLiteral("Xevious")));
    const int row = w.Grid().Row();
    QWidget* focused = nullptr;
    WhenStatusDialogShows([&focused](TForm4* dialog) {
        focused = QApplication::focusWidget();
        QTest::mouseClick(dialog->UnknownButton, Qt::LeftButton);
    });
    w.form->Context().RunCommand(TCommand::ChangeStatus);
    QVERIFY(!qobject_cast<QPushButton*>(focused));
    QCOMPARE(w.Grid().Row(), row);
    QCOMPARE(w.List().Cells(colStatus, row), QStringLiteral("?"));
    QVERIFY(w.ListFile().contains(",?,Xevious,xevious.zip"));

    // Escape changes nothing and writes nothing.
    const QDateTime written = QFileInfo(w.env.userDataPath() + QStringLiteral("Pellmora.DAT")).lastModified();
    const QByteArray before = w.ListFile();
    QTest::qWait(20);
    WhenStatusDialogShows([](TForm4* dialog) { QTest::keyClick(dialog, Qt::Key_Escape); });
    w.form->Context().RunCommand(TCommand::ChangeStatus);
    QCOMPARE(w.List().Cells(colStatus, row), QStringLiteral("?"));
    QCOMPARE(w.ListFile(), before);
    QCOMPARE(QFileInfo(w.env.userDataPath() + QStringLiteral("Pellmora.DAT")).lastModified(), written);

    WhenStatusDialogShows([](TForm4* dialog) { QTest::mouseClick(dialog->BadButton, Qt::LeftButton); });
    w.form->Context().RunCommand(TCommand::ChangeStatus);
    QCOMPARE(w.List().Cells(colStatus, row), QStringLiteral("Bad"));
    QVERIFY(w.dialogs.verifyDone());
}

void TestStatusCommands::favouriteTogglesAndKeepsTheGame() {
    ListWindow w(Games, {QStringLiteral("SortColumn=0"), QStringLiteral("SortDirection=0")});
    QCOMPARE(w.Names().last(), QStringLiteral("Galaga")); // the one marked game last
    QVERIFY(w.SelectGame(QStringLiteral("Xevious")));
    w.form->Context().RunCommand(TCommand::FavouriteGame);
    QCOMPARE(w.CurrentName(), QStringLiteral("Xevious"));
    // Equal marks keep their previous order: Xevious was above Galaga.
    QCOMPARE(w.Names().mid(2), (QStringList{QStringLiteral("Xevious"), QStringLiteral("Galaga")}));
    QVERIFY(w.ListFile().contains("true,Good,Xevious,xevious.zip"));

    QVERIFY(w.SelectGame(QStringLiteral("Galaga")));
    w.form->Context().RunCommand(TCommand::FavouriteGame);
    QCOMPARE(w.CurrentName(), QStringLiteral("Galaga"));
    QCOMPARE(w.Names().last(), QStringLiteral("Xevious"));
    QVERIFY(w.ListFile().contains(",?,Galaga,galaga.zip"));
    QVERIFY(!w.ListFile().contains("true,?,Galaga"));
}

void TestStatusCommands::randomPlayDrawsOnlyEligibleGames() {
    ListWindow w(Games);
    QStringList played;
    w.form->Context().Register(TCommand::PlayGame, [&] { played << w.CurrentName(); });
    QVERIFY(w.SelectGame(QStringLiteral("Dig Dug")));
    // During the wait the window goes on (timers, paints) but the user's keys are refused.
    bool ranDuringWait = false;
    QTimer::singleShot(500, [&] {
        ranDuringWait = true;
        QTest::keyClick(&w.Grid(), Qt::Key_Up); // Xevious is the last row: this would move it
    });
    w.form->Context().RunCommand(TCommand::PlayRandomGame);
    QVERIFY(ranDuringWait);
    QCOMPARE(played, QStringList{QStringLiteral("Xevious")});
    QCOMPARE(w.Commands(), (QList<TCommand>{TCommand::PlayRandomGame, TCommand::PlayGame}));

    // No game that may be drawn: the box, and nothing played.
    w.form->Context().GameList.SetCell(colStatus, w.Grid().Row(), QStringLiteral("Bad"));
    w.dialogs.expectMessage(mrOk);
    w.form->Context().RunCommand(TCommand::PlayRandomGame);
    QCOMPARE(w.dialogs.records().last().text, QStringLiteral("No games to choose from."));
    QCOMPARE(played.size(), 1);
    QVERIFY(w.dialogs.verifyDone());
}

QTEST_MAIN(TestStatusCommands)
#include "tst_statuscommands.moc"
