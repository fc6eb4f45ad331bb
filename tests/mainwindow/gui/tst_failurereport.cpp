// A failure that abandons a command of the main window: the exception log in the user data
// folder says where it was raised, the box names the log (or says it could not be written),
// no earlier log is replaced, and the window is idle again.

#include "base/AppError.h"
#include "diag/ExceptionLog.h"
#include "diag/StackTracking.h"
#include "gamelist/gui/TSortGrid.h"
#include "support/StartedWindow.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QtTest>

namespace {

const QString FailureText = QStringLiteral("Unable to write to /nowhere/Pellmora.DAT");

Q_NEVER_INLINE void FailDeepInsideTheCommand() {
    throw AppError(FailureText);
}

const QByteArray TwoGames = ",?,\"Galaga\",galaga.zip\r\n,?,\"Pac-Man\",pacman.zip\r\n";

QStringList ExceptionLogs(const QString& folder) {
    return QDir(folder).entryList({QStringLiteral("Pellmora Exception *.log")}, QDir::Files, QDir::Name);
}

QString BoxTextFor(const QString& message, const QString& logFile) {
    return QStringLiteral("GENERAL EXCEPTION ERROR: ") + message +
           QStringLiteral("\n\nException log file written to \n") + logFile;
}

// Registers a stand-in for Random Game that fails the way handler does and runs it as the user would.
void RunFailingCommand(StartedWindow& s, std::function<void()> handler) {
    s.context().Register(TCommand::PlayRandomGame, std::move(handler));
    s.form->RunCommand(TCommand::PlayRandomGame);
}

} // namespace

class TestFailureReport : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase() { StartStackTracking(); }
    void cleanupTestCase() { StopStackTracking(); }
    void cleanup() { VerifyNoWindowLeftOpen(); }

    void logSaysWhereTheFailureWasRaised() {
        StartedWindow s(TwoGames);
        const QString folder = s.context().State.UserDataPath;
        s.dialogs.expectMessage(BoxTextFor(FailureText, folder), mrOk);
        RunFailingCommand(s, [] { FailDeepInsideTheCommand(); });

        const QStringList logs = ExceptionLogs(folder);
        QCOMPARE(logs.size(), 1);
        const QString logFile = folder + logs[0];
        QCOMPARE(s.dialogs.records().last().text, BoxTextFor(FailureText, logFile));
        QCOMPARE(s.dialogs.records().last().title, QStringLiteral("GENERAL EXCEPTION ERROR"));
        QCOMPARE(s.dialogs.records().last().type, mtError);
        const QByteArray bytes = s.env.readFile(logFile);
        QVERIFY(bytes.startsWith("Application: Pellmora\r\nVersion "));
        QVERIFY(bytes.endsWith("\r\n\r\nEOF\r\n"));
        const QStringList lines = QString::fromLocal8Bit(bytes).split(QStringLiteral("\r\n"));
        QVERIFY(lines.contains(QStringLiteral("Exception Message = ") + FailureText));
        QVERIFY(lines.contains(QStringLiteral("Exception Class Name = AppError")));
        const int dump = static_cast<int>(lines.indexOf(QStringLiteral("STACK DUMP:")));
        QVERIFY(dump > 0);
        // The first frame is the throwing function itself, named with its file from the debug
        // information, although the failure was caught far away in the window.
        const QString first = lines.value(dump + 1);
        QVERIFY2(first.contains(QLatin1String("FailDeepInsideTheCommand")) &&
                     first.contains(QLatin1String("tst_failurereport.cpp:")),
                 qPrintable(lines.mid(dump, 8).join(QLatin1Char('\n'))));
    }

    // Failures in the same second: each gets its own file, and logs already there stay as
    // they were (here, one for each of the coming seconds).
    void failuresInOneSecondKeepEveryLog() {
        StartedWindow s(TwoGames);
        const QString folder = s.context().State.UserDataPath;
        const QDateTime now = QDateTime::currentDateTime();
        QStringList earlier;
        for (int second = 0; second < 10; ++second) {
            earlier << ExceptionLogFileName(now.addSecs(second));
            s.env.writeFile(folder + earlier.last(), "earlier\r\nEOF\r\n");
        }
        s.dialogs.expectMessage(BoxTextFor(FailureText, folder), mrOk);
        s.dialogs.expectMessage(BoxTextFor(FailureText, folder), mrOk);
        RunFailingCommand(s, [] { FailDeepInsideTheCommand(); });
        s.form->RunCommand(TCommand::PlayRandomGame);
        s.dialogs.checkAnswered();

        QStringList written = ExceptionLogs(folder);
        for (const QString& name : earlier) {
            QCOMPARE(s.env.readFile(folder + name), QByteArray("earlier\r\nEOF\r\n"));
            written.removeOne(name);
        }
        QCOMPARE(written.size(), 2);
        for (const QString& name : written) {
            QVERIFY2(name.endsWith(QLatin1String(" (2).log")) || name.endsWith(QLatin1String(" (3).log")),
                     qPrintable(name));
            QVERIFY(s.env.readFile(folder + name).contains("Exception Message = " + FailureText.toUtf8()));
        }
        QCOMPARE(s.dialogs.records()[0].text, BoxTextFor(FailureText, folder + written[0]));
        QCOMPARE(s.dialogs.records()[1].text, BoxTextFor(FailureText, folder + written[1]));
    }

    // Whatever the abandoned command left switched on, the window is idle again: controls
    // enabled, normal cursor, the Verify All Games button in its normal mode, no run flags.
    void abandonedCommandLeavesTheWindowIdle_data() {
        QTest::addColumn<bool>("realVerifyAll");
        QTest::addColumn<bool>("logWritable");
        // Verify All Games checks every game, then cannot write its report (a folder stands
        // where it goes): it fails while its button still reads "Stop".
        QTest::newRow("report of Verify All unwritable") << true << true;
        QTest::newRow("log unwritable") << false << false;
    }
    void abandonedCommandLeavesTheWindowIdle() {
        QFETCH(bool, realVerifyAll);
        QFETCH(bool, logWritable);
        StartedWindow s(TwoGames);
        AppState& state = s.context().State;
        const QString dataPath = state.UserDataPath;
        const QString report = dataPath + QStringLiteral("Pellmora.VER");
        // A file where the log folder should be stops every write into it, the superuser's too.
        const QString blocker = dataPath + QStringLiteral("blocker");
        s.env.writeFile(blocker, "x");
        const QString logFolder = logWritable ? dataPath : blocker + QLatin1Char('/');
        QString message;

        if (realVerifyAll) {
            QVERIFY(QDir().mkpath(report));
            message = QStringLiteral("Unable to write to ") + report;
            s.dialogs.expectMessage("Verifying unknown games may take some time", mrAll);
            s.dialogs.expectMessage(QStringLiteral("GENERAL EXCEPTION ERROR: ") + message, mrOk);
            s.context().RunCommand(TCommand::VerifyAllGames);
            // One run for both games, then each alone: neither has files, so the batch named neither.
            QCOMPARE(s.verifyRuns(), (QStringList{QStringLiteral("galaga pacman"), QStringLiteral("galaga"),
                                                  QStringLiteral("pacman")}));
        } else {
            message = FailureText;
            s.dialogs.expectMessage(QStringLiteral("GENERAL EXCEPTION ERROR: ") + message, mrOk);
            RunFailingCommand(s, [&] {
                state.UserDataPath = logFolder;
                state.DoingVerification = true;
                state.AllowEscape = true;
                s.context().Window.EnableTaggedComponents(false);
                QApplication::setOverrideCursor(Qt::WaitCursor);
                FailDeepInsideTheCommand();
            });
            state.UserDataPath = dataPath;
        }
        s.dialogs.checkAnswered();
        const QString box = s.dialogs.records().last().text;
        if (logWritable) {
            QCOMPARE(ExceptionLogs(dataPath).size(), 1);
            QCOMPARE(box, BoxTextFor(message, dataPath + ExceptionLogs(dataPath)[0]));
        } else {
            QVERIFY(ExceptionLogs(dataPath).isEmpty());
            QCOMPARE(box, QStringLiteral("GENERAL EXCEPTION ERROR: ") + message +
                              QStringLiteral("\n\nThe exception log file could not be written to \n") +
                              logFolder);
        }

        const TForm1Ui& ui = s.form->Ui();
        QCOMPARE(ui.VerifyAllGamesBtn->text(), QStringLiteral("Verify All Games"));
        QVERIFY(!ui.VerifyAllGamesBtn->icon().isNull());
        for (const QWidget* control :
             {static_cast<QWidget*>(ui.VerifyAllGamesBtn), static_cast<QWidget*>(ui.ScanForGamesBitBtn),
              static_cast<QWidget*>(ui.RunGameBitBtn), static_cast<QWidget*>(ui.SortGrid1)})
            QVERIFY2(control->isEnabled(), qPrintable(control->objectName()));
        QVERIFY(!state.DoingVerification);
        QVERIFY(!state.AllowEscape);
        QVERIFY(!QApplication::overrideCursor());
        // The window goes on: the next command runs.
        s.dialogs.expectMessage("Verifying unknown games may take some time", mrCancel);
        s.context().RunCommand(TCommand::VerifyAllGames);
    }
};

QTEST_MAIN(TestFailureReport)
#include "tst_failurereport.moc"
