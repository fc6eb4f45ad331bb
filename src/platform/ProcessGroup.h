#pragma once
// A child started for a command line runs in a process group of its own, so that a stop
// request reaches the shell and everything it started.

#include <QString>

class QProcess;

// Makes process start its child as the leader of a new process group.
void StartInOwnProcessGroup(QProcess& process);

// The command line handed to the shell. A stop request must not kill the shell before the
// command it waits for: whatever the command writes on its way out is still collected and
// its exit code comes back through the shell.
QString ShellLineSurvivingStop(const QString& command);

// Asks the child's whole process group to end.
void StopProcessGroup(QProcess& process);
