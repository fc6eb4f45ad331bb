#pragma once
// A child runs in a process group of its own, so that a stop request, and a kill when the
// request is not obeyed, reach the child and everything it started.

#include <QtGlobal>

class QProcess;

// Makes process start its child as the leader of a new process group.
void StartInOwnProcessGroup(QProcess& process);

// The group of the child process has just started: its process id, as it leads the group.
qint64 ProcessGroupOf(const QProcess& process);

// Asks the child's whole process group to end (SIGTERM).
void StopProcessGroup(QProcess& process, qint64 group);
// Ends the child's whole process group at once (SIGKILL), even after the child itself has ended.
void KillProcessGroup(QProcess& process, qint64 group);
