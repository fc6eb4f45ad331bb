#pragma once
// The program's visual styles: a palette over the Fusion style for each name, and "Windows",
// the desktop's own style and palette.

#include <QPalette>
#include <QStringList>

#include <optional>

// The name of the desktop's own look.
inline const QString DesktopStyleName = QStringLiteral("Windows");

// Every style name, "Windows" among them, sorted alphabetically without regard to case.
QStringList StyleNames();

// The name as the program carries it when name matches one ignoring case; none otherwise.
std::optional<QString> KnownStyleName(const QString& name);

// The palette of a carried style; none for "Windows" and for unknown names.
std::optional<QPalette> SkinPalette(const QString& name);
