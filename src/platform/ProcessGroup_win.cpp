#include "platform/ProcessGroup.h"

#include <QProcess>

void StartInOwnProcessGroup(QProcess&) {
    // The close request of StopProcessGroup reaches the child's windows without a group.
}

qint64 ProcessGroupOf(const QProcess& process) {
    return process.processId();
}

void StopProcessGroup(QProcess& process, qint64) {
    process.terminate();
}

void KillProcessGroup(QProcess& process, qint64) {
    process.kill();
}
