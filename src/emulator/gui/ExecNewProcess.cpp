#include "emulator/gui/ExecNewProcess.h"

#include "base/AppState.h"
#include "base/gui/ActivityLog.h"
#include "base/gui/Dialogs.h"
#include "base/gui/WaitCursor.h"

#include <QApplication>
#include <QCursor>
#include <QEventLoop>
#include <QTimer>

namespace {

// How often the wait loop looks for a pending stop request.
constexpr int StopCheckIntervalMs = 50;

} // namespace

TProcessLauncher::TProcessLauncher(ActivityLog& log, Dialogs& dialogs, AppState& state, QObject* parent)
    : QObject(parent), log(log), dialogs(dialogs), state(state) {
    connect(&JvCreateProcess1, &ProcessRunner::linesRead, this, &TProcessLauncher::linesRead);
    connect(&JvCreateProcess1, &ProcessRunner::finished, this, &TProcessLauncher::JvCreateProcess1Terminate);
}

void TProcessLauncher::reportError(const QString& text) {
    dialogs.plainMessage(QStringLiteral("ExecNewProcess Error: ") + text);
}

int TProcessLauncher::ExecNewProcess(const QString& Dir, const QString& Command) {
    WaitCursor cursor(!state.DoingVerification);
    if (JvCreateProcess1.isRunning()) {
        cursor.release();
        reportError(QStringLiteral("Cannot perform this operation when process is running"));
        return StartFailedCode;
    }
    CreateProcessOutput.clear();
    log.WriteLog(Command, clBlue, 0);

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
    QTimer stopCheck;
    stopCheck.setInterval(StopCheckIntervalMs);
    connect(&stopCheck, &QTimer::timeout, &loop, [this] {
        if (state.EscapeRoutine) {
            JvCreateProcess1.requestStop();
            state.EscapeRoutine = false;
        }
    });

    JvCreateProcess1.start(Dir, Command);
    stopCheck.start();
    if (!done)
        loop.exec();
    stopCheck.stop();
    disconnect(finishedConnection);
    disconnect(failedConnection);

    if (failed) {
        // Do not hand back the previous run's code: the caller must see a failure.
        cursor.release();
        reportError(failure);
        return StartFailedCode;
    }
    return JvCreateProcessExitCode;
}

void TProcessLauncher::linesRead(const QStringList& lines) {
    // The lines of one piece reach the log together: one pane change per piece, not per line.
    ActivityLogBatch batch(log);
    for (const QString& line : lines)
        JvCreateProcess1Read(line);
}

void TProcessLauncher::JvCreateProcess1Read(const QString& line) {
    CreateProcessOutput.append(line);
    log.WriteLog(line, clBlack, 0);
}

void TProcessLauncher::JvCreateProcess1Terminate(int exitCode) {
    JvCreateProcessExitCode = exitCode;
    log.WriteLog(QStringLiteral("ExitCode=") + QString::number(exitCode), exitCode == 0 ? clGreen : clRed, 0);
}

void TProcessLauncher::FormKeyDown(int key) {
    if (key == Qt::Key_Escape && state.AllowEscape) {
        QApplication::beep();
        state.EscapeRoutine = true;
    }
}
