#pragma once
// Playing the current game: the checks before the run, the run itself with the Windows keys
// held, and its record on the Log tab.

#include <QString>
#include <QStringList>

#include <memory>

struct TCommandContext;
class WindowsKeyGrab;

// Gives Play Game its handler; the run holds the two Windows keys through keyGrab.
void RegisterPlayCommands(TCommandContext& context, std::shared_ptr<WindowsKeyGrab> keyGrab = nullptr);

// Runs the emulator on the current row's game, keys held through keyGrab for the run.
void PlayGame(TCommandContext& context, WindowsKeyGrab& keyGrab);

// The lines that bracket a run on the Log tab.
void LogGameStart(TCommandContext& context, const QString& gameName);
void LogGameFinish(TCommandContext& context, const QStringList& output);
