#include "emulator/ProcessRunner.h"

#include "platform/ProcessGroup.h"

namespace {

// Bytes handed on per pass, so a child that writes fast never holds the event loop up;
// the rest waits in the process buffer for the next pass.
constexpr qint64 ReadPieceSize = 64 * 1024;

constexpr int SignalExitBase = 128;

// How long a stopped child may take to end before it is killed.
constexpr int DefaultStopGraceMs = 3000;

} // namespace

ProcessRunner::ProcessRunner(QObject* parent) : QObject(parent) {
    // Nothing is ever written to the child: a read of its input ends at once.
    process.setStandardInputFile(QProcess::nullDevice());
    StartInOwnProcessGroup(process);
    stopGrace.setSingleShot(true);
    stopGrace.setInterval(DefaultStopGraceMs);
    connect(&stopGrace, &QTimer::timeout, this, &ProcessRunner::killAfterGrace);
    connect(&process, &QProcess::readyReadStandardOutput, this, &ProcessRunner::readOutput);
    connect(&process, &QProcess::readyReadStandardError, this, &ProcessRunner::readOutput);
    connect(&process, &QProcess::started, this, &ProcessRunner::processStarted);
    connect(&process, &QProcess::finished, this, &ProcessRunner::processEnded);
    connect(&process, &QProcess::errorOccurred, this, &ProcessRunner::processError);
}

ProcessRunner::~ProcessRunner() {
    if (process.state() != QProcess::NotRunning) {
        StopProcessGroup(process, group);
        if (!process.waitForFinished(stopGrace.interval()))
            KillProcessGroup(process, group);
        process.waitForFinished(1000);
    }
}

bool ProcessRunner::start(const QString& workingDir, const QString& program, const QStringList& arguments,
                          const QString& standardOutputFile) {
    if (running)
        return false;
    running = true;
    ended = false;
    endCode = 0;
    group = 0;
    QString discarded;
    builder.finish(discarded);
    // A standard output going into a file leaves the error output as the lines to read.
    const bool toFile = !standardOutputFile.isEmpty();
    process.setProcessChannelMode(toFile ? QProcess::SeparateChannels : QProcess::MergedChannels);
    process.setStandardOutputFile(standardOutputFile);
    process.setReadChannel(toFile ? QProcess::StandardError : QProcess::StandardOutput);
    process.setWorkingDirectory(workingDir);
    process.start(program, arguments, QIODevice::ReadOnly);
    return true;
}

void ProcessRunner::processStarted() {
    group = ProcessGroupOf(process);
}

void ProcessRunner::requestStop() {
    if (!running || group <= 0)
        return;
    StopProcessGroup(process, group);
    if (!stopGrace.isActive())
        stopGrace.start();
}

void ProcessRunner::killAfterGrace() {
    if (!running || ended)
        return;
    KillProcessGroup(process, group);
    emit killedAfterGrace();
}

void ProcessRunner::scheduleRead() {
    if (readScheduled)
        return;
    readScheduled = true;
    QTimer::singleShot(0, this, [this] {
        readScheduled = false;
        readOutput();
    });
}

void ProcessRunner::readOutput() {
    const QByteArray bytes = process.read(ReadPieceSize);
    if (!bytes.isEmpty()) {
        QStringList lines;
        builder.feed(bytes, lines);
        if (!lines.isEmpty())
            emit linesRead(lines);
    }
    if (process.bytesAvailable() > 0)
        scheduleRead();
    else
        completeIfDrained();
}

void ProcessRunner::processEnded(int exitCode, QProcess::ExitStatus status) {
    if (!running || ended)
        return;
    ended = true;
    stopGrace.stop();
    endCode = status == QProcess::CrashExit ? SignalExitBase + exitCode : exitCode;
    if (process.bytesAvailable() > 0)
        scheduleRead();
    else
        completeIfDrained();
}

void ProcessRunner::completeIfDrained() {
    if (!ended || !running || readScheduled || process.bytesAvailable() > 0)
        return;
    QString lastLine;
    if (builder.finish(lastLine))
        emit linesRead({lastLine});
    running = false;
    emit finished(endCode);
}

void ProcessRunner::processError(QProcess::ProcessError error) {
    if (error != QProcess::FailedToStart || !running || ended)
        return;
    running = false;
    emit startFailed(process.errorString());
}
