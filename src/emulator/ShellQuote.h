#pragma once
// Quoting of paths and names the way a shell reads them, for the command texts the log shows.

#include <QString>
#include <QStringList>

// The text as one /bin/sh word: unchanged when it holds only characters the shell
// never treats specially, otherwise in single quotes (an embedded ' becomes '\'').
QString ShellQuote(const QString& text);

// The words a shell would make of typed text, without running anything: blanks separate words,
// single quotes keep everything literally, double quotes keep blanks (a backslash there escapes
// only $ ` " and itself), a backslash outside quotes keeps the next character. No expansion of
// any kind: $, backquotes, ; and the like stay plain characters. An unclosed quote runs to the end.
QStringList ShellWords(const QString& typed);
