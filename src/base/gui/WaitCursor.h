#pragma once
// The hourglass for the length of a scope: an emulator run, a verification, a scan.

#include <QApplication>
#include <QCursor>

class WaitCursor {
  public:
    explicit WaitCursor(bool show = true) : shown(show) {
        if (shown)
            QApplication::setOverrideCursor(Qt::WaitCursor);
    }
    ~WaitCursor() { release(); }
    // Back to the normal cursor now, before a message box.
    void release() {
        if (shown)
            QApplication::restoreOverrideCursor();
        shown = false;
    }
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;

  private:
    bool shown;
};
