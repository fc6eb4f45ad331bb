#pragma once
// Contrast between colours as the eye sees it, and a text colour that stays readable on a fill.

#include <QColor>

// The contrast ratio of two colours from their relative luminance: 1 (none) to 21.
double ContrastRatio(const QColor& first, const QColor& second);

// preferred when it stands out enough on fill for short texts (a ratio of at least 3),
// otherwise black or white, whichever stands out more.
QColor ReadableTextColour(const QColor& fill, const QColor& preferred);
