#pragma once
// Makes a named style current for the whole program, or gives one window alone its look.

#include <QString>

class QStyle;
class QWidget;

// Notes the desktop's own style and palette, which "Windows" returns to. Call once, after
// the application object exists and before any style is applied.
void RememberDesktopStyle();

// Makes the style current for every window at once and returns its name as the program
// carries it. An unknown name throws AppError naming the style.
QString SetCurrentStyle(const QString& name);

// The style made current last; "Windows" until one is.
QString CurrentStyleName();

// Gives widget and everything in it the look of the style, leaving the rest of the program
// as it is. The returned style object draws them: its owner must keep it until the widgets
// are gone. Unknown names throw AppError.
QStyle* ApplyStyleToWidget(QWidget* widget, const QString& name);
