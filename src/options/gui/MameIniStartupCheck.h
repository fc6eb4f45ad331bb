#pragma once
// The start-up step that makes sure the emulator's configuration file exists and reads it.

#include "base/AppState.h"

#include <QString>

#include <functional>

class Dialogs;
class QWidget;

// Runs the emulator's "-createconfig" when the file is missing, then checks and reads the file
// into state, showing the readconfig warning and, in debug mode, the "Found: " message on the way.
// Returns false after showing the error box when the program must end.
// execNewProcess(folder, command) returns the exit code; createConfigCommand(mamePath, mameExe)
// gives the command text that asks the emulator for a default file.
bool RunMameIniStartupCheck(
    AppState& state, Dialogs& dialogs, QWidget* owner,
    const std::function<int(const QString& dir, const QString& command)>& execNewProcess,
    const std::function<QString(const QString& mamePath, const QString& mameExe)>& createConfigCommand);
