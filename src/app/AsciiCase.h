#pragma once
// Game and file names are compared ignoring the case of the ASCII letters only: other
// letters keep theirs, so a name never changes its length or meaning.

#include <QString>
#include <QStringView>

QString UpperCaseAscii(QStringView text);
QString LowerCaseAscii(QStringView text);
bool SameTextIgnoringAsciiCase(QStringView a, QStringView b);

// The text without leading and trailing blanks and control characters (codes up to 32).
QStringView TrimBlanksAndControls(QStringView text);
