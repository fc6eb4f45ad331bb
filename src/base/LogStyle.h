#pragma once
// Colours and font styles of the activity log, and which texts are warnings or errors.

#include <QString>

#include <cstdint>

// A 24-bit colour whose lowest byte is red, then green, then blue.
using TColor = std::uint32_t;
constexpr TColor clBlack = 0x000000;
constexpr TColor clRed = 0x0000FF;
constexpr TColor clGreen = 0x008000;
constexpr TColor clBlue = 0xFF0000;
constexpr TColor clYellow = 0x00FFFF;

enum TFontStyle { fsBold = 1, fsItalic = 2, fsUnderline = 4, fsStrikeOut = 8 };
using TFontStyles = int;

enum class LogKind { Normal, Warning, Error };

// A text is a warning when it contains "warning" in any case, otherwise an error when it contains "error".
LogKind ClassifyLogText(const QString& text);
