// The launcher under a flood: a child writes 100,000 lines (about 5 MB) as fast as it can.
// Every line must reach the run's lines and the log, the whole run should stay within
// 3 s, and the window must never wait more than 100 ms for the event loop.
//
// Usage: bench_launcher [fake-emulator path]   (default: the one built beside this program)

#include "BenchLauncher.h"

#include "base/AppState.h"
#include "base/gui/ActivityLog.h"
#include "base/gui/Dialogs.h"
#include "emulator/gui/ExecNewProcess.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QPlainTextEdit>
#include <QProcess>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextStream>
#include <QTimer>
#include <QVBoxLayout>

#include <cstdio>
#include <cstdlib>

namespace {

constexpr int LineCount = 100000;
constexpr qint64 RunBudgetMs = 3000;
constexpr qint64 GapBudgetMs = 100;

QString ExpectedLine(int number) {
    return QStringLiteral("Flood line %1: the quick brown fox jumps").arg(number, 8, 10, QLatin1Char('0'));
}

qint64 TimeShell(const QString& command) {
    QProcess shell;
    QElapsedTimer timer;
    timer.start();
    shell.start(QStringLiteral("/bin/sh"), {QStringLiteral("-c"), command});
    shell.waitForFinished(-1);
    return timer.elapsed();
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QTemporaryDir folder;
    const QString mamePath = folder.path() + QStringLiteral("/");
    if (!bench::SetUpFloodingEmulator(bench::FakeEmulatorPath(argc, argv), folder, LineCount))
        return 2;
    bench::LauncherWindow bench;
    TProcessLauncher& launcher = bench.launcher;
    QPlainTextEdit* createProcessLog = bench.createProcessLog;

    // The longest wait between two turns of the event loop during the run.
    QElapsedTimer sinceTick;
    qint64 longestGap = 0;
    QTimer ticker;
    ticker.setInterval(10);
    QObject::connect(&ticker, &QTimer::timeout, &launcher,
                     [&] { longestGap = std::max(longestGap, sinceTick.restart()); });

    QElapsedTimer run;
    run.start();
    sinceTick.start();
    ticker.start();
    const TRunResult output = launcher.Run(mamePath, mamePath + QStringLiteral("mame"),
                                           {QStringLiteral("-validate")}, QStringLiteral("./mame -validate"));
    const int result = output.exitCode;
    ticker.stop();
    const qint64 runMs = run.elapsed();

    bool linesOk = result == 0 && output.lines.size() == LineCount;
    for (int i = 0; linesOk && i < LineCount; ++i)
        linesOk = output.lines.at(i) == ExpectedLine(i + 1);
    const QTextDocument* document = createProcessLog->document();
    bool logOk = document->blockCount() == LineCount + 2;
    int blockNumber = 1;
    for (QTextBlock block = document->firstBlock().next(); logOk && blockNumber <= LineCount;
         block = block.next(), ++blockNumber)
        logOk = block.text().endsWith(QLatin1Char(' ') + ExpectedLine(blockNumber));

    // The same bytes through plain pipes, for scale.
    const QString bytesFile = folder.filePath(QStringLiteral("flood.txt"));
    TimeShell(QStringLiteral("cd ") + folder.path() + QStringLiteral(" && ./mame > ") +
              bytesFile); // also warms the file cache
    const qint64 catMs = TimeShell(QStringLiteral("cat ") + bytesFile + QStringLiteral(" | cat > /dev/null"));
    const qint64 childMs =
        TimeShell(QStringLiteral("cd ") + folder.path() + QStringLiteral(" && ./mame | cat > /dev/null"));
    const qint64 bytes = QFile(bytesFile).size();

    QTextStream out(stdout);
    out << "lines: " << LineCount << " (" << bytes << " bytes), exit code " << result << "\n";
    out << "every line in the run's lines: " << (linesOk ? "yes" : "NO") << "\n";
    out << "every line in the log: " << (logOk ? "yes" : "NO") << "\n";
    out << "run: " << runMs << " ms (budget " << RunBudgetMs << " ms)\n";
    out << "longest gap between event loop turns: " << longestGap << " ms (budget " << GapBudgetMs
        << " ms)\n";
    out << "cat of the same bytes through a pipe: " << catMs << " ms; ratio run/cat "
        << QString::number(double(runMs) / double(std::max<qint64>(catMs, 1)), 'f', 1) << "\n";
    out << "the child writing into cat: " << childMs << " ms; ratio run/child "
        << QString::number(double(runMs) / double(std::max<qint64>(childMs, 1)), 'f', 1) << "\n";
    const bool ok = linesOk && logOk && runMs <= RunBudgetMs && longestGap <= GapBudgetMs;
    out << (ok ? "within budget" : "OVER BUDGET OR LINES LOST") << "\n";
    return ok ? 0 : 1;
}
