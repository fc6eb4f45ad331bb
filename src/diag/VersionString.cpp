#include "diag/VersionString.h"

#include "diag/ProgramVersion.h"

QString GetVersionString() {
    return FormatVersionString(EmbeddedProgramVersion());
}
