#pragma once
// The launcher every emulator run goes through: runs one command line in a folder,
// keeps the window alive while it waits, logs the command, every output line and the
// exit code, and keeps the lines for the caller in CreateProcessOutput.

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

    // Runs Command (a /bin/sh command line) in Dir and returns its exit code, once every
    // output line is in CreateProcessOutput. Returns StartFailedCode, with nothing run,
    // when the child cannot be started or another one is still running.
    int ExecNewProcess(const QString& Dir, const QString& Command);
    // The main window's key handler passes its keys here; Escape asks the running child to
    // stop when AllowEscape is set. The key is not consumed.
    void FormKeyDown(int key);
    bool isRunning() const { return JvCreateProcess1.isRunning(); }
    // The runner itself, for the shell path.
    ProcessRunner& runner() { return JvCreateProcess1; }

    static constexpr int StartFailedCode = -1;

    // Output lines of the current or most recent run.
    QStringList CreateProcessOutput;
    // Exit code of the last child that ended.
    int JvCreateProcessExitCode = 0;
    // A command that runs the emulator is under way (TEmulatorCommandScope).
    bool CommandActive = false;

  public slots:
    void JvCreateProcess1Read(const QString& line);
    void JvCreateProcess1Terminate(int exitCode);

  private:
    void linesRead(const QStringList& lines);
    void reportError(const QString& text);

    ActivityLog& log;
    Dialogs& dialogs;
    AppState& state;
    ProcessRunner JvCreateProcess1;
};
