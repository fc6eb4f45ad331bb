#pragma once

class Dialogs;
class QWidget;

// The about box without its frame and OK button, shown while the program starts.
QWidget* CreateSplash(Dialogs& dialogs);

// Keeps the splash up for the given time, handling window messages meanwhile.
void LongDelay(int milliseconds);
