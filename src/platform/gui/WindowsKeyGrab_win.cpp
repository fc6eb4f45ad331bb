#include "platform/gui/WindowsKeyGrab.h"

#include <windows.h>

namespace {

HHOOK hhkLowLevelKybd = nullptr;

// Called on the user-interface thread while it handles messages: keep it short.
LRESULT CALLBACK LowLevelKeyBoardProc(int nCode, WPARAM wParam, LPARAM lParam) {
    if (nCode == HC_ACTION &&
        (wParam == WM_KEYDOWN || wParam == WM_KEYUP || wParam == WM_SYSKEYDOWN || wParam == WM_SYSKEYUP)) {
        const auto* event = reinterpret_cast<const KBDLLHOOKSTRUCT*>(lParam);
        if (event->vkCode == VK_LWIN || event->vkCode == VK_RWIN)
            return 1;
    }
    return CallNextHookEx(hhkLowLevelKybd, nCode, wParam, lParam);
}

class HookKeyGrab : public WindowsKeyGrab {
  public:
    bool Grab() override {
        hhkLowLevelKybd =
            SetWindowsHookExW(WH_KEYBOARD_LL, LowLevelKeyBoardProc, GetModuleHandleW(nullptr), 0);
        return hhkLowLevelKybd != nullptr;
    }

    void Release() override {
        if (hhkLowLevelKybd)
            UnhookWindowsHookEx(hhkLowLevelKybd);
        hhkLowLevelKybd = nullptr;
    }
};

} // namespace

std::unique_ptr<WindowsKeyGrab> CreatePlatformKeyGrab() {
    return std::make_unique<HookKeyGrab>();
}
