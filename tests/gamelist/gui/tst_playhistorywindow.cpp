// The play history in the main window: runs of Play Game recorded and kept in their own file,
// the three columns shown from the header's menu and sorted, Rename and Delete taking the
// history along, the two views of it, and a damaged file read as far as it is sound.

#include "base/SettingsKeys.h"
#include "gamelist/GameListFilterModel.h"
#include "gamelist/GameListModel.h"
#include "gamelist/PlayHistory.h"
#include "gamelist/gui/GameFilterBar.h"
#include "gamelist/gui/TSortGrid.h"
#include "mainwindow/gui/TForm1.h"
#include "support/StartedWindow.h"
#include "support/WindowRules.h"

#include <QComboBox>
#include <QHeaderView>
#include <QMenu>
#include <QPlainTextEdit>
#include <QTimer>
#include <QtTest>

namespace {

const QByteArray Games = ",Good,\"Pac-Man (Midway)\",pacman.zip\r\n"
                         ",Good,\"Dig Dug (rev 2)\",digdug.zip\r\n"
                         ",Good,\"Galaga (Namco rev. B)\",galaga.zip\r\n";

QString HistoryFile(const StartedWindow& s) {
    return s.env.userDataPath() + QStringLiteral("Pellmora.HIS");
}

// A history file: Pac-Man played 3 times a day ago, Galaga once 60 days ago.
QByteArray StoredHistory() {
    const QDateTime now = QDateTime::currentDateTimeUtc();
    return PlayHistoryHeader() + "\r\npacman.zip,3," + now.addDays(-1).toString(Qt::ISODate).toLatin1() +
           ",125\r\ngalaga.zip,1," + now.addDays(-60).toString(Qt::ISODate).toLatin1() + ",30\r\n";
}

struct HistoryWindow : StartedWindow {
    explicit HistoryWindow(const QByteArray& history = QByteArray(), const QStringList& settings = {})
        : StartedWindow(Games, settings, {}, [history](StartedWindow& s) {
              for (const char* file : {"pacman.zip", "digdug.zip", "galaga.zip"})
                  s.putGame(QString::fromLatin1(file));
              if (!history.isEmpty())
                  s.env.writeFile(HistoryFile(s), history);
          }) {
        form->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(form.get()));
    }
    TSortGrid& Grid() const { return *form->Ui().SortGrid1; }
    int RowOf(const QString& fileDir) {
        for (int row = 1; row < list().RowCount(); ++row)
            if (list().Cells(colFileDir, row) == fileDir)
                return row;
        return 0;
    }
    const TPlayRecord* Record(const char* fileDir) {
        return list().History().Find(QString::fromLatin1(fileDir));
    }
    // The text the grid shows in a column for a game.
    QString Cell(const QString& fileDir, int col) {
        const TGameListFilterModel* shown = Grid().Filtered();
        return shown->index(shown->PositionOf(RowOf(fileDir)), col).data().toString();
    }
    void Play(const QString& fileDir) {
        Grid().SetRow(RowOf(fileDir));
        QTest::mouseClick(form->Ui().RunGameBitBtn, Qt::LeftButton);
    }
    // Picks a history column from the header's menu.
    void ToggleFromHeaderMenu(const QString& title) {
        QHeaderView* header = Grid().horizontalHeader();
        QTimer::singleShot(0, form.get(), [title] {
            auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
            QVERIFY(menu);
            const auto actions = menu->actions();
            for (QAction* action : actions)
                if (action->text() == title)
                    action->trigger();
            menu->close();
        });
        emit header->customContextMenuRequested(QPoint(5, 5));
    }
    QStringList Shown() const {
        QStringList names;
        const QAbstractItemModel* model = Grid().model();
        for (int r = 0; r < model->rowCount(); ++r)
            names << model->index(r, colFileDir).data().toString();
        return names;
    }
};

} // namespace

class TestPlayHistoryWindow : public QObject {
    Q_OBJECT
  private slots:
    void cleanup();
    void twoPlaysAreRecordedShownAndSorted();
    void renameMovesAndDeleteRemovesTheHistory();
    void historyViews();
    void damagedFileIsReadAsFarAsItIsSound_data();
    void damagedFileIsReadAsFarAsItIsSound();
};

void TestPlayHistoryWindow::cleanup() {
    QTRY_VERIFY(!QApplication::activeModalWidget());
    VerifyNoWindowLeftOpen();
}

void TestPlayHistoryWindow::twoPlaysAreRecordedShownAndSorted() {
    HistoryWindow w;
    QVERIFY(!QFile::exists(HistoryFile(w)));
    QVERIFY(w.RowOf(QStringLiteral("pacman.zip")) > 0);
    // Every history column starts hidden: the grid looks as it always did.
    for (int col : {colPlayed, colLastPlayed, colTimePlayed})
        QVERIFY(w.Grid().isColumnHidden(col));
    w.setScenario({QStringLiteral("sleep_ms=1100")});
    const QDateTime before = QDateTime::currentDateTimeUtc().addSecs(-1);
    w.Play(QStringLiteral("pacman.zip"));
    w.Play(QStringLiteral("pacman.zip"));
    const TPlayRecord* pong = w.Record("pacman.zip");
    QVERIFY(pong);
    QCOMPARE(pong->runs, 2);
    QVERIFY(pong->lastStart >= before.addSecs(1));
    QVERIFY(pong->lastStart <= QDateTime::currentDateTimeUtc());
    QVERIFY2(pong->secondsPlayed >= 2 && pong->secondsPlayed <= 10,
             qPrintable(QString::number(pong->secondsPlayed)));
    QVERIFY(!w.Record("digdug.zip"));
    // Kept in the history file, and the list file is as it was.
    const QByteArray file = w.env.readFile(HistoryFile(w));
    QVERIFY(file.startsWith(PlayHistoryHeader()));
    QVERIFY(file.contains("\r\npacman.zip,2," + pong->lastStart.toString(Qt::ISODate).toLatin1() + ","));
    QVERIFY(!w.env.readFile(w.env.userDataPath() + QStringLiteral("Pellmora.DAT")).contains(",2,"));

    // The columns from the header's menu, remembered; a wider window leaves them room.
    w.form->resize(w.form->minimumSize() + QSize(300, 0));
    QTRY_VERIFY(w.Grid().width() >= 377 + 300);
    w.ToggleFromHeaderMenu(QStringLiteral("Played"));
    w.ToggleFromHeaderMenu(QStringLiteral("Time played"));
    QVERIFY(!w.Grid().isColumnHidden(colPlayed));
    QVERIFY(w.Grid().isColumnHidden(colLastPlayed));
    QVERIFY(!w.Grid().isColumnHidden(colTimePlayed));
    QCOMPARE(w.context().SettingsIni().ReadInteger(Settings::Section, Settings::Key::HistoryColumns, -1), 5);
    QCOMPARE(w.Cell(QStringLiteral("pacman.zip"), colPlayed), QStringLiteral("2"));
    QCOMPARE(w.Cell(QStringLiteral("pacman.zip"), colTimePlayed),
             QStringLiteral("0:00:%1").arg(pong->secondsPlayed, 2, 10, QLatin1Char('0')));
    QCOMPARE(w.Cell(QStringLiteral("digdug.zip"), colPlayed), QString());

    // A header click sorts by it; the direction flips as for every column, and is saved. Header
    // clicks act in the active window only.
    w.form->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(w.form.get()));
    QTest::mouseClick(w.Grid().horizontalHeader()->viewport(), Qt::LeftButton, {},
                      QPoint(w.Grid().horizontalHeader()->sectionViewportPosition(colPlayed) + 5, 5));
    const QStringList sorted = w.Shown();
    QCOMPARE(w.context().State.SortColumn, colPlayed);
    QCOMPARE(sorted.first() == QLatin1String("pacman.zip"),
             w.context().State.GSortOptions.SortDirection == sdDescending);
    QTest::mouseClick(w.Grid().horizontalHeader()->viewport(), Qt::LeftButton, {},
                      QPoint(w.Grid().horizontalHeader()->sectionViewportPosition(colPlayed) + 5, 5));
    QCOMPARE(w.Shown().indexOf(QStringLiteral("pacman.zip")) == 0,
             !(sorted.first() == QLatin1String("pacman.zip")));
    w.form->close();

    // A new start with that file and the columns remembered shows them again.
    HistoryWindow again(w.env.readFile(HistoryFile(w)), {QStringLiteral("HistoryColumns=5")});
    QVERIFY(!again.Grid().isColumnHidden(colPlayed));
    QVERIFY(again.Grid().isColumnHidden(colLastPlayed));
    QCOMPARE(again.Record("pacman.zip")->runs, 2);
    QCOMPARE(again.Cell(QStringLiteral("pacman.zip"), colPlayed), QStringLiteral("2"));
}

void TestPlayHistoryWindow::renameMovesAndDeleteRemovesTheHistory() {
    HistoryWindow w(StoredHistory());
    QCOMPARE(w.Record("pacman.zip")->runs, 3);
    w.Grid().SetRow(w.RowOf(QStringLiteral("pacman.zip")));
    w.dialogs.expectInput("Enter the new name for ", true, QStringLiteral("puckman"));
    w.context().RunCommand(TCommand::RenameGame);
    QVERIFY(!w.Record("pacman.zip"));
    QVERIFY(w.RowOf(QStringLiteral("puckman.zip")) > 0);
    QCOMPARE(w.Record("puckman.zip")->runs, 3);
    QByteArray file = w.env.readFile(HistoryFile(w));
    QVERIFY(file.contains("\r\npuckman.zip,3,"));
    QVERIFY(!file.contains("\r\npacman.zip,"));

    w.Grid().SetRow(w.RowOf(QStringLiteral("galaga.zip")));
    w.dialogs.expectMessage("Are you certain you wish to delete the game", mrYes);
    w.context().RunCommand(TCommand::DeleteGame);
    QVERIFY(!w.Record("galaga.zip"));
    file = w.env.readFile(HistoryFile(w));
    QVERIFY(!file.contains("galaga"));
    QVERIFY(file.contains("\r\npuckman.zip,3,"));
}

void TestPlayHistoryWindow::historyViews() {
    HistoryWindow w(StoredHistory());
    QComboBox* views = w.form->Ui().FilterBar->GameViewBox;
    views->setCurrentIndex(views->findText(QStringLiteral("Recently played")));
    QCOMPARE(w.Shown(), QStringList{QStringLiteral("pacman.zip")});
    views->setCurrentIndex(views->findText(QStringLiteral("Never played")));
    QCOMPARE(w.Shown(), QStringList{QStringLiteral("digdug.zip")});
    // Played now, it leaves the view at once.
    w.Play(QStringLiteral("digdug.zip"));
    QCOMPARE(w.Shown(), QStringList{});
    views->setCurrentIndex(views->findText(QStringLiteral("Recently played")));
    QCOMPARE(w.Shown().size(), 2);
}

void TestPlayHistoryWindow::damagedFileIsReadAsFarAsItIsSound_data() {
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<int>("records");
    QTest::addColumn<int>("line");
    QTest::newRow("cut short") << StoredHistory().chopped(12) << 1 << 3;
    QTest::newRow("foreign") << QByteArray("<?xml version=\"1.0\"?>\n<history/>\n") << 0 << 1;
}

void TestPlayHistoryWindow::damagedFileIsReadAsFarAsItIsSound() {
    QFETCH(QByteArray, file);
    QFETCH(int, records);
    QFETCH(int, line);
    HistoryWindow w(file);
    QCOMPARE(w.list().History().Count(), records);
    const QString log = w.form->Ui().LogRichEdit->toPlainText();
    const QString warning = QStringLiteral("Warning: the play history file ") + HistoryFile(w) +
                            QStringLiteral(" is damaged at line %1; the rest of it is ignored.").arg(line);
    QCOMPARE(log.count(QStringLiteral("play history")), 1);
    QVERIFY2(log.contains(warning), qPrintable(log));
    // The start went on: the list is there and a run is recorded and saved over the damage.
    QCOMPARE(w.list().GameCount(), 3);
    w.Play(QStringLiteral("digdug.zip"));
    const TPlayHistoryRead read = ParsePlayHistory(w.env.readFile(HistoryFile(w)));
    QCOMPARE(read.damagedLine, 0);
    QCOMPARE(read.history.Count(), records + 1);
}

QTEST_MAIN(TestPlayHistoryWindow)
#include "tst_playhistorywindow.moc"
