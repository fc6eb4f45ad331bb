#pragma once
// The emulator's own configuration file: one option per line, the name, blanks, the value.
// Never cached: every read opens the file and every write rewrites it whole.

#include <QString>

#include <functional>

// The emulator's configuration file in its folder, whatever the letter case of its name.
QString MameIniPath(const QString& mamePath);

// The value of the first line whose name matches, trimmed; def when no line matches.
// Throws AppError when the file cannot be read.
QString ReadINISetting(const QString& iniFile, const QString& name, const QString& def);

// Called with the new value just before a matching line is replaced.
using INISettingFound = std::function<void(const QString& value)>;

// Replaces the first matching line with the name padded to 25 characters, a blank and the value,
// or appends that line; rewrites the file in its own encoding with CR LF line ends.
// Returns whether a matching line was found. Throws AppError when the file cannot be read or written.
bool WriteINISetting(const QString& iniFile, const QString& name, const QString& value,
                     const INISettingFound& onFound = {});
