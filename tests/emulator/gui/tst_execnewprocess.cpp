#include "base/AppState.h"
#include "base/gui/ActivityLog.h"
#include "emulator/CommandTexts.h"
#include "emulator/gui/ExecNewProcess.h"
#include "support/FakeEmulator.h"
#include "support/ScriptedDialogs.h"
#include "support/WindowRules.h"

#include <QDir>
#include <QFile>
#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>

#include <memory>

namespace {

// The colour a log line's text was written in, after the time stamp and its blank;
// invalid when the line does not end with that text.
QColor TextColour(const QTextBlock& block, const QString& text) {
    if (!block.text().endsWith(QLatin1Char(' ') + text) || text.isEmpty())
        return QColor();
    const int start = block.position() + block.length() - 1 - int(text.size());
    for (auto it = block.begin(); !it.atEnd(); ++it) {
        const QTextFragment fragment = it.fragment();
        if (fragment.position() <= start && start < fragment.position() + fragment.length())
            return fragment.charFormat().foreground().color();
    }
    return QColor();
}

QStringList BlockTexts(const QPlainTextEdit& pane) {
    QStringList texts;
    for (QTextBlock block = pane.document()->begin(); block.isValid(); block = block.next())
        texts.append(block.text());
    return texts;
}

} // namespace

class TestExecNewProcess : public QObject {
    Q_OBJECT
  private slots:
    void init();
    void cleanup();
    void exitCodeAndLogColours_data();
    void exitCodeAndLogColours();
    void shellKilledBySignal();
    void childReadingItsInputIsNotStuck();
    void outputLines_data();
    void outputLines();
    void oddFolderReachesTheEmulator();
    void secondRequestWhileRunningIsRefused();
    void startFailure_data();
    void startFailure();
    void escapeStopsTheChild();
    void escapeIgnoredWithoutAllowEscape();

  private:
    // Starts fn from inside the wait loop once the child has written its first line.
    void onFirstLine(std::function<void()> fn);
    QString mamePath() const { return folder->path() + QStringLiteral("/"); }

    std::unique_ptr<QTemporaryDir> folder;
    std::unique_ptr<QPlainTextEdit> createProcessLog;
    std::unique_ptr<QPlainTextEdit> logRichEdit;
    std::unique_ptr<ActivityLog> log;
    std::unique_ptr<ScriptedDialogs> dialogs;
    std::unique_ptr<AppState> state;
    std::unique_ptr<TProcessLauncher> launcher;
};

void TestExecNewProcess::init() {
    folder = std::make_unique<QTemporaryDir>();
    QVERIFY(folder->isValid());
    QVERIFY2(FakeEmulator::Install(folder->path()), "PELLMORA_FAKE_EMULATOR names no fake emulator");
    createProcessLog = std::make_unique<QPlainTextEdit>();
    logRichEdit = std::make_unique<QPlainTextEdit>();
    log = std::make_unique<ActivityLog>(createProcessLog.get(), logRichEdit.get());
    dialogs = std::make_unique<ScriptedDialogs>();
    state = std::make_unique<AppState>();
    launcher = std::make_unique<TProcessLauncher>(*log, *dialogs, *state);
}

void TestExecNewProcess::cleanup() {
    dialogs->checkAnswered();
    QVERIFY(!launcher->isRunning());
    launcher.reset();
    VerifyNoWindowLeftOpen();
}

void TestExecNewProcess::onFirstLine(std::function<void()> fn) {
    auto fired = std::make_shared<bool>(false);
    connect(&launcher->runner(), &ProcessRunner::linesRead, launcher.get(), [fn, fired](const QStringList&) {
        if (!*fired) {
            *fired = true;
            fn();
        }
    });
}

void TestExecNewProcess::exitCodeAndLogColours_data() {
    QTest::addColumn<int>("code");
    QTest::addColumn<QColor>("colour");
    QTest::newRow("0 green") << 0 << QColor(0, 0x80, 0);
    QTest::newRow("3 red") << 3 << QColor(0xFF, 0, 0);
    QTest::newRow("negative red") << -2 << QColor(0xFF, 0, 0);
}

void TestExecNewProcess::exitCodeAndLogColours() {
    QFETCH(int, code);
    QFETCH(QColor, colour);
    QVERIFY(FakeEmulator::SetScenario(mamePath(), {QStringLiteral("exit=%1").arg(code)}));
    const QString command = HelpCommand(mamePath(), QStringLiteral("mame"));
    const int result = launcher->ExecNewProcess(mamePath(), command);
    // The shell hands back the low eight bits of the code, as exit(3) does.
    const int expected = code & 0xFF;
    QCOMPARE(result, expected);
    QCOMPARE(launcher->JvCreateProcessExitCode, expected);
    QVERIFY(!launcher->CreateProcessOutput.isEmpty());
    QCOMPARE(launcher->CreateProcessOutput.first(), QStringLiteral("MAME v0.251 (fake)"));

    const QTextDocument* document = createProcessLog->document();
    QCOMPARE(document->blockCount(), launcher->CreateProcessOutput.size() + 2);
    QCOMPARE(TextColour(document->firstBlock(), command), QColor(Qt::blue));
    QCOMPARE(TextColour(document->firstBlock().next(), launcher->CreateProcessOutput.first()),
             QColor(Qt::black));
    QCOMPARE(TextColour(document->lastBlock(), QStringLiteral("ExitCode=") + QString::number(expected)),
             colour);
}

// A shell that dies of a signal reports 128 + the signal, as a shell does for its children.
void TestExecNewProcess::shellKilledBySignal() {
    QCOMPARE(launcher->ExecNewProcess(mamePath(), QStringLiteral("echo before; kill -KILL $$")), 128 + 9);
    QCOMPARE(launcher->CreateProcessOutput, QStringList{QStringLiteral("before")});
}

// Nothing is ever written to the child, so one that reads its input does not hang.
void TestExecNewProcess::childReadingItsInputIsNotStuck() {
    QCOMPARE(launcher->ExecNewProcess(mamePath(), QStringLiteral("cat; echo done")), 0);
    QCOMPARE(launcher->CreateProcessOutput, QStringList{QStringLiteral("done")});
}

void TestExecNewProcess::outputLines_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QStringList>("lines");
    const auto s = [](const char* text) { return QString::fromUtf8(text); };
    QTest::newRow("no output") << QByteArray() << QStringList{};
    QTest::newRow("last line without LF") << QByteArray("first\nlast") << QStringList{s("first"), s("last")};
    QTest::newRow("CR overwrites") << QByteArray("abc\rxy\n") << QStringList{s("xyc")};
    QTest::newRow("tab and CR LF") << QByteArray("A\tB\r\nC\r\n") << QStringList{s("A        B"), s("C")};
    QTest::newRow("UTF-8") << QByteArray("caf\xC3\xA9\n") << QStringList{s("caf\xC3\xA9")};
}

void TestExecNewProcess::outputLines() {
    QFETCH(QByteArray, bytes);
    QFETCH(QStringList, lines);
    QFile output(folder->filePath(QStringLiteral("output.bin")));
    QVERIFY(output.open(QIODevice::WriteOnly));
    output.write(bytes);
    output.close();
    QVERIFY(FakeEmulator::SetScenario(mamePath(), {QStringLiteral("output=output.bin")}));

    // A first run leaves lines behind; the next run starts from an empty buffer.
    launcher->CreateProcessOutput = QStringList{QStringLiteral("left over")};
    QCOMPARE(launcher->ExecNewProcess(mamePath(), ValidateCommand(mamePath(), QStringLiteral("mame"))), 0);
    QCOMPARE(launcher->CreateProcessOutput, lines);
    // The log holds the command, each line once, and the exit code.
    const QStringList logged = BlockTexts(*createProcessLog);
    QCOMPARE(logged.size(), lines.size() + 2);
    for (int i = 0; i < lines.size(); ++i)
        QVERIFY2(logged.at(i + 1).endsWith(QLatin1Char(' ') + lines.at(i)), qPrintable(logged.at(i + 1)));
    QVERIFY(logged.last().endsWith(QStringLiteral(" ExitCode=0")));
}

// A folder with a blank, a quote and a command substitution in its name: the emulator is
// found, runs there, and receives the ini search path as one argument.
void TestExecNewProcess::oddFolderReachesTheEmulator() {
    const QString odd = folder->filePath(QStringLiteral("my games/it's $(touch pwned);x"));
    QVERIFY(QDir().mkpath(odd));
    QVERIFY(FakeEmulator::Install(odd));

    const QString oddPath = odd + QStringLiteral("/");
    QCOMPARE(launcher->ExecNewProcess(oddPath, CreateConfigCommand(oddPath, QStringLiteral("mame"))), 0);
    QVERIFY(QFile::exists(oddPath + QStringLiteral("mame.ini")));
    QVERIFY(!QFile::exists(oddPath + QStringLiteral("pwned")));
    QVERIFY(!QFile::exists(folder->filePath(QStringLiteral("pwned"))));
    QCOMPARE(FakeEmulator::Runs(odd),
             (QList<QStringList>{{QStringLiteral("-inipath"), QStringLiteral(".;ini;ini/presets"),
                                  QStringLiteral("-createconfig")}}));
}

void TestExecNewProcess::secondRequestWhileRunningIsRefused() {
    int innerResult = 0;
    QStringList outputBefore, outputAfter;
    onFirstLine([&] {
        outputBefore = launcher->CreateProcessOutput;
        innerResult =
            launcher->ExecNewProcess(mamePath(), ValidateCommand(mamePath(), QStringLiteral("mame")));
        outputAfter = launcher->CreateProcessOutput;
    });
    dialogs->expectPlain("ExecNewProcess Error: Cannot perform this operation when process is running");
    const int result = launcher->ExecNewProcess(mamePath(), HelpCommand(mamePath(), QStringLiteral("mame")));

    QCOMPARE(result, 0);
    QVERIFY(innerResult != 0);
    QCOMPARE(dialogs->records().size(), 1);
    QVERIFY(!outputBefore.isEmpty());
    QCOMPARE(outputAfter, outputBefore); // the refusal did not clear or touch the running child's lines
    QCOMPARE(launcher->CreateProcessOutput.first(), QStringLiteral("MAME v0.251 (fake)"));
    QCOMPARE(FakeEmulator::Runs(mamePath()).size(), 1);
    // Only the outer run was logged.
    QCOMPARE(BlockTexts(*createProcessLog).filter(QStringLiteral("ExitCode=")).size(), 1);
}

void TestExecNewProcess::startFailure_data() {
    QTest::addColumn<bool>("missingShell");
    QTest::newRow("shell missing") << true;
    QTest::newRow("working folder missing") << false;
}

void TestExecNewProcess::startFailure() {
    QFETCH(bool, missingShell);
    // A successful run first, so a stale exit code of 0 would pass for success.
    QCOMPARE(launcher->ExecNewProcess(mamePath(), HelpCommand(mamePath(), QStringLiteral("mame"))), 0);
    createProcessLog->clear();
    QString dir = mamePath();
    if (missingShell)
        launcher->runner().setShell(folder->filePath(QStringLiteral("no-such-shell")));
    else
        dir = folder->filePath(QStringLiteral("no-such-folder/"));

    dialogs->expectPlain("ExecNewProcess Error: ");
    const int result = launcher->ExecNewProcess(dir, HelpCommand(mamePath(), QStringLiteral("mame")));
    QCOMPARE(result, TProcessLauncher::StartFailedCode);
    QVERIFY(launcher->CreateProcessOutput.isEmpty());
    const QString message = dialogs->records().value(0).text;
    QVERIFY2(message.startsWith(QStringLiteral("ExecNewProcess Error: ")) &&
                 message.contains(QStringLiteral("No such file or directory")),
             qPrintable(message));
    const QStringList logged = BlockTexts(*createProcessLog);
    QCOMPARE(logged.size(), 1); // the command only
    QVERIFY(!logged.first().contains(QStringLiteral("ExitCode=")));
}

void TestExecNewProcess::escapeStopsTheChild() {
    QVERIFY(FakeEmulator::SetScenario(mamePath(), {QStringLiteral("wait_term=1")}));
    state->AllowEscape = true;
    onFirstLine([this] { launcher->FormKeyDown(Qt::Key_Escape); });
    QElapsedTimer timer;
    timer.start();
    const int result = launcher->ExecNewProcess(mamePath(), HelpCommand(mamePath(), QStringLiteral("mame")));
    QVERIFY2(timer.elapsed() < 5000, "the child was not stopped");
    QCOMPARE(result, 143);
    QCOMPARE(launcher->CreateProcessOutput,
             (QStringList{QStringLiteral("Waiting for SIGTERM"), QStringLiteral("Stopped by SIGTERM")}));
    QVERIFY(!state->EscapeRoutine);
}

void TestExecNewProcess::escapeIgnoredWithoutAllowEscape() {
    QVERIFY(FakeEmulator::SetScenario(mamePath(), {QStringLiteral("wait_term=1")}));
    state->AllowEscape = false;
    bool runningAfterEscape = false;
    onFirstLine([&] {
        launcher->FormKeyDown(Qt::Key_Escape);
        QVERIFY(!state->EscapeRoutine);
        // A stop would show as the child's last line or its end: wait for either, within a
        // bound that lets several stop checks pass, then end the child ourselves.
        const bool stopped = QTest::qWaitFor(
            [&] { return !launcher->isRunning() || launcher->CreateProcessOutput.size() > 1; }, 300);
        runningAfterEscape = !stopped;
        launcher->runner().requestStop();
    });
    launcher->ExecNewProcess(mamePath(), HelpCommand(mamePath(), QStringLiteral("mame")));
    QVERIFY(runningAfterEscape);
}

QTEST_MAIN(TestExecNewProcess)
#include "tst_execnewprocess.moc"
