// Exit while a command waits on the emulator: the run is ended and the program quits, with no
// window left to show on its own. A program of its own: once asked to quit, every later wait of
// this process returns at once.

#include "base/gui/CommandContext.h"
#include "emulator/EmulatorRun.h"
#include "emulator/gui/ExecNewProcess.h"
#include "emulator/gui/TForm2.h"
#include "support/ProcessAlive.h"
#include "support/StartedWindow.h"

#include <QtTest>

namespace {

// Counts the showings of one window.
class ShowCounter : public QObject {
  public:
    int shown = 0;
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Show)
            ++shown;
        return false;
    }
};

} // namespace

class TestExitDuringRun : public QObject {
    Q_OBJECT
  private slots:
    void exitDuringVerifyGameEndsTheRunAndQuits();
};

void TestExitDuringRun::exitDuringVerifyGameEndsTheRunAndQuits() {
    StartedWindow s(",Good,\"Galaga\",galaga.zip\r\n");
    s.putGame(QStringLiteral("galaga.zip"));
    s.setScenario({QStringLiteral("hang=-verifyroms")});
    s.context().Launcher.runner().setStopGraceMs(300);
    s.context().Window.SelectGridRow(1);
    ShowCounter viewerShown;
    s.context().Form2->installEventFilter(&viewerShown);

    // Exit (Alt+X) once the emulator is under way.
    QTimer exit;
    exit.setInterval(10);
    connect(&exit, &QTimer::timeout, [&] {
        if (s.logText().contains(QStringLiteral("Ignoring SIGTERM"))) {
            exit.stop();
            s.context().RunCommand(TCommand::ExitProgram);
        }
    });
    exit.start();
    // Without the mend the emulator would wait 30 s and the viewer then show: end both.
    QTimer rescue;
    rescue.setSingleShot(true);
    connect(&rescue, &QTimer::timeout, [&] {
        s.context().Launcher.StopRun();
        if (QWidget* modal = QApplication::activeModalWidget())
            modal->close();
    });
    rescue.start(8000);
    QElapsedTimer timer;
    timer.start();
    s.context().RunCommand(TCommand::VerifyGame);
    rescue.stop();

    QVERIFY2(timer.elapsed() < 8000, "the run went on after Exit");
    // The program was told to quit: a new wait returns at once instead of at its timer.
    QEventLoop probe;
    QTimer::singleShot(3000, &probe, [&] { probe.exit(7); });
    QCOMPARE(probe.exec(), -1);
    QVERIFY(!s.form->isVisible());
    QCOMPARE(viewerShown.shown, 0);
    QVERIFY(!s.context().Launcher.isRunning());
    QVERIFY(s.logText().contains(StopRequestedText()));
    QFile pids(s.env.mamePath() + QStringLiteral("fake-emulator.pids"));
    QVERIFY(pids.open(QIODevice::ReadOnly));
    for (const QByteArray& id : pids.readAll().trimmed().split(' '))
        QTRY_VERIFY_WITH_TIMEOUT(!ProcessAlive(id.toLongLong()), 2000);
}

QTEST_MAIN(TestExitDuringRun)
#include "tst_exitduringrun.moc"
