// Verify Game, Verify All Games and View Verify Report through the main window, with the fake
// emulator and scripted boxes.

#include "base/gui/ActivityLog.h"
#include "base/gui/CommandContext.h"
#include "emulator/EmulatorRun.h"
#include "emulator/gui/ExecNewProcess.h"
#include "emulator/gui/TForm2.h"
#include "gamelist/GameListModel.h"
#include "mainwindow/gui/TForm1.h"
#include "support/ScriptedDialogs.h"
#include "support/StartedWindow.h"
#include "support/WindowRules.h"

#include <QAbstractButton>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QtTest>

namespace {

const QByteArray kSeparator = QByteArray(79, '_');
const QString kUnknown = QStringLiteral("[UNKNOWN GAME]");
const QString kVerifyAllQuestion =
    QStringLiteral("Verifying unknown games may take some time to complete.\n"
                   "Do you want to ignore verifying [UNKNOWN] games or verify ALL games?");

} // namespace

class TestVerifyCommands : public QObject {
    Q_OBJECT
  private slots:
    void cleanup();
    void verifyGameRefreshesTheRowAndShowsTheRun();
    void verifyGameWritesToTheVerifiedGameAfterTheListMoved();
    void verifyGameWithoutViewer();
    void rowsTheEmulatorMustNotSee();
    void verifyAllYesSkipsUnknownRowsButCountsThem();
    void verifyAllOnTheEmptyList();
    void verifyAllFailingPutsTheWindowBack();
    void stopDuringTheThirdOfTenRows();
    void escapeEndsAHungVerifyGame();
    void stopEndsAHungVerifyAll();
    void secondCommandRefusedWhileOneRuns();
    void viewVerifyReport();
    void debugModeShowsEachStep();
};

void TestVerifyCommands::cleanup() {
    QTRY_VERIFY(!QApplication::activeModalWidget());
    VerifyNoWindowLeftOpen();
}

void TestVerifyCommands::verifyGameRefreshesTheRowAndShowsTheRun() {
    // Sorted by File/Dir at start-up, so the rows keep the file's order.
    StartedWindow s(
        ",?,\"[UNKNOWN GAME]\",galaga.zip\r\n,?,\"Old name\",PACMAN.ZIP\r\n",
        {QStringLiteral("nFound=1"), QStringLiteral("nUnknown=1"), QStringLiteral("SortColumn=3")});
    s.putGame(QStringLiteral("galaga.zip"));
    s.putGame(QStringLiteral("pacman.zip"), "BAD");

    s.context().Window.SelectGridRow(1);
    QStringList shown;
    CloseViewerWhenShown(&shown);
    s.context().RunCommand(TCommand::VerifyGame);
    QCOMPARE(s.name(1), QStringLiteral("Galaga (Namco rev. B)"));
    QCOMPARE(s.status(1), QStringLiteral("Good"));
    QCOMPARE(s.context().State.nFound, 2);
    QCOMPARE(s.context().State.nUnknown, 0);
    QCOMPARE(shown.mid(0, 3),
             (QStringList{QString::fromLatin1(kSeparator), QStringLiteral("galaga - Galaga (Namco rev. B)"),
                          QStringLiteral("romset galaga is good")}));
    const QByteArray saved = s.env.readFile(s.env.userDataPath() + QStringLiteral("Pellmora.DAT"));
    QVERIFY2(saved.contains(",Good,\"Galaga (Namco rev. B)\",galaga.zip"), saved.constData());
    QVERIFY(s.env.readFile(s.env.userDataPath() + QStringLiteral("Pellmora.INI")).contains("nUnknown=0"));

    // The verify name keeps the letters' case; the emulator's "bad" wins.
    s.context().Window.SelectGridRow(2);
    CloseViewerWhenShown();
    s.context().RunCommand(TCommand::VerifyGame);
    QCOMPARE(s.verifyRuns(), (QStringList{QStringLiteral("galaga"), QStringLiteral("PACMAN")}));
    QCOMPARE(s.name(2), QStringLiteral("Pac-Man (Midway)"));
}

void TestVerifyCommands::verifyGameWritesToTheVerifiedGameAfterTheListMoved() {
    StartedWindow s(",?,\"Galaga\",galaga.zip\r\n,?,\"Pac-Man\",pacman.zip\r\n");
    s.putGame(QStringLiteral("pacman.zip"));
    s.context().Window.SelectGridRow(2);
    // While the viewer shows, the game moves to row 1 (another game went away).
    WhenModal<TForm2>([&s](TForm2* viewer) {
        s.list().DeleteRow(1);
        viewer->CloseBtn->click();
    });
    s.context().RunCommand(TCommand::VerifyGame);
    QCOMPARE(s.list().Cells(colFileDir, 1), QStringLiteral("pacman.zip"));
    QCOMPARE(s.status(1), QStringLiteral("Good"));
}

void TestVerifyCommands::verifyGameWithoutViewer() {
    StartedWindow s(",?,\"Galaga\",galaga.zip\r\n");
    s.putGame(QStringLiteral("galaga.zip"), "BAD");
    s.context().State.DisplayVerifyGame = false;
    s.context().Window.SelectGridRow(1);
    s.context().RunCommand(TCommand::VerifyGame);
    QCOMPARE(s.status(1), QStringLiteral("Bad"));
    QVERIFY(!QApplication::activeModalWidget());
}

// Names the emulator would take for an option or a pattern, and the empty list's blank row,
// never reach it.
void TestVerifyCommands::rowsTheEmulatorMustNotSee() {
    StartedWindow s(",Good,\"x\",-createconfig\r\n,Good,\"y\",a*.zip\r\n");
    for (int row : {1, 2}) {
        s.context().Window.SelectGridRow(row);
        CloseViewerWhenShown();
        s.context().RunCommand(TCommand::VerifyGame);
        QCOMPARE(s.status(row), QStringLiteral("?"));
    }
    QVERIFY(s.verifyRuns().isEmpty());
    QVERIFY(s.logText().contains(QStringLiteral("\"-createconfig\" is not verified")));
    QVERIFY(s.logText().contains(QStringLiteral("\"a*\" is not verified")));
}

void TestVerifyCommands::verifyAllYesSkipsUnknownRowsButCountsThem() {
    StartedWindow s(",,\"a\",galaga.zip\r\n,Bad,\"b\",junk.zip\r\n,,\"c\",pacman\r\n");
    s.putGame(QStringLiteral("galaga.zip"));
    QDir().mkpath(s.romPath() + QStringLiteral("pacman"));
    s.dialogs.expectMessage(kVerifyAllQuestion, mrYes);
    QStringList shown;
    CloseViewerWhenShown(&shown);
    s.context().RunCommand(TCommand::VerifyAllGames);

    QCOMPARE(s.dialogs.records()[0].text, kVerifyAllQuestion);
    QCOMPARE(s.dialogs.records()[0].buttons, int(mbYes | mbCancel | mbAll));
    QCOMPARE(s.verifyRuns(), QStringList{QStringLiteral("galaga pacman")}); // one run for both
    QCOMPARE(s.status(1), QStringLiteral("Good"));
    QCOMPARE(s.name(2), kUnknown);
    QCOMPARE(s.status(2), QStringLiteral("Bad")); // skipped: kept as it was
    QCOMPARE(s.status(3), QStringLiteral("Good"));
    const AppState& state = s.context().State;
    QCOMPARE(state.nFound, 2);
    QCOMPARE(state.nUnknown, 1);
    QCOMPARE(state.GameCount, 3);
    QVERIFY(state.VerifyDate > 0);
    QVERIFY(s.form->Ui().ViewVerifyReportBitBtn->isEnabled());
    const QByteArray report = s.env.readFile(s.env.userDataPath() + QStringLiteral("Pellmora.VER"));
    QCOMPARE(report, kSeparator +
                         "\r\ngalaga - Galaga (Namco rev. B)\r\nromset galaga is good\r\n"
                         "1 romsets found, 1 were OK.\r\n" +
                         kSeparator +
                         "\r\npacman - Pac-Man (Midway)\r\nromset pacman is good\r\n"
                         "1 romsets found, 1 were OK.\r\n");
    QCOMPARE(shown.size(), 8);
    QCOMPARE(s.form->Ui().VerifyAllGamesBtn->text(), QStringLiteral("Verify All Games"));
}

void TestVerifyCommands::verifyAllOnTheEmptyList() {
    // The first-start scan finds nothing.
    StartedWindow s(QByteArray(), {},
                    {{QStringLiteral("The Pellmora game list file"), mrOk},
                     {QStringLiteral("No new games found."), mrOk}});
    QCOMPARE(s.dialogs.records().size(), 2);
    QCOMPARE(s.dialogs.records()[1].text, QStringLiteral("No new games found."));
    s.dialogs.expectMessage(kVerifyAllQuestion, mrAll);
    CloseViewerWhenShown();
    s.context().RunCommand(TCommand::VerifyAllGames);
    QVERIFY(s.verifyRuns().isEmpty());
    QCOMPARE(s.context().State.GameCount, 0);
    QCOMPARE(s.context().State.nUnknown, 0);
    QCOMPARE(s.env.readFile(s.env.userDataPath() + QStringLiteral("Pellmora.VER")), QByteArray());
}

// A report that cannot be written ends the command with its error box; the run flag, the Stop
// button and the disabled controls are put back all the same.
void TestVerifyCommands::verifyAllFailingPutsTheWindowBack() {
    StartedWindow s(",,\"a\",galaga.zip\r\n");
    s.putGame(QStringLiteral("galaga.zip"));
    const QString report = s.env.userDataPath() + QStringLiteral("Pellmora.VER");
    QVERIFY(QDir().mkpath(report + QStringLiteral("/in the way")));
    s.dialogs.expectMessage(kVerifyAllQuestion, mrAll);
    s.dialogs.expectMessage("GENERAL EXCEPTION ERROR: Unable to write to ", mrOk);
    s.context().RunCommand(TCommand::VerifyAllGames);
    QVERIFY(s.dialogs.records().last().text.startsWith(
        QStringLiteral("GENERAL EXCEPTION ERROR: Unable to write to ") + report + QStringLiteral("\n")));
    QVERIFY(!s.context().State.DoingVerification);
    QCOMPARE(s.form->Ui().VerifyAllGamesBtn->text(), QStringLiteral("Verify All Games"));
    QVERIFY(s.form->Ui().ScanForGamesBitBtn->isEnabled());
    QVERIFY(s.form->Ui().RandomPlayBtn->isEnabled());
}

void TestVerifyCommands::stopDuringTheThirdOfTenRows() {
    QByteArray rows;
    for (int i = 1; i <= 10; ++i)
        rows += ",?,\"g\",game" + QByteArray::number(i) + ".zip\r\n";
    StartedWindow s(rows);
    s.setScenario({QStringLiteral("sleep_ms=150")});
    s.dialogs.expectMessage(kVerifyAllQuestion, mrAll);
    QAbstractButton* button = s.form->Ui().VerifyAllGamesBtn;
    // The emulator knows none of them: after one run for all ten, each row runs on its own.
    // Pressed while the third row's own run goes.
    QTimer press;
    press.setInterval(5);
    connect(&press, &QTimer::timeout, [&] {
        if (s.verifyRuns().size() == 4 && button->isEnabled()) {
            QCOMPARE(button->text(), QStringLiteral("Stop"));
            press.stop();
            button->click();
        }
    });
    press.start();
    QStringList shown;
    CloseViewerWhenShown(&shown);
    s.context().RunCommand(TCommand::VerifyAllGames);

    QCOMPARE(s.verifyRuns().size(), 4);
    QCOMPARE(shown.count(QString::fromLatin1(kSeparator)), 3);
    QVERIFY(s.logText().contains(QStringLiteral("Stopped by user.")));
    QCOMPARE(s.context().State.nUnknown, 3);
    QCOMPARE(button->text(), QStringLiteral("Verify All Games"));
    QVERIFY(IsTagged(button));
}

// Escape ends Verify Game's run of an emulator that ignores the stop request: killed after
// the grace, the run counts as failed and the row as unverified.
void TestVerifyCommands::escapeEndsAHungVerifyGame() {
    StartedWindow s(",Good,\"Galaga\",galaga.zip\r\n");
    s.putGame(QStringLiteral("galaga.zip"));
    s.setScenario({QStringLiteral("hang=-verifyroms")});
    s.context().Launcher.runner().setStopGraceMs(300);
    s.context().Window.SelectGridRow(1);
    QTimer press;
    press.setInterval(10);
    connect(&press, &QTimer::timeout, [&] {
        if (s.logText().contains(QStringLiteral("Ignoring SIGTERM"))) {
            press.stop();
            QTest::keyClick(s.form.get(), Qt::Key_Escape);
        }
    });
    press.start();
    QStringList shown;
    CloseViewerWhenShown(&shown);
    QElapsedTimer timer;
    timer.start();
    s.context().RunCommand(TCommand::VerifyGame);
    QVERIFY2(timer.elapsed() < 10000, "the hung emulator was not ended");
    QCOMPARE(shown.mid(2), QStringList{QStringLiteral("Ignoring SIGTERM")});
    QCOMPARE(s.status(1), QStringLiteral("?"));
    QVERIFY(s.logText().contains(StopRequestedText()));
    QVERIFY(s.logText().contains(KilledText(300)));
    QVERIFY(s.logText().contains(QStringLiteral("ExitCode=137")));
    QVERIFY(!s.context().Launcher.isRunning());
}

// Stop in Verify All ends the run under way at once, not after the emulator's own end.
void TestVerifyCommands::stopEndsAHungVerifyAll() {
    StartedWindow s(",?,\"g\",galaga.zip\r\n,?,\"p\",pacman.zip\r\n,?,\"d\",dkong.zip\r\n");
    s.setScenario({QStringLiteral("hang=-verifyroms")});
    s.context().Launcher.runner().setStopGraceMs(300);
    s.dialogs.expectMessage(kVerifyAllQuestion, mrAll);
    QAbstractButton* button = s.form->Ui().VerifyAllGamesBtn;
    QTimer press;
    press.setInterval(10);
    connect(&press, &QTimer::timeout, [&] {
        if (s.logText().contains(QStringLiteral("Ignoring SIGTERM"))) {
            press.stop();
            button->click();
        }
    });
    press.start();
    QStringList shown;
    CloseViewerWhenShown(&shown);
    QElapsedTimer timer;
    timer.start();
    s.context().RunCommand(TCommand::VerifyAllGames);
    QVERIFY2(timer.elapsed() < 10000, "the hung emulator was not ended");
    // One batch run for the three rows, ended; no row ran after it.
    QCOMPARE(s.verifyRuns().size(), 1);
    QVERIFY(s.logText().contains(KilledText(300)));
    QVERIFY(s.logText().contains(QStringLiteral("Stopped by user.")));
    QCOMPARE(shown.count(QString::fromLatin1(kSeparator)), 1);
    QCOMPARE(button->text(), QStringLiteral("Verify All Games"));
}

void TestVerifyCommands::secondCommandRefusedWhileOneRuns() {
    StartedWindow s(",?,\"Galaga\",galaga.zip\r\n,?,\"Pac-Man\",pacman.zip\r\n");
    s.putGame(QStringLiteral("galaga.zip"));
    s.setScenario({QStringLiteral("sleep_ms=300")});
    s.context().Window.SelectGridRow(1);
    // While the first Verify Game waits for the emulator, the user picks another row and
    // asks again.
    QTimer ask;
    ask.setInterval(5);
    connect(&ask, &QTimer::timeout, [&] {
        if (s.verifyRuns().isEmpty())
            return;
        ask.stop();
        s.context().Window.SelectGridRow(2);
        s.context().RunCommand(TCommand::VerifyGame);
    });
    ask.start();
    CloseViewerWhenShown();
    s.context().RunCommand(TCommand::VerifyGame);
    QCOMPARE(s.verifyRuns(), QStringList{QStringLiteral("galaga")});
    QVERIFY(s.logText().contains(
        QStringLiteral("\"Verify Game\" was not started: another command is still running.")));
    QCOMPARE(s.status(1), QStringLiteral("Good"));
    QCOMPARE(s.status(2), QStringLiteral("?"));
    QVERIFY(!s.form->ExitRequested());
}

void TestVerifyCommands::viewVerifyReport() {
    StartedWindow s(",?,\"Galaga\",galaga.zip\r\n");
    s.dialogs.expectMessage("No report exists.", mrOk);
    s.context().RunCommand(TCommand::ViewVerifyReport);
    QCOMPARE(s.dialogs.records()[0].text,
             QStringLiteral("No report exists.\nUse Verify All Game to product a report."));
    QCOMPARE(s.dialogs.records()[0].title, QStringLiteral("Pellmora"));
    QCOMPARE(s.dialogs.records()[0].type, mtInformation);

    s.env.writeFile(s.env.userDataPath() + QStringLiteral("Pellmora.VER"), "one\r\ntwo\r\n");
    QStringList shown;
    CloseViewerWhenShown(&shown);
    s.context().RunCommand(TCommand::ViewVerifyReport);
    QCOMPARE(shown, (QStringList{QStringLiteral("one"), QStringLiteral("two")}));
}

void TestVerifyCommands::debugModeShowsEachStep() {
    StartedWindow s(",?,\"Galaga\",galaga.zip\r\n");
    s.putGame(QStringLiteral("galaga.zip"));
    s.context().State.debug = true;
    s.context().Window.SelectGridRow(1);
    s.dialogs.expectPlain(QStringLiteral("VERIFY GAME: GameName = Galaga\nGameDir = galaga\nGameStatus = ?"));
    s.dialogs.expectPlain(QStringLiteral("Result: GameGood = True"));
    CloseViewerWhenShown();
    s.context().RunCommand(TCommand::VerifyGame);

    // The verdict line wrapped in control characters that are not white space.
    s.env.writeFile(s.env.mamePath() + QStringLiteral("verify-output.txt"), "\x1bromset galaga is bad\x1b");
    s.setScenario({QStringLiteral("output=verify-output.txt")});
    s.dialogs.expectMessage(kVerifyAllQuestion, mrAll);
    s.dialogs.expectPlain(QStringLiteral(
        "VERIFY GAMES: GameName = Galaga (Namco rev. B)\nGameDir = galaga\nGameStatus = Good"));
    const QString wanted = QStringLiteral(" FOR romset galaga is good");
    s.dialogs.expectPlain(QStringLiteral("SEARCHING ") + QString::fromLatin1(kSeparator) + wanted);
    s.dialogs.expectPlain(QStringLiteral("SEARCHING galaga - galaga (namco rev. b)") + wanted);
    s.dialogs.expectPlain(QStringLiteral("SEARCHING romset galaga is bad") + wanted);
    s.dialogs.expectPlain(QStringLiteral("Result: GameBad = True"));
    CloseViewerWhenShown();
    s.context().RunCommand(TCommand::VerifyAllGames);
    QCOMPARE(s.status(1), QStringLiteral("Bad"));
}

QTEST_MAIN(TestVerifyCommands)
#include "tst_verifycommands.moc"
