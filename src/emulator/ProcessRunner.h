#pragma once
// Runs one shell command line at a time as a child process and hands its merged output
// back line by line, then its exit code. Everything is signalled on the owner's thread.

#include "emulator/LineBuilder.h"

#include <QObject>
#include <QProcess>
#include <QString>

class ProcessRunner : public QObject {
    Q_OBJECT
  public:
    explicit ProcessRunner(QObject* parent = nullptr);
    ~ProcessRunner() override;

    // The shell that runs the command lines, "/bin/sh" unless set.
    void setShell(const QString& shellPath) { shell = shellPath; }
    QString shellPath() const { return shell; }

    // Starts shell -c command in workingDir. Returns false, doing nothing, while a child runs.
    // Ends with either finished or startFailed.
    bool start(const QString& workingDir, const QString& command);
    // True from start until finished or startFailed has been signalled.
    bool isRunning() const { return running; }
    // Asks the child and everything it started to end (SIGTERM to its process group);
    // finished follows as usual once it has.
    void requestStop();

  signals:
    // The lines one piece of output completed, in order.
    void linesRead(const QStringList& lines);
    // After the last line. A child ended by a signal reports 128 + the signal number,
    // as the shell does for its own children.
    void finished(int exitCode);
    void startFailed(const QString& systemText);

  private:
    void readOutput();
    void scheduleRead();
    void processEnded(int exitCode, QProcess::ExitStatus status);
    void processError(QProcess::ProcessError error);
    void completeIfDrained();

    QProcess process;
    LineBuilder builder;
    QString shell = QStringLiteral("/bin/sh");
    bool running = false;
    bool ended = false;
    bool readScheduled = false;
    int endCode = 0;
};
