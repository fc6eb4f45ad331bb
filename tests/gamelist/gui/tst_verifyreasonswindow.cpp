// Why a game has its status, in the main window: worked out by Verify Game (from the real
// emulator's words for a crafted pac-man archive) and by Verify All, shown as the Status cell's
// tool-tip and on the Game Data tab, kept in its own file, marked when the status is changed by
// hand, moved by Rename, removed by Delete Game, and read again at the next start.

#include "gamefiles/gui/TForm4.h"
#include "gamelist/GameListFilterModel.h"
#include "gamelist/GameListModel.h"
#include "gamelist/gui/TSortGrid.h"
#include "mainwindow/gui/GameDataPage.h"
#include "mainwindow/gui/TForm1.h"
#include "support/StartedWindow.h"
#include "support/WindowRules.h"

#include <QFile>
#include <QLineEdit>
#include <QTabWidget>
#include <QtTest>

namespace {

const QByteArray Games = ",?,\"Pac-Man (Midway)\",pacman.zip\r\n"
                         ",?,\"Ms. Pac-Man\",mspacman.zip\r\n"
                         ",?,\"Galaga (Namco rev. B)\",galaga.zip\r\n";

const QString PacmanReason =
    QStringLiteral("Bad: 8 files missing (4 belong to the parent or BIOS set puckman, not in your folder), "
                   "1 file with a wrong checksum, 1 file of the wrong length");

QString ReasonsFile(const StartedWindow& s) {
    return s.env.userDataPath() + QStringLiteral("Pellmora.WHY");
}

struct ReasonsWindow : StartedWindow {
    explicit ReasonsWindow(const QByteArray& reasons = QByteArray())
        : StartedWindow(Games, {}, {}, [reasons](StartedWindow& s) {
              s.putGame(QStringLiteral("pacman.zip"));
              s.putGame(QStringLiteral("galaga.zip"));
              // No files of the set: the emulator finds none.
              s.putGame(QStringLiteral("mspacman.zip"), "JUNK");
              if (!reasons.isEmpty())
                  s.env.writeFile(ReasonsFile(s), reasons);
          }) {}
    TSortGrid& Grid() const { return *form->Ui().SortGrid1; }
    int RowOf(const QString& fileDir) {
        for (int row = 1; row < list().RowCount(); ++row)
            if (list().Cells(colFileDir, row) == fileDir)
                return row;
        return 0;
    }
    QString ToolTip(const QString& fileDir) {
        const TGameListFilterModel* shown = Grid().Filtered();
        return shown->index(shown->PositionOf(RowOf(fileDir)), colStatus).data(Qt::ToolTipRole).toString();
    }
    // The Game Data tab's reason for the game, selected.
    QString GameDataReason(const QString& fileDir) {
        Grid().SetRow(RowOf(fileDir));
        form->Ui().PageControl1->setCurrentWidget(form->Ui().GameData);
        return form->Ui().GameData->GameReasonEdit->text();
    }
    QByteArray File() const { return env.readFile(ReasonsFile(*this)); }
};

} // namespace

class TestVerifyReasonsWindow : public QObject {
    Q_OBJECT
  private slots:
    void cleanup();
    void verifyShowsAndKeepsTheReason();
};

void TestVerifyReasonsWindow::cleanup() {
    QTRY_VERIFY(!QApplication::activeModalWidget());
    VerifyNoWindowLeftOpen();
}

void TestVerifyReasonsWindow::verifyShowsAndKeepsTheReason() {
    ReasonsWindow w;
    QCOMPARE(w.ToolTip(QStringLiteral("pacman.zip")), QString());
    QCOMPARE(w.GameDataReason(QStringLiteral("pacman.zip")), QString());

    // Verify All: a batch for the three, then Ms. Pac-Man, given no verdict, asked alone.
    w.setScenario({QStringLiteral("bad=galaga")});
    w.dialogs.expectMessage("Verifying unknown games may take some time", mrAll);
    CloseViewerWhenShown();
    w.context().RunCommand(TCommand::VerifyAllGames);
    QCOMPARE(w.ToolTip(QStringLiteral("galaga.zip")),
             QStringLiteral("Bad: 1 file missing, 1 file with a wrong checksum"));
    QCOMPARE(w.ToolTip(QStringLiteral("mspacman.zip")),
             QStringLiteral("?: the emulator found none of this set's files"));
    QCOMPARE(w.ToolTip(QStringLiteral("pacman.zip")), QStringLiteral("Good: every file is right"));

    // Verify Game: the real emulator's words replace the row's last reason.
    QFile real(qEnvironmentVariable("PELLMORA_FIXTURES") + QStringLiteral("/verify-output/pacman.txt"));
    QVERIFY(real.open(QIODevice::ReadOnly));
    w.env.writeFile(w.env.mamePath() + QStringLiteral("verify-output.txt"), real.readAll());
    w.setScenario({QStringLiteral("output=verify-output.txt")});
    w.Grid().SetRow(w.RowOf(QStringLiteral("pacman.zip")));
    CloseViewerWhenShown();
    w.context().RunCommand(TCommand::VerifyGame);
    QCOMPARE(w.list().Cells(colStatus, w.RowOf(QStringLiteral("pacman.zip"))), QStringLiteral("Bad"));
    QCOMPARE(w.ToolTip(QStringLiteral("pacman.zip")), PacmanReason);
    QCOMPARE(w.GameDataReason(QStringLiteral("pacman.zip")), PacmanReason);
    QVERIFY(w.File().contains("\r\npacman.zip,Bad,,8,puckman:4,1,1,0,0,,,puckman,"));

    // Changed by hand: the reason says so.
    w.Grid().SetRow(w.RowOf(QStringLiteral("pacman.zip")));
    WhenModal<TForm4>([](TForm4* dialog) {
        QTRY_VERIFY(dialog->isActiveWindow());
        QTest::mouseClick(dialog->GoodButton, Qt::LeftButton);
    });
    w.context().RunCommand(TCommand::ChangeStatus);
    const QString byHand = QStringLiteral("Status set by hand; the last verification said: ") + PacmanReason;
    QCOMPARE(w.ToolTip(QStringLiteral("pacman.zip")), byHand);

    // Rename takes the reason along; Delete Game removes it.
    w.Grid().SetRow(w.RowOf(QStringLiteral("pacman.zip")));
    w.dialogs.expectInput("Enter the new name for ", true, QStringLiteral("puckman"));
    w.context().RunCommand(TCommand::RenameGame);
    QCOMPARE(w.ToolTip(QStringLiteral("puckman.zip")), byHand);
    w.Grid().SetRow(w.RowOf(QStringLiteral("galaga.zip")));
    w.dialogs.expectMessage("Are you certain you wish to delete the game", mrYes);
    w.context().RunCommand(TCommand::DeleteGame);
    const QByteArray file = w.File();
    QVERIFY(file.contains("\r\npuckman.zip,Bad,hand,8,"));
    QVERIFY(!file.contains("\r\npacman.zip"));
    QVERIFY(!file.contains("galaga"));
    w.form->close();

    // The next start reads the reasons back.
    ReasonsWindow again(file);
    QCOMPARE(again.ToolTip(QStringLiteral("mspacman.zip")),
             QStringLiteral("?: the emulator found none of this set's files"));
    QCOMPARE(again.GameDataReason(QStringLiteral("mspacman.zip")),
             QStringLiteral("?: the emulator found none of this set's files"));
}

QTEST_MAIN(TestVerifyReasonsWindow)
#include "tst_verifyreasonswindow.moc"
