#pragma once
// What verifying one row of the list means, worked out once and used by Verify Game and Verify
// All alike: whether the row is a game, the name the emulator knows it by, why that name must
// not reach the emulator, and the command that verifies it.

#include "base/GameRow.h"
#include "emulator/CommandTexts.h"

#include <QString>

struct TVerifyPlan {
    QString fileDir;
    // The set's name, and the same ASCII lower-cased: how a run's output names the set.
    QString verifyName;
    QString key;
    // Why the emulator must not be asked about the name (an option, a pattern); empty when it may.
    QString refusal;

    // The empty list's blank row (no File/Dir) is no game: no run, no block, no count.
    bool IsGame() const { return !fileDir.isEmpty(); }
    bool MayRun() const { return IsGame() && refusal.isEmpty(); }
    // The emulator's arguments for this row on its own.
    TEmulatorArgs Command() const { return VerifyRomsArgs(fileDir); }
    // The log line of a game that gets no run.
    QString RefusalLogLine() const;
};

TVerifyPlan PlanVerify(const GameRow& game);
