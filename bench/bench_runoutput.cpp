// Memory of an emulator run that prints 1,000,000 lines: the run's lines, the log pane that
// shows each of them, and the text viewer they are shown in. Resident memory at the peak must
// stay within 300 MB, and once the viewer is closed within 150 MB above the idle figure.
//
// Usage: bench_runoutput [fake-emulator path] [line count]   (default: the one built beside this
// program, 1,000,000 lines)

#include "BenchLauncher.h"

#include "base/AppState.h"
#include "base/gui/ActivityLog.h"
#include "emulator/gui/ExecNewProcess.h"
#include "emulator/gui/TForm2.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTextStream>
#include <QTimer>
#include <QVBoxLayout>

#include <cstdio>

namespace {

constexpr double PeakBudgetMb = 300;
constexpr double AboveIdleBudgetMb = 150;

// A figure of /proc/self/status in MB: VmRSS now, VmHWM the peak so far.
double StatusMb(const char* key) {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith(key))
            return line.mid(qstrlen(key)).trimmed().split(' ').value(0).toDouble() / 1024.0;
    }
    return -1;
}

// Lets the event loop settle, so deferred deletions and repaints are done before a figure.
void Settle() {
    for (int i = 0; i < 5; ++i)
        QApplication::processEvents();
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const long lineCount = argc > 2 ? std::atol(argv[2]) : 1000000;
    QTemporaryDir folder;
    const QString mamePath = folder.path() + QStringLiteral("/");
    if (!bench::SetUpFloodingEmulator(bench::FakeEmulatorPath(argc, argv), folder, lineCount))
        return 2;
    bench::LauncherWindow bench;
    TProcessLauncher& launcher = bench.launcher;
    QPlainTextEdit* createProcessLog = bench.createProcessLog;
    QWidget& window = bench.window;
    bench::NoDialogs& dialogs = bench.dialogs;
    TForm2 viewer(dialogs, &window);
    // A first small run, so the figures below leave out what any first run sets up.
    launcher.Run(mamePath, QStringLiteral("/bin/true"), {}, QStringLiteral("true"));
    Settle();
    const double idle = StatusMb("VmRSS:");

    // As Validate and Identify do: run, put the lines into the viewer, show it, close it.
    QElapsedTimer timer;
    timer.start();
    long received = 0;
    {
        const TRunResult run = launcher.Run(mamePath, mamePath + QStringLiteral("mame"),
                                            {QStringLiteral("-validate")}, QStringLiteral("mame -validate"));
        received = run.lines.size();
        viewer.Clear();
        viewer.Append(run.lines);
    }
    const qint64 runMs = timer.elapsed();
    const double afterRun = StatusMb("VmRSS:");
    int shownLines = 0;
    QTimer closer;
    closer.setInterval(20);
    QObject::connect(&closer, &QTimer::timeout, [&] {
        if (QApplication::activeModalWidget() == &viewer) {
            shownLines = viewer.RichEdit1->document()->blockCount();
            viewer.CloseBtn->click();
        }
    });
    closer.start();
    viewer.ShowModal();
    closer.stop();
    Settle();
    const double afterClose = StatusMb("VmRSS:");
    const double peak = StatusMb("VmHWM:");
    const int loggedLines = createProcessLog->document()->blockCount();

    // The log pane's own share: what clearing it gives back.
    createProcessLog->clear();
    Settle();
    const double withoutLog = StatusMb("VmRSS:");

    QTextStream out(stdout);
    out << "lines: " << lineCount << ", received " << received << ", shown " << shownLines << ", logged "
        << loggedLines << " (with the command and the exit code), run " << runMs << " ms\n";
    out << QStringLiteral("idle:                           %1 MB\n").arg(idle, 0, 'f', 1);
    out << QStringLiteral("after the run, viewer filled:   %1 MB\n").arg(afterRun, 0, 'f', 1);
    out << QStringLiteral("peak (VmHWM):                   %1 MB (budget %2 MB)\n")
               .arg(peak, 0, 'f', 1)
               .arg(PeakBudgetMb, 0, 'f', 0);
    out << QStringLiteral("after the viewer closed:        %1 MB, %2 MB above idle (budget %3 MB)\n")
               .arg(afterClose, 0, 'f', 1)
               .arg(afterClose - idle, 0, 'f', 1)
               .arg(AboveIdleBudgetMb, 0, 'f', 0);
    out << QStringLiteral("the log pane's share:           %1 MB (given back when it is cleared)\n")
               .arg(afterClose - withoutLog, 0, 'f', 1);
    const bool ok = received == lineCount && peak <= PeakBudgetMb && afterClose - idle <= AboveIdleBudgetMb;
    out << (ok ? "within budget" : "OVER BUDGET OR LINES LOST") << "\n";
    return ok ? 0 : 1;
}
