#pragma once
// Game and file names compare ignoring letter case by folding the letters A to Z only, so
// that no locale's case rules change what matches.

#include <QString>
#include <QStringView>

inline QChar AsciiLower(QChar c) {
    return c >= QLatin1Char('A') && c <= QLatin1Char('Z') ? QChar(c.unicode() + 32) : c;
}

inline QChar AsciiUpper(QChar c) {
    return c >= QLatin1Char('a') && c <= QLatin1Char('z') ? QChar(c.unicode() - 32) : c;
}

QString AsciiLower(QStringView text);
QString AsciiUpper(QStringView text);

// Whether text holds loweredNeedle (already folded with AsciiLower) ignoring the case of
// A to Z. An empty needle is found in any text.
bool ContainsIgnoringAsciiCase(QStringView text, QStringView loweredNeedle);
