#pragma once
// Turns a folder value from the emulator's configuration file into the folder it names.

#include <QString>

// Expands environment references the way the emulator does ($NAME, ${NAME}, a leading "~");
// an unset variable expands to nothing. A result that does not begin with "/" is relative to
// the emulator folder mamePath. The folder returned ends with "/"; an empty value gives mamePath.
QString ApplyFolderRule(const QString& mamePath, const QString& value);

// The environment expansion alone.
QString ExpandEnvironmentReferences(const QString& value);
