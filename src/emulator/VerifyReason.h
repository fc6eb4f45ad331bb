#pragma once
// Why a verified set got its status, read from the same lines of the emulator that gave the
// status, and said in a player's words. The emulator only names the files it has something to
// say about, one line each ("pacman      : pacman.6h (4096 bytes) - NOT FOUND"), so the figures
// count those files, not the set's whole list.

#include "base/GameRow.h"

#include <QList>
#include <QString>
#include <QStringList>

// Files missing that belong to another set (a parent, a BIOS or a device): "NOT FOUND (name)".
struct TMissingElsewhere {
    QString set;
    int files = 0;

    bool operator==(const TMissingElsewhere&) const = default;
};

struct TVerifyReason {
    int missing = 0; // every file "NOT FOUND", those of other sets included
    QList<TMissingElsewhere> elsewhere;
    int wrongChecksum = 0;
    int wrongLength = 0;
    int noGoodDump = 0; // found or not: the emulator knows no good dump to check it against
    int optionalMissing = 0;
    QStringList disksMissing; // CHD images: named without a size
    bool noneFound = false;   // romset "name" not found!
    bool unknownName = false; // No matching systems found for 'name'
    bool bestAvailable = false;
    QString parentSet;   // the name in brackets of "romset name [parent] is ..."
    QString verdictLine; // the line the status came from, or the last line said about the set

    bool operator==(const TVerifyReason&) const = default;
};

TVerifyReason ReadVerifyReason(const QStringList& lines);

// "Bad: ...", "?: ...", "? (best available): ..." or "Good: ...".
QString VerifyReasonText(const TVerifyReason& reason, GameStatus status);

// The names of the other sets whose missing files make the set bad.
QStringList SetsNeeded(const TVerifyReason& reason);
