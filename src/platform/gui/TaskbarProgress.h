#pragma once
// The program's button on the task bar (or the dock's launcher) mirrors the progress bar of a
// long operation, so its progress shows while the window is covered or minimised.

#include <memory>

class QProgressBar;
class QWidget;

class TaskbarProgress {
  public:
    virtual ~TaskbarProgress() = default;
    // fraction from 0 to 1; visible false takes the progress off the button.
    virtual void Show(double fraction, bool visible) = 0;
};

// The platform's own: the Unity launcher entry signal on the session bus under Linux (read by
// KDE Plasma's task manager and the common docks), the task-bar list on Windows. Without a
// session bus nothing is sent.
std::unique_ptr<TaskbarProgress> CreatePlatformTaskbarProgress(QWidget* window);

// From now on every value of bar shows on the button of window: a value above the bar's
// minimum as its share of the range, the minimum itself as no progress at all.
void MirrorOnTaskbar(QProgressBar* bar, QWidget* window);
