#pragma once

class QWidget;

// The borderless window with the program's name and version shown while the program starts.
QWidget* CreateSplash();

// Keeps the splash up for the given time, handling window messages meanwhile.
void LongDelay(int milliseconds);
