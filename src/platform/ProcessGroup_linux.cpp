#include "platform/ProcessGroup.h"

#include <QProcess>

#include <csignal>
#include <unistd.h>

void StartInOwnProcessGroup(QProcess& process) {
    process.setChildProcessModifier([] { ::setpgid(0, 0); });
}

QString ShellLineSurvivingStop(const QString& command) {
    // With a trap the shell does not die at once but waits for the command.
    return QStringLiteral("trap : TERM; ") + command;
}

void StopProcessGroup(QProcess& process) {
    const qint64 pid = process.processId();
    if (pid > 0)
        ::kill(-static_cast<pid_t>(pid), SIGTERM);
}
