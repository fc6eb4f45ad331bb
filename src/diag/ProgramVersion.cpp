#include "diag/ProgramVersion.h"

// Written at every build from the project version and the build number; absent in a build
// that does not generate it.
#if __has_include("ProgramVersionNumbers.h")
#include "ProgramVersionNumbers.h"
#endif

std::optional<TProgramVersion> EmbeddedProgramVersion() {
#ifdef PELLMORA_VERSION_MAJOR
    return TProgramVersion{PELLMORA_VERSION_MAJOR, PELLMORA_VERSION_MINOR, PELLMORA_VERSION_RELEASE,
                           PELLMORA_VERSION_BUILD};
#else
    return std::nullopt;
#endif
}

QString FormatVersionString(const std::optional<TProgramVersion>& version) {
    if (!version)
        return QStringLiteral("No Version Information");
    return QStringLiteral("Version %1.%2 Release %3 Build %4")
        .arg(version->Major)
        .arg(version->Minor)
        .arg(version->Release)
        .arg(version->Build);
}
