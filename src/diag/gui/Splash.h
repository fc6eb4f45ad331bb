#pragma once

#include <functional>

class Dialogs;
class QWidget;

// The about box without its frame and OK button, shown while the program starts.
QWidget* CreateSplash(Dialogs& dialogs);

// Keeps the splash up for the given time, handling window messages meanwhile.
void LongDelay(int milliseconds);

// The start of the program behind the splash: it shows centred on the primary screen, stays
// up at least minimumMs, repaints, and goes once createWindows has run.
void ShowSplashWhile(Dialogs& dialogs, int minimumMs, const std::function<void()>& createWindows);
