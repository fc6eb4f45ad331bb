#pragma once
// Verifying many games in one emulator run: which names go into one -verifyroms command, and
// how that run's output is shared out among the sets it named.
//
// The emulator answers several names in its own order; it says nothing about a set it found no
// files for, names only the first name it does not know, and ends with a count line for the
// whole run. So a set's lines are recognised by what they name, and a set that got no verdict
// line must be asked again on its own to hear the emulator's own words about it.

#include <QHash>
#include <QSet>
#include <QString>
#include <QStringList>

// One run starts the emulator and loads its list of 45,000 machines (about half a second), then
// takes about 1.3 ms per set; so past several hundred names a batch gains little, while its
// first row waits for all of it. The command stays far below the limits for one command line:
// cmd.exe takes 8,191 characters, and /bin/sh -c's text is one argument of at most 128 KiB.
// The length binds first for most collections (about 700 names of 8 to 9 letters).
struct TVerifyBatchLimits {
    int maxNames = 1000;
    qsizetype maxCommandLength = 8000;
};

// The names of one batch, gathered one by one until the limits are reached. The first name
// always goes in; a name that only differs from one already in by its ASCII case adds nothing.
class TVerifyBatch {
  public:
    // baseLength: the command's length without the names.
    TVerifyBatch(qsizetype baseLength, const TVerifyBatchLimits& limits);
    // False, leaving the batch as it was, when the name would take it over a limit.
    bool Add(const QString& verifyName);
    bool Holds(const QString& verifyName) const;
    // Distinct names in the order added.
    const QStringList& Names() const { return names; }

  private:
    TVerifyBatchLimits limits;
    qsizetype length;
    QStringList names;
    QSet<QString> keys;
};

// What one run said about one set.
struct TSetVerifyLines {
    QStringList lines;
    // It got a "romset NAME ... is ..." verdict line; lines then end with the count line a
    // run for this set alone ends with.
    bool verdict = false;
};

// The output of "-verifyroms NAME NAME ..." shared out among the names (keys: the names
// ASCII lower-cased): lines starting with the set's name padded and ": ", the lines that
// follow such a line up to the set's verdict (the expected and found hashes), the set's
// "romset" lines, and lines naming its archive or folder. Lines naming no set are dropped.
QHash<QString, TSetVerifyLines> SplitVerifyOutput(const QStringList& lines, const QStringList& names);
