#include "platform/ProcessGroup.h"

#include <QProcess>

#include <csignal>
#include <unistd.h>

void StartInOwnProcessGroup(QProcess& process) {
    process.setChildProcessModifier([] { ::setpgid(0, 0); });
}

qint64 ProcessGroupOf(const QProcess& process) {
    return process.processId();
}

void StopProcessGroup(QProcess&, qint64 group) {
    if (group > 0)
        ::kill(-static_cast<pid_t>(group), SIGTERM);
}

void KillProcessGroup(QProcess&, qint64 group) {
    if (group > 0)
        ::kill(-static_cast<pid_t>(group), SIGKILL);
}
