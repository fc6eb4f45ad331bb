#pragma once
// A crash leaves a report too: a fatal signal (segmentation fault, abort, bus error, illegal
// instruction, floating-point error) writes an exception log before the program ends, with
// what can be gathered safely inside a signal handler: the signal, the program's version,
// its folders and the raw call stack (code addresses with their module and offset, for
// addr2line).

#include <QString>

struct TFatalSignalLogSetup {
    QString Folder; // where the log goes, ending in "/"
    QString Title;
    QString Version;
    QString CurrentPath;
    QString UserDataPath;
};

// Prepares everything the handler writes and installs it for the five signals. Calling it
// again replaces the prepared texts. After the log is written the signal ends the program
// as it would have without the handler.
void InstallFatalSignalLog(const TFatalSignalLogSetup& setup);
