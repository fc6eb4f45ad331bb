#include "platform/gui/TaskbarProgress.h"

#include <QObject>
#include <QProgressBar>

namespace {

// Lives as long as the bar it follows.
class TaskbarMirror : public QObject {
  public:
    TaskbarMirror(QProgressBar* bar, QWidget* window)
        : QObject(bar), bar(bar), button(CreatePlatformTaskbarProgress(window)) {
        connect(bar, &QProgressBar::valueChanged, this, &TaskbarMirror::Follow);
    }

  private:
    void Follow(int value) {
        const int span = bar->maximum() - bar->minimum();
        const bool visible = value > bar->minimum() && span > 0;
        button->Show(visible ? double(value - bar->minimum()) / span : 0.0, visible);
    }

    QProgressBar* bar;
    std::unique_ptr<TaskbarProgress> button;
};

} // namespace

void MirrorOnTaskbar(QProgressBar* bar, QWidget* window) {
    new TaskbarMirror(bar, window);
}
