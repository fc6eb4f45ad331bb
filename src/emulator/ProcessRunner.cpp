#include "emulator/ProcessRunner.h"

#include "platform/ProcessGroup.h"

#include <QTimer>

namespace {

// Bytes handed on per pass, so a child that writes fast never holds the event loop up;
// the rest waits in the process buffer for the next pass.
constexpr qint64 ReadPieceSize = 64 * 1024;

constexpr int SignalExitBase = 128;

} // namespace

ProcessRunner::ProcessRunner(QObject* parent) : QObject(parent) {
    process.setProcessChannelMode(QProcess::MergedChannels);
    // Nothing is ever written to the child: a read of its input ends at once.
    process.setStandardInputFile(QProcess::nullDevice());
    StartInOwnProcessGroup(process);
    connect(&process, &QProcess::readyReadStandardOutput, this, &ProcessRunner::readOutput);
    connect(&process, &QProcess::finished, this, &ProcessRunner::processEnded);
    connect(&process, &QProcess::errorOccurred, this, &ProcessRunner::processError);
}

ProcessRunner::~ProcessRunner() {
    if (process.state() != QProcess::NotRunning) {
        requestStop();
        if (!process.waitForFinished(3000))
            process.kill();
        process.waitForFinished(1000);
    }
}

bool ProcessRunner::start(const QString& workingDir, const QString& command) {
    if (running)
        return false;
    running = true;
    ended = false;
    endCode = 0;
    QString discarded;
    builder.finish(discarded);
    process.setWorkingDirectory(workingDir);
    process.start(shell, {QStringLiteral("-c"), ShellLineSurvivingStop(command)}, QIODevice::ReadOnly);
    return true;
}

void ProcessRunner::requestStop() {
    StopProcessGroup(process);
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
