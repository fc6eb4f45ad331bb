// Change Status, Favourite Game and Play a Random Game in the main window.

#include "base/AppState.h"
#include "base/ProgramTexts.h"
#include "gamefiles/gui/TForm4.h"
#include "gamelist/GameListModel.h"
#include "gamelist/gui/TSortGrid.h"
#include "mainwindow/gui/TForm1.h"
#include "support/ListWindow.h"
#include "support/WindowRules.h"

#include <QApplication>
#include <QFile>
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

// Acts on the Change Status dialog once it is up and active (its focus is set by then).
void WhenStatusDialogShows(const std::function<void(TForm4*)>& act) {
    WhenModal<TForm4>([act](TForm4* dialog) {
        QTRY_VERIFY(dialog->isActiveWindow());
        act(dialog);
    });
}

} // namespace

class TestStatusCommands : public QObject {
    Q_OBJECT
  private slots:
    void cleanup() { VerifyNoWindowLeftOpen(); }
    void changeStatusWritesWithoutMoving();
    void favouriteTogglesAndKeepsTheGame();
    void clickAndCommandReadTheMarkAlike();
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

    // Escape changes nothing and writes nothing: the list file stays an hour old.
    const QString listFile = w.env.userDataPath() + ListFileName;
    {
        QFile file(listFile);
        QVERIFY(
            file.open(QIODevice::ReadWrite) &&
            file.setFileTime(QDateTime::currentDateTime().addSecs(-3600), QFileDevice::FileModificationTime));
    }
    const QDateTime written = QFileInfo(listFile).lastModified();
    const QByteArray before = w.ListFile();
    WhenStatusDialogShows([](TForm4* dialog) { QTest::keyClick(dialog, Qt::Key_Escape); });
    w.form->Context().RunCommand(TCommand::ChangeStatus);
    QCOMPARE(w.List().Cells(colStatus, row), QStringLiteral("?"));
    QCOMPARE(w.ListFile(), before);
    QCOMPARE(QFileInfo(listFile).lastModified(), written);

    WhenStatusDialogShows([](TForm4* dialog) { QTest::mouseClick(dialog->BadButton, Qt::LeftButton); });
    w.form->Context().RunCommand(TCommand::ChangeStatus);
    QCOMPARE(w.List().Cells(colStatus, row), QStringLiteral("Bad"));
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

// A mark the file holds in capitals counts as set, any other text as none (it is drawn
// unchecked): the click on the mark and the Favourite command switch each alike.
void TestStatusCommands::clickAndCommandReadTheMarkAlike() {
    const QByteArray marks = "TRUE,Good,\"Xevious\",xevious.zip\r\n"
                             "yes,Good,\"Galaga\",galaga.zip\r\n";
    for (const bool click : {false, true}) {
        ListWindow w(marks, {QStringLiteral("SortColumn=2"), QStringLiteral("SortDirection=0")});
        for (const char* name : {"Xevious", "Galaga"}) {
            QVERIFY(w.SelectGame(QString::fromLatin1(name)));
            const int row = w.Grid().Row();
            if (click)
                QTest::mouseClick(w.Grid().viewport(), Qt::LeftButton, {}, w.CellCentre(colFavourite, row));
            else
                w.form->Context().RunCommand(TCommand::FavouriteGame);
        }
        QVERIFY2(w.ListFile().contains("\r\n,Good,Xevious,xevious.zip\r\n"), click ? "click" : "command");
        QVERIFY2(w.ListFile().contains("\r\ntrue,Good,Galaga,galaga.zip\r\n"), click ? "click" : "command");
    }
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
    w.dialogs.expectMessage("No games to choose from.", mrOk);
    w.form->Context().RunCommand(TCommand::PlayRandomGame);
    QCOMPARE(w.dialogs.records().last().text, QStringLiteral("No games to choose from."));
    QCOMPARE(played.size(), 1);
}

QTEST_MAIN(TestStatusCommands)
#include "tst_statuscommands.moc"
