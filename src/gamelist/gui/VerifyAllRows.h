#pragma once
// The loop of Verify All Games: each row selected, its progress shown, Stop checked, its Game
// Name looked up, its status from the emulator and its block of the report. The emulator is
// asked about many rows in one run; each row still gets the status and block a run of its
// own would give.

#include "emulator/VerifyBatch.h"

#include <QStringList>

struct TCommandContext;
class TSupportedGames;

// Every row from 1 on until the user stops it; unknown rows only count when skipUnknown is
// set. Returns the report's lines of the rows verified. Limits of one name verify each row in
// a run of its own.
QStringList VerifyAllRows(TCommandContext& context, const TSupportedGames& supported, bool skipUnknown,
                          const TVerifyBatchLimits& limits = {});
