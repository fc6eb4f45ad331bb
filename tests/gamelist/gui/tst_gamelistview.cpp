// The game list in the main window: header clicks with the one saved direction, the first sort
// at start-up, the grid's keys and mouse, the Favourite click and the search box.

#include "base/SettingsKeys.h"
#include "gamelist/GameListModel.h"
#include "gamelist/gui/TSortGrid.h"
#include "mainwindow/gui/TForm1.h"
#include "support/ListWindow.h"
#include "support/WindowRules.h"

#include <QApplication>
#include <QHeaderView>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTimer>
#include <QtTest>

#include <memory>

namespace {

const QByteArray FiveGames = ",Good,\"Xevious\",xevious.zip\r\n"
                             "true,?,\"Galaga\",galaga.zip\r\n"
                             ",Bad,\"Pac-Man\",pacman.zip\r\n"
                             ",Good,\"Pac-Land\",pacland.zip\r\n"
                             ",?,\"Dig Dug\",digdug.zip\r\n";

QStringList Words(const char* list) {
    return QString::fromUtf8(list).split(QLatin1Char('|'));
}

// A left button event on the test library's mouse clock, the given time after the last one.
void SendLeft(QWidget* widget, QEvent::Type type, QPoint position, int afterMs) {
    const Qt::MouseButtons held = type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton;
    QMouseEvent event(type, position, widget->mapToGlobal(position), Qt::LeftButton, held, {});
    QTest::lastMouseTimestamp += afterMs;
    event.setTimestamp(ulong(QTest::lastMouseTimestamp));
    QApplication::sendEvent(widget, &event);
}

// Two clicks as the window system delivers them, the second press gapMs after the first:
// press, release, double click, release. The test library's own clicks lie far apart.
void TwoClicks(QWidget* widget, QPoint position, int gapMs) {
    SendLeft(widget, QEvent::MouseButtonPress, position, 1);
    SendLeft(widget, QEvent::MouseButtonRelease, position, gapMs / 2);
    SendLeft(widget, QEvent::MouseButtonDblClick, position, gapMs - gapMs / 2);
    SendLeft(widget, QEvent::MouseButtonRelease, position, 1);
    QTest::lastMouseTimestamp += QTest::mouseDoubleClickInterval;
}

} // namespace

class TestGameListView : public QObject {
    Q_OBJECT
  private slots:
    void cleanup() { VerifyNoWindowLeftOpen(); }
    void headerClicksShareOneSavedDirection();
    void oneGameListSavesTheClickButDoesNotSort();
    void keysJumpShowTheImageAndPlay();
    void secondPressWithin300msPlays();
    void favouriteClickTogglesMovesAndSaves();
    void rowWithoutFileTakesNoMarkNorStatus();
    void searchFindsNextAndAsksAtTheEnd();
};

void TestGameListView::headerClicksShareOneSavedDirection() {
    ListWindow w(FiveGames, {QStringLiteral("SortColumn=2"), QStringLiteral("SortDirection=0")});
    // Start-up sorted by the saved column and direction.
    QCOMPARE(w.Names(), Words("Dig Dug|Galaga|Pac-Land|Pac-Man|Xevious"));
    QCOMPARE(w.Grid().horizontalHeader()->sortIndicatorSection(), colGameName);
    w.Grid().SetRow(4); // Pac-Man
    QSignalSpy rows(&w.form->Context().Events, &TWindowEvents::gridRowChanged);

    w.ClickHeader(colGameName);
    QCOMPARE(w.Names(), Words("Xevious|Pac-Man|Pac-Land|Galaga|Dig Dug"));
    QCOMPARE(w.CurrentName(), QStringLiteral("Pac-Man"));
    QCOMPARE(w.Grid().horizontalHeader()->sortIndicatorOrder(), Qt::DescendingOrder);
    QCOMPARE(w.Setting(Settings::Key::SortDirection), 1);
    // The row changed with the sort: the snapshot follows it.
    QCOMPARE(rows.last().at(0).toInt(), 2);

    // The right button makes no difference: each click flips the one direction.
    w.ClickHeader(colGameName, Qt::RightButton);
    QCOMPARE(w.Names().first(), QStringLiteral("Dig Dug"));
    QCOMPARE(w.Setting(Settings::Key::SortDirection), 0);

    w.ClickHeader(colStatus);
    QCOMPARE(w.Names(), Words("Pac-Land|Xevious|Pac-Man|Dig Dug|Galaga"));
    QCOMPARE(w.Grid().horizontalHeader()->sortIndicatorSection(), colStatus);
    QCOMPARE(w.Setting(Settings::Key::SortColumn), colStatus);
    QCOMPARE(w.Setting(Settings::Key::SortDirection), 1);
    QCOMPARE(w.CurrentName(), QStringLiteral("Pac-Man"));
}

void TestGameListView::oneGameListSavesTheClickButDoesNotSort() {
    ListWindow w(",Good,\"Pong\",pong\r\n",
                 {QStringLiteral("SortColumn=2"), QStringLiteral("SortDirection=0")});
    QVERIFY(!w.Grid().horizontalHeader()->isSortIndicatorShown());
    w.ClickHeader(colFileDir);
    QCOMPARE(w.Setting(Settings::Key::SortColumn), colFileDir);
    QCOMPARE(w.Setting(Settings::Key::SortDirection), 1);
    QCOMPARE(w.form->Context().State.SortColumn, colFileDir);
    QVERIFY(!w.Grid().horizontalHeader()->isSortIndicatorShown());
    QCOMPARE(w.Grid().Row(), 1);
}

void TestGameListView::keysJumpShowTheImageAndPlay() {
    ListWindow w(FiveGames + ",Good,\"1942\",1942.zip\r\n");
    int played = 0;
    w.form->Context().Register(TCommand::PlayGame, [&] { ++played; });
    w.Grid().setFocus();
    w.Grid().SetRow(2);
    QTabWidget* tabs = w.form->Ui().PageControl1;
    tabs->setCurrentIndex(int(TPage::Log));

    QTest::keyClick(&w.Grid(), Qt::Key_P, Qt::ShiftModifier);
    QCOMPARE(w.CurrentName(), QStringLiteral("Pac-Land"));
    QCOMPARE(tabs->currentIndex(), int(TPage::GameImage));
    QTest::keyClick(&w.Grid(), Qt::Key_Q); // no name begins with it
    QCOMPARE(w.CurrentName(), QStringLiteral("Pac-Land"));
    QTest::keyClick(&w.Grid(), Qt::Key_1, Qt::KeypadModifier);
    QCOMPARE(w.CurrentName(), QStringLiteral("Pac-Land"));
    QTest::keyClick(&w.Grid(), Qt::Key_1);
    QCOMPARE(w.CurrentName(), QStringLiteral("1942"));
    // The grid's own navigation follows the owner's handling.
    QTest::keyClick(&w.Grid(), Qt::Key_Down);
    QCOMPARE(w.CurrentName(), QStringLiteral("Dig Dug"));
    QCOMPARE(played, 0);
    QTest::keyClick(&w.Grid(), Qt::Key_Return);
    QCOMPARE(played, 1);
    QCOMPARE(w.Commands(), QList<TCommand>{TCommand::PlayGame});
}

void TestGameListView::secondPressWithin300msPlays() {
    ListWindow w(FiveGames);
    QStringList played;
    w.form->Context().Register(TCommand::PlayGame, [&] { played << w.CurrentName(); });
    QWidget* rows = w.Grid().viewport();
    TwoClicks(rows, w.CellCentre(colGameName, 3), 290);
    // The pressed row is current when the game starts.
    QCOMPARE(played, QStringList{QStringLiteral("Pac-Land")});
    TwoClicks(rows, w.CellCentre(colGameName, 2), 310);
    QCOMPARE(played.size(), 1);
    QTest::mouseClick(rows, Qt::LeftButton, {}, w.CellCentre(colGameName, 2));
    QCOMPARE(played.size(), 1);
    // The right button never plays.
    QTest::mouseClick(rows, Qt::RightButton, {}, w.CellCentre(colGameName, 2));
    QCOMPARE(played.size(), 1);
}

void TestGameListView::favouriteClickTogglesMovesAndSaves() {
    // Sorted by Favourite, descending: the marked game first.
    ListWindow w(FiveGames, {QStringLiteral("SortColumn=0"), QStringLiteral("SortDirection=1")});
    QCOMPARE(w.Name(1), QStringLiteral("Galaga"));
    const int row = int(w.Names().indexOf(QStringLiteral("Dig Dug"))) + 1;
    const QRect cell = w.CellRect(colFavourite, row);
    QWidget* rows = w.Grid().viewport();

    // Just outside the widened cell: the Status cell's far side.
    QTest::mouseClick(rows, Qt::LeftButton, {}, QPoint(cell.right() + 4, cell.center().y()));
    QCOMPARE(w.List().Cells(colFavourite, row), QString());

    QTest::mouseClick(rows, Qt::LeftButton, {}, cell.center());
    QCOMPARE(w.CurrentName(), QStringLiteral("Dig Dug"));
    QCOMPARE(w.List().Cells(colFavourite, w.Grid().Row()), QStringLiteral("true"));
    QVERIFY(w.Grid().Row() <= 2); // moved up among the marked games
    QVERIFY(w.ListFile().contains("true,?,\"Dig Dug\",digdug.zip"));

    const QRect moved = w.CellRect(colFavourite, w.Grid().Row());
    QTest::mouseClick(rows, Qt::LeftButton, {}, moved.center());
    QCOMPARE(w.Name(1), QStringLiteral("Galaga"));
    QVERIFY(w.ListFile().contains(",?,\"Dig Dug\",digdug.zip"));
    QVERIFY(!w.ListFile().contains("true,?,\"Dig Dug\""));
}

// Marked or given a status and saved, such a row (the empty list's blank row, a damaged line)
// would come back as a game that no scan or command removes: the Favourite click, the Favourite
// command and Change Status leave it alone.
void TestGameListView::rowWithoutFileTakesNoMarkNorStatus() {
    ListWindow w(",?,\"No file\",\r\n,Good,\"Xevious\",xevious.zip\r\n");
    const QByteArray before = w.ListFile();
    QVERIFY(w.SelectGame(QStringLiteral("No file")));
    const int row = w.Grid().Row();
    QTest::mouseClick(w.Grid().viewport(), Qt::LeftButton, {}, w.CellCentre(colFavourite, row));
    w.form->Context().RunCommand(TCommand::FavouriteGame);
    bool statusDialogShown = false;
    QTimer::singleShot(0, [&statusDialogShown] {
        if (QWidget* dialog = QApplication::activeModalWidget()) {
            statusDialogShown = true;
            dialog->close();
        }
    });
    w.form->Context().RunCommand(TCommand::ChangeStatus);
    QCoreApplication::processEvents();
    QVERIFY(!statusDialogShown);
    QCOMPARE(w.CurrentName(), QStringLiteral("No file"));
    QCOMPARE(w.List().Cells(colFavourite, w.Grid().Row()), QString());
    QCOMPARE(w.List().Cells(colStatus, w.Grid().Row()), QStringLiteral("?"));
    QCOMPARE(w.ListFile(), before);
}

void TestGameListView::searchFindsNextAndAsksAtTheEnd() {
    ListWindow w(FiveGames);
    w.form->Ui().SearchEdit->setText(QStringLiteral("PAC"));
    const auto search = [&w] { QTest::mouseClick(w.form->Ui().SearchGameBitBtn, Qt::LeftButton); };
    w.Grid().SetRow(1);
    search();
    QCOMPARE(w.CurrentName(), QStringLiteral("Pac-Land"));
    search();
    QCOMPARE(w.CurrentName(), QStringLiteral("Pac-Man"));

    // Past the last match: the question; No keeps the row.
    w.dialogs.expectMessage("End of search reached.", mrNo);
    search();
    QCOMPARE(w.CurrentName(), QStringLiteral("Pac-Man"));
    QCOMPARE(w.dialogs.records().last().text,
             QStringLiteral("End of search reached.\nStart searching from the top?"));
    // Yes starts again at row 1.
    w.dialogs.expectMessage("End of search reached.", mrYes);
    search();
    QCOMPARE(w.CurrentName(), QStringLiteral("Pac-Land"));

    // From the last row the search starts at the top without asking; "?" finds an unverified game.
    w.Grid().SetRow(5);
    w.form->Ui().SearchEdit->setText(QStringLiteral("?"));
    QTest::keyClick(w.form->Ui().SearchEdit, Qt::Key_Return);
    QCOMPARE(w.CurrentName(), QStringLiteral("Dig Dug"));
}

QTEST_MAIN(TestGameListView)
#include "tst_gamelistview.moc"
