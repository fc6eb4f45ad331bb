#include "emulator/gui/ExecNewProcess.h"

#include "base/AppState.h"
#include "base/gui/ActivityLog.h"
#include "base/gui/Dialogs.h"
#include "base/gui/WaitCursor.h"

#include <QApplication>
#include <QCoreApplication>
#include <QCursor>
#include <QEventLoop>

TProcessLauncher::TProcessLauncher(ActivityLog& log, Dialogs& dialogs, AppState& state, QObject* parent)
    : QObject(parent), log(log), dialogs(dialogs), state(state) {
    connect(&JvCreateProcess1, &ProcessRunner::linesRead, this, &TProcessLauncher::takeLines);
    connect(&JvCreateProcess1, &ProcessRunner::finished, this, &TProcessLauncher::childEnded);
    connect(&JvCreateProcess1, &ProcessRunner::killedAfterGrace, this, [this] { killed = true; });
}

void TProcessLauncher::reportError(const QString& text) {
    dialogs.plainMessage(QCoreApplication::translate("Emulator", "ExecNewProcess Error: %1").arg(text));
}

TRunResult TProcessLauncher::Run(const QString& dir, const QString& program, const QStringList& arguments,
                                 const QString& commandText, const TRunOptions& options) {
    WaitCursor cursor(!state.DoingVerification);
    TRunResult result;
    if (JvCreateProcess1.isRunning()) {
        cursor.release();
        reportError(
            QCoreApplication::translate("Emulator", "Cannot perform this operation when process is running"));
        result.exitCode = TRunResult::StartFailedCode;
        return result;
    }
    log.WriteLog(commandText, clBlue, 0);

    QEventLoop loop;
    bool done = false;
    QString failure;
    bool failed = false;
    const auto quit = [&] {
        done = true;
        loop.quit();
    };
    // The launcher's own handlers run first (they were connected first), so the last
    // line and the exit code are in place when the loop ends.
    const QMetaObject::Connection finishedConnection =
        connect(&JvCreateProcess1, &ProcessRunner::finished, &loop, quit);
    const QMetaObject::Connection failedConnection =
        connect(&JvCreateProcess1, &ProcessRunner::startFailed, &loop, [&](const QString& systemText) {
            failed = true;
            failure = systemText;
            quit();
        });

    current = &result;
    stopRequested = false;
    killed = false;
    state.AllowEscape = options.stoppable;
    JvCreateProcess1.start(dir, program, arguments, options.standardOutputFile);
    // The program may be quitting (its window closed during the run): the loop then returns at
    // once, and the run is ended and waited for here.
    while (!done) {
        loop.exec();
        if (!done) {
            StopRun();
            loop.processEvents(QEventLoop::WaitForMoreEvents);
        }
    }
    state.AllowEscape = false;
    current = nullptr;
    disconnect(finishedConnection);
    disconnect(failedConnection);

    if (failed) {
        cursor.release();
        reportError(failure);
        result.exitCode = TRunResult::StartFailedCode;
        result.lines.clear();
        return result;
    }
    if (stopRequested) {
        result.stopped = true;
        log.WriteLog(killed ? KilledText(JvCreateProcess1.stopGraceMs()) : StoppedText(), clRed, 0);
    }
    return result;
}

void TProcessLauncher::takeLines(const QStringList& lines) {
    // The lines of one piece reach the log together: one pane change per piece, not per line.
    ActivityLogBatch batch(log);
    for (const QString& line : lines) {
        if (current)
            current->lines.append(line);
        log.WriteLog(line, clBlack, 0);
    }
}

void TProcessLauncher::childEnded(int exitCode) {
    if (current)
        current->exitCode = exitCode;
    log.WriteLog(QStringLiteral("ExitCode=") + QString::number(exitCode), exitCode == 0 ? clGreen : clRed, 0);
}

void TProcessLauncher::StopRun() {
    if (!JvCreateProcess1.isRunning() || stopRequested)
        return;
    stopRequested = true;
    log.WriteLog(StopRequestedText(), clRed, 0);
    JvCreateProcess1.requestStop();
}

void TProcessLauncher::FormKeyDown(int key) {
    if (key == Qt::Key_Escape && state.AllowEscape && JvCreateProcess1.isRunning()) {
        QApplication::beep();
        StopRun();
    }
}
