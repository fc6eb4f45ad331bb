#pragma once
// The launcher every emulator run goes through: runs one program with its arguments in a
// folder, keeps the window alive while it waits, logs the command, every output line and the
// exit code, and hands the exit code and the lines back together.

#include "emulator/EmulatorRun.h"
#include "emulator/ProcessRunner.h"

#include <QObject>
#include <QStringList>

class ActivityLog;
class Dialogs;
struct AppState;

class TProcessLauncher : public QObject {
    Q_OBJECT
  public:
    TProcessLauncher(ActivityLog& log, Dialogs& dialogs, AppState& state, QObject* parent = nullptr);

    // Runs program with arguments in dir, the log showing commandText, and returns once every
    // output line is in. Nothing runs, the result's code being StartFailedCode, when the child
    // cannot be started or another one is still running.
    TRunResult Run(const QString& dir, const QString& program, const QStringList& arguments,
                   const QString& commandText, const TRunOptions& options = {});
    // The main window's key handler passes its keys here; Escape ends a run that may be
    // stopped (AllowEscape). The key is not consumed.
    void FormKeyDown(int key);
    // Ends the run under way, stoppable or not: the stop request first, a kill when it is not
    // obeyed in time. The run then returns as usual.
    void StopRun();
    bool isRunning() const { return JvCreateProcess1.isRunning(); }
    // The runner itself, for its stop grace.
    ProcessRunner& runner() { return JvCreateProcess1; }

    // A command that runs the emulator is under way (TEmulatorCommandScope).
    bool CommandActive = false;

  private:
    void takeLines(const QStringList& lines);
    void childEnded(int exitCode);
    void reportError(const QString& text);

    ActivityLog& log;
    Dialogs& dialogs;
    AppState& state;
    ProcessRunner JvCreateProcess1;
    // The result of the run under way, filled as its lines and its end arrive.
    TRunResult* current = nullptr;
    bool stopRequested = false;
    bool killed = false;
};
