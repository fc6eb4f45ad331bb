#include "platform/FatalSignalLog.h"

// Not written here yet (an unhandled-exception filter would be the way): a crash ends the
// program without a log of its own.
void InstallFatalSignalLog(const TFatalSignalLogSetup&) {}
