#pragma once
// What one run of the emulator is told and what it hands back.

#include <QString>
#include <QStringList>

struct TRunOptions {
    // Escape in the main window (and Stop in Verify All) may end the run. A game's own window
    // takes the keys while it plays, so Play is the one run that is not stoppable.
    bool stoppable = true;
    // When set, the emulator's standard output goes into this file and only its error output
    // comes back as lines (-listfull).
    QString standardOutputFile;
};

struct TRunResult {
    // The child's exit code; StartFailedCode when nothing ran.
    int exitCode = 0;
    // Every output line in arrival order.
    QStringList lines;
    // Ended by a stop request (Escape, Stop, closing the main window).
    bool stopped = false;

    static constexpr int StartFailedCode = -1;
};

// The log's words about a stop.
QString StopRequestedText();
QString StoppedText();
QString KilledText(int graceMs);
