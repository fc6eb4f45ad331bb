#include "platform/ProcessGroup.h"

#include <QProcess>

void StartInOwnProcessGroup(QProcess&) {
    // The close request of StopProcessGroup reaches the child's windows without a group.
}

QString ShellLineSurvivingStop(const QString& command) {
    return command;
}

void StopProcessGroup(QProcess& process) {
    process.terminate();
}
