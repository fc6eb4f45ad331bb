#include "base/AppState.h"
#include "base/gui/ActivityLog.h"
#include "emulator/CommandTexts.h"
#include "emulator/EmulatorRun.h"
#include "emulator/gui/ExecNewProcess.h"
#include "support/FakeEmulator.h"
#include "support/ProcessAlive.h"
#include "support/ScriptedDialogs.h"
#include "support/WindowRules.h"

#include <QDir>
#include <QFile>
#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>

#include <memory>

#include <cerrno>
#include <csignal>

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
    void childKilledBySignal();
    void childReadingItsInputIsNotStuck();
    void outputLines_data();
    void outputLines();
    void standardOutputIntoAFile();
    void oddFolderReachesTheEmulator();
    void namesAndSwitchesReachTheEmulatorAsPlainText();
    void secondRequestWhileRunningIsRefused();
    void startFailure_data();
    void startFailure();
    void escapeStopsTheChild();
    void escapeIgnoredWhenNotStoppable();
    void hungChildAndItsChildrenAreKilled();

  private:
    // Starts fn from inside the wait loop once the child has written its first line.
    void onFirstLine(std::function<void()> fn);
    QString mamePath() const { return folder->path() + QStringLiteral("/"); }
    // A run of the fake emulator in mamePath, as RunEmulator makes it.
    TRunResult run(const TEmulatorArgs& args, const TRunOptions& options = {}, const QString& dir = {});

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

TRunResult TestExecNewProcess::run(const TEmulatorArgs& args, const TRunOptions& options,
                                   const QString& dir) {
    const QString program = EmulatorProgram(mamePath(), QStringLiteral("mame"));
    return launcher->Run(dir.isEmpty() ? mamePath() : dir, program, EmulatorArguments(args),
                         EmulatorCommandText(program, args, options.standardOutputFile), options);
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
    const TRunResult result = run(HelpArgs());
    // The low eight bits of the code come back, as exit(3) hands them on.
    const int expected = code & 0xFF;
    QCOMPARE(result.exitCode, expected);
    QVERIFY(!result.stopped);
    QVERIFY(!result.lines.isEmpty());
    QCOMPARE(result.lines.first(), QStringLiteral("MAME v0.251 (fake)"));

    const QTextDocument* document = createProcessLog->document();
    QCOMPARE(document->blockCount(), result.lines.size() + 2);
    const QString command = QStringLiteral("%1mame -inipath '.;ini;ini/presets' -help").arg(mamePath());
    QCOMPARE(TextColour(document->firstBlock(), command), QColor(Qt::blue));
    QCOMPARE(TextColour(document->firstBlock().next(), result.lines.first()), QColor(Qt::black));
    QCOMPARE(TextColour(document->lastBlock(), QStringLiteral("ExitCode=") + QString::number(expected)),
             colour);
}

// A child that dies of a signal reports 128 + the signal, as a shell does for its children.
void TestExecNewProcess::childKilledBySignal() {
    const TRunResult result = launcher->Run(
        mamePath(), QStringLiteral("/bin/sh"),
        {QStringLiteral("-c"), QStringLiteral("echo before; kill -KILL $$")}, QStringLiteral("sh"));
    QCOMPARE(result.exitCode, 128 + 9);
    QCOMPARE(result.lines, QStringList{QStringLiteral("before")});
}

// Nothing is ever written to the child, so one that reads its input does not hang.
void TestExecNewProcess::childReadingItsInputIsNotStuck() {
    const TRunResult result =
        launcher->Run(mamePath(), QStringLiteral("/bin/sh"),
                      {QStringLiteral("-c"), QStringLiteral("cat; echo done")}, QStringLiteral("sh"));
    QCOMPARE(result.exitCode, 0);
    QCOMPARE(result.lines, QStringList{QStringLiteral("done")});
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

    const TRunResult result = run(ValidateArgs());
    QCOMPARE(result.exitCode, 0);
    QCOMPARE(result.lines, lines);
    // The log holds the command, each line once, and the exit code.
    const QStringList logged = BlockTexts(*createProcessLog);
    QCOMPARE(logged.size(), lines.size() + 2);
    for (int i = 0; i < lines.size(); ++i)
        QVERIFY2(logged.at(i + 1).endsWith(QLatin1Char(' ') + lines.at(i)), qPrintable(logged.at(i + 1)));
    QVERIFY(logged.last().endsWith(QStringLiteral(" ExitCode=0")));
}

// -listfull: the standard output goes into the file; the error output still comes back.
void TestExecNewProcess::standardOutputIntoAFile() {
    const QString list = folder->filePath(QStringLiteral("my data/Pellmora.GAM"));
    QVERIFY(QDir().mkpath(QFileInfo(list).path()));
    const TRunResult listed = run(ListFullArgs(), {.stoppable = true, .standardOutputFile = list});
    QCOMPARE(listed.exitCode, 0);
    QVERIFY(listed.lines.isEmpty());
    QFile file(list);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QVERIFY(file.readAll().startsWith("Name:"));
    QVERIFY(BlockTexts(*createProcessLog)
                .first()
                .endsWith(QStringLiteral(" -listfull > '") + list + QLatin1Char('\'')));

    const TRunResult errors =
        launcher->Run(mamePath(), QStringLiteral("/bin/sh"),
                      {QStringLiteral("-c"), QStringLiteral("echo out; echo err >&2")}, QStringLiteral("sh"),
                      {.stoppable = true, .standardOutputFile = list});
    QCOMPARE(errors.lines, QStringList{QStringLiteral("err")});
    QVERIFY(file.seek(0));
    QCOMPARE(file.readAll(), QByteArray("out\n"));
    // The next run's output comes back whole again.
    QCOMPARE(run(HelpArgs()).lines.value(0), QStringLiteral("MAME v0.251 (fake)"));
}

// A folder with a blank, a quote and a command substitution in its name: the emulator is
// found, runs there, and receives the ini search path as one argument.
void TestExecNewProcess::oddFolderReachesTheEmulator() {
    const QString odd = folder->filePath(QStringLiteral("my games/it's $(touch pwned);x"));
    QVERIFY(QDir().mkpath(odd));
    QVERIFY(FakeEmulator::Install(odd));

    const QString oddPath = odd + QStringLiteral("/");
    const QString program = EmulatorProgram(oddPath, QStringLiteral("mame"));
    QCOMPARE(launcher
                 ->Run(oddPath, program, EmulatorArguments(CreateConfigArgs()),
                       EmulatorCommandText(program, CreateConfigArgs()))
                 .exitCode,
             0);
    QVERIFY(QFile::exists(oddPath + QStringLiteral("mame.ini")));
    QVERIFY(!QFile::exists(oddPath + QStringLiteral("pwned")));
    QVERIFY(!QFile::exists(folder->filePath(QStringLiteral("pwned"))));
    QCOMPARE(FakeEmulator::Runs(odd),
             (QList<QStringList>{{QStringLiteral("-inipath"), QStringLiteral(".;ini;ini/presets"),
                                  QStringLiteral("-createconfig")}}));
}

// No shell reads what the emulator is given: a name with a command substitution, a backquote,
// a semicolon and both quotes is one plain argument, and so is a quoted switch; nothing runs.
void TestExecNewProcess::namesAndSwitchesReachTheEmulatorAsPlainText() {
    const QString name = QStringLiteral("a$(touch sub)b`touch tick`c;touch semi;d'e\"f");
    QCOMPARE(run(VerifyRomsArgs(name + QStringLiteral(".zip"))).exitCode, 5);
    run(PlayArgs(name, QStringLiteral("1"), QStringLiteral("0"),
                 QStringLiteral("-x '$(touch quoted)' \"`touch dq`\" $(touch bare);touch after")));
    QCOMPARE(FakeEmulator::Runs(mamePath()),
             (QList<QStringList>{{QStringLiteral("-inipath"), QStringLiteral(".;ini;ini/presets"),
                                  QStringLiteral("-verifyroms"), name},
                                 {QStringLiteral("-inipath"), QStringLiteral(".;ini;ini/presets"), name,
                                  QStringLiteral("-x"), QStringLiteral("$(touch quoted)"),
                                  QStringLiteral("`touch dq`"), QStringLiteral("$(touch"),
                                  QStringLiteral("bare);touch"), QStringLiteral("after")}}));
    const QStringList made = QDir(mamePath()).entryList(QDir::Files);
    for (const char* stray : {"sub", "tick", "semi", "quoted", "dq", "bare", "after"})
        QVERIFY2(!made.contains(QLatin1String(stray)), stray);
    // The log shows the name quoted for reading.
    QVERIFY(
        BlockTexts(*createProcessLog)
            .first()
            .endsWith(QStringLiteral(" -verifyroms 'a$(touch sub)b`touch tick`c;touch semi;d'\\''e\"f'")));
}

void TestExecNewProcess::secondRequestWhileRunningIsRefused() {
    TRunResult inner;
    onFirstLine([&] { inner = run(ValidateArgs()); });
    dialogs->expectPlain("ExecNewProcess Error: Cannot perform this operation when process is running");
    const TRunResult outer = run(HelpArgs());

    QCOMPARE(outer.exitCode, 0);
    QCOMPARE(inner.exitCode, TRunResult::StartFailedCode);
    QVERIFY(inner.lines.isEmpty());
    QCOMPARE(dialogs->records().size(), 1);
    // The refusal did not touch the running child's lines.
    QCOMPARE(outer.lines.first(), QStringLiteral("MAME v0.251 (fake)"));
    QCOMPARE(outer.lines.size(), 6);
    QCOMPARE(FakeEmulator::Runs(mamePath()).size(), 1);
    // Only the outer run was logged.
    QCOMPARE(BlockTexts(*createProcessLog).filter(QStringLiteral("ExitCode=")).size(), 1);
}

void TestExecNewProcess::startFailure_data() {
    QTest::addColumn<bool>("missingProgram");
    QTest::newRow("program missing") << true;
    QTest::newRow("working folder missing") << false;
}

void TestExecNewProcess::startFailure() {
    QFETCH(bool, missingProgram);
    QCOMPARE(run(HelpArgs()).exitCode, 0);
    createProcessLog->clear();
    QString dir = mamePath();
    if (missingProgram)
        QVERIFY(QFile::remove(mamePath() + QStringLiteral("mame")));
    else
        dir = folder->filePath(QStringLiteral("no-such-folder/"));

    dialogs->expectPlain("ExecNewProcess Error: ");
    const TRunResult result = run(HelpArgs(), {}, dir);
    QCOMPARE(result.exitCode, TRunResult::StartFailedCode);
    QVERIFY(result.lines.isEmpty());
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
    onFirstLine([this] {
        QVERIFY(state->AllowEscape);
        launcher->FormKeyDown(Qt::Key_Escape);
    });
    QElapsedTimer timer;
    timer.start();
    const TRunResult result = run(HelpArgs());
    QVERIFY2(timer.elapsed() < 5000, "the child was not stopped");
    QCOMPARE(result.exitCode, 143);
    QVERIFY(result.stopped);
    QCOMPARE(result.lines,
             (QStringList{QStringLiteral("Waiting for SIGTERM"), QStringLiteral("Stopped by SIGTERM")}));
    const QStringList logged = BlockTexts(*createProcessLog);
    QVERIFY(logged.at(2).endsWith(QLatin1Char(' ') + StopRequestedText()));
    QVERIFY(logged.last().endsWith(QLatin1Char(' ') + StoppedText()));
    QVERIFY(!state->AllowEscape);
}

// Play's run: Escape belongs to the game's window.
void TestExecNewProcess::escapeIgnoredWhenNotStoppable() {
    QVERIFY(FakeEmulator::SetScenario(mamePath(), {QStringLiteral("wait_term=1")}));
    bool runningAfterEscape = false;
    onFirstLine([&] {
        QVERIFY(!state->AllowEscape);
        launcher->FormKeyDown(Qt::Key_Escape);
        // A stop would show as the child's last line or its end: wait for either, within a
        // bound, then end the child ourselves.
        runningAfterEscape = !QTest::qWaitFor([&] { return !launcher->isRunning(); }, 300);
        launcher->StopRun();
    });
    const TRunResult result = run(HelpArgs(), {.stoppable = false, .standardOutputFile = {}});
    QVERIFY(runningAfterEscape);
    QVERIFY(result.stopped);
    QCOMPARE(BlockTexts(*createProcessLog).filter(StopRequestedText()).size(), 1);
}

// An emulator that ignores the stop request is killed after the grace, with what it started.
void TestExecNewProcess::hungChildAndItsChildrenAreKilled() {
    QVERIFY(FakeEmulator::SetScenario(mamePath(), {QStringLiteral("hang=1")}));
    launcher->runner().setStopGraceMs(300);
    onFirstLine([this] { launcher->FormKeyDown(Qt::Key_Escape); });
    QElapsedTimer timer;
    timer.start();
    const TRunResult result = run(ValidateArgs());
    QVERIFY2(timer.elapsed() < 5000, "the hung child was not killed");
    QCOMPARE(result.exitCode, 128 + SIGKILL);
    QVERIFY(result.stopped);
    QCOMPARE(result.lines, QStringList{QStringLiteral("Ignoring SIGTERM")});
    const QStringList logged = BlockTexts(*createProcessLog);
    QVERIFY(logged.last().endsWith(QLatin1Char(' ') + KilledText(300)));
    QVERIFY(logged.last().contains(QStringLiteral("0.3 s")));

    QFile pids(folder->filePath(QStringLiteral("fake-emulator.pids")));
    QVERIFY(pids.open(QIODevice::ReadOnly));
    const QList<QByteArray> ids = pids.readAll().trimmed().split(' ');
    QCOMPARE(ids.size(), 2);
    for (const QByteArray& id : ids)
        QTRY_VERIFY_WITH_TIMEOUT(!ProcessAlive(id.toLongLong()), 2000);
}

QTEST_MAIN(TestExecNewProcess)
#include "tst_execnewprocess.moc"
