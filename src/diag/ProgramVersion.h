#pragma once
// The program's own version: four 16-bit numbers embedded when it is built.

#include <QString>

#include <optional>

struct TProgramVersion {
    unsigned Major = 0;
    unsigned Minor = 0;
    unsigned Release = 0;
    unsigned Build = 0;
};

// The numbers this executable was built with; none when the build did not embed them.
std::optional<TProgramVersion> EmbeddedProgramVersion();

// "Version " + major + "." + minor + " Release " + release + " Build " + build, or
// "No Version Information" without numbers.
QString FormatVersionString(const std::optional<TProgramVersion>& version);
