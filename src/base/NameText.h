#pragma once
// Comparing and trimming names as the emulator's lists and the game list hold them.

#include <QStringView>

// Equal but for the case of the letters A to Z.
bool SameTextIgnoringAsciiCase(QStringView a, QStringView b);

// The text without leading and trailing blanks and control characters (codes up to 32).
QStringView TrimBlanksAndControls(QStringView text);
