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
// createConfig runs the emulator's "-createconfig" in MAMEPath and returns its exit code.
bool RunMameIniStartupCheck(AppState& state, Dialogs& dialogs, QWidget* owner,
                            const std::function<int()>& createConfig);
