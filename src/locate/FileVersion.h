#pragma once
// The version of an emulator executable, read from the file itself: the program is never run.

#include <QString>

// "major.minor.release.build" in plain decimal, or "0.0.0.0" when the file carries no
// version we can read (missing, unreadable, not an executable, no version record).
// An ELF emulator carries its version as the text "0.251 (revision)", which reads
// "0.251.0.0"; a Windows executable carries a fixed file version record.
QString GetFileVersion(const QString& fileName);

// The version text of no version information.
inline const QString NoFileVersion = QStringLiteral("0.0.0.0");
