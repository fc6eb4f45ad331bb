#include "platform/gui/TaskbarProgress.h"

#include <QWidget>

// clang-format off
#include <windows.h>
#include <shobjidl.h>
// clang-format on

namespace {

class TaskbarListProgress : public TaskbarProgress {
  public:
    explicit TaskbarListProgress(QWidget* window) : window(window) {}
    ~TaskbarListProgress() override {
        if (taskbar)
            taskbar->Release();
    }

    void Show(double fraction, bool visible) override {
        // Made on first use: the task bar's button exists once the window has been shown.
        if (!taskbar && !Connect())
            return;
        const HWND handle = reinterpret_cast<HWND>(window->winId());
        if (!visible) {
            taskbar->SetProgressState(handle, TBPF_NOPROGRESS);
            return;
        }
        taskbar->SetProgressState(handle, TBPF_NORMAL);
        taskbar->SetProgressValue(handle, ULONGLONG(fraction * 1000), 1000);
    }

  private:
    bool Connect() {
        if (FAILED(
                CoCreateInstance(CLSID_TaskbarList, nullptr, CLSCTX_INPROC_SERVER, IID_PPV_ARGS(&taskbar))))
            return false;
        if (SUCCEEDED(taskbar->HrInit()))
            return true;
        taskbar->Release();
        taskbar = nullptr;
        return false;
    }

    QWidget* window;
    ITaskbarList3* taskbar = nullptr;
};

} // namespace

std::unique_ptr<TaskbarProgress> CreatePlatformTaskbarProgress(QWidget* window) {
    return std::make_unique<TaskbarListProgress>(window);
}
