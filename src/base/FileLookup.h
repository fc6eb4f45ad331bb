#pragma once
// Names on disk may differ in letter case from the names the program uses.

#include <QString>

// The full path of the entry of folder whose name equals name ignoring case (an exact
// match first); folder + name when there is none. folder ends with "/".
QString FindFileIgnoringCase(const QString& folder, const QString& name);

// Adds a trailing "/" when missing.
QString IncludeTrailingPathDelimiter(const QString& folder);
