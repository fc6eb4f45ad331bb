#pragma once
// Runs one program at a time as a child process, started without a shell, and hands its output
// back line by line, then its exit code. Everything is signalled on the owner's thread.

#include "emulator/LineBuilder.h"

#include <QObject>
#include <QProcess>
#include <QString>
#include <QStringList>
#include <QTimer>

class ProcessRunner : public QObject {
    Q_OBJECT
  public:
    explicit ProcessRunner(QObject* parent = nullptr);
    ~ProcessRunner() override;

    // Starts program with arguments in workingDir. Its standard output and error output come
    // back merged as lines, unless standardOutputFile is set: then standard output goes into
    // that file and only the error output comes back. Returns false, doing nothing, while a
    // child runs. Ends with either finished or startFailed.
    bool start(const QString& workingDir, const QString& program, const QStringList& arguments,
               const QString& standardOutputFile = {});
    // True from start until finished or startFailed has been signalled.
    bool isRunning() const { return running; }
    // Asks the child and everything it started to end (SIGTERM to its process group); when
    // they have not ended after the stop grace, kills them (killedAfterGrace). finished follows
    // as usual once the child has ended.
    void requestStop();
    void setStopGraceMs(int ms) { stopGrace.setInterval(ms); }
    int stopGraceMs() const { return stopGrace.interval(); }

  signals:
    // The lines one piece of output completed, in order.
    void linesRead(const QStringList& lines);
    // After the last line. A child ended by a signal reports 128 + the signal number,
    // as a shell does for its children.
    void finished(int exitCode);
    void startFailed(const QString& systemText);
    // A stop request was not obeyed within the grace: the child and its children were killed.
    void killedAfterGrace();

  private:
    void readOutput();
    void scheduleRead();
    void processStarted();
    void processEnded(int exitCode, QProcess::ExitStatus status);
    void processError(QProcess::ProcessError error);
    void completeIfDrained();
    void killAfterGrace();

    QProcess process;
    LineBuilder builder;
    QTimer stopGrace;
    qint64 group = 0;
    bool running = false;
    bool ended = false;
    bool readScheduled = false;
    int endCode = 0;
};
