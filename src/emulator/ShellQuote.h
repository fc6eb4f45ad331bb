#pragma once
// Quoting of paths and names for /bin/sh command lines.

#include <QString>

// The text as one /bin/sh word: unchanged when it holds only characters the shell
// never treats specially, otherwise in single quotes (an embedded ' becomes '\'').
QString ShellQuote(const QString& text);
