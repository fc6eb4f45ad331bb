#pragma once
// What Verify Game and Verify All Games share: one game's run of the emulator, the verdict of
// a block with its debug trace, and the debug box that names the game.

#include "base/GameRow.h"
#include "emulator/EmulatorRun.h"
#include "gamelist/VerifyPlan.h"

#include <QString>
#include <QStringList>

struct TCommandContext;

// In debug mode, a plain box: lead + the game's name, verify name and status.
void DebugVerifyBox(TCommandContext& context, const char* lead, const QString& gameName,
                    const QString& verifyName, const QString& status);

// The verdict of a block; in debug mode with the boxes that trace it (each line when
// traceLines is set, then the flag found).
GameStatus BlockVerdict(TCommandContext& context, const QStringList& lines, const QString& verifyName,
                        bool traceLines);

// The emulator's lines for one game run on its own, or none with a log line when its name
// would reach the emulator as an option or a pattern.
TRunResult VerifyRun(TCommandContext& context, const TVerifyPlan& plan);
