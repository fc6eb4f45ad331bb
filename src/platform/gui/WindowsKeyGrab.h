#pragma once
// Swallowing the two Windows keys (Super_L and Super_R under X11) desktop-wide while a game
// runs, so the desktop's own menus do not open over the game.

#include <memory>

class WindowsKeyGrab {
  public:
    virtual ~WindowsKeyGrab() = default;
    // Starts swallowing both keys; false, with nothing held, when the platform refuses
    // (no X11 display, Wayland, a grab another program holds).
    virtual bool Grab() = 0;
    // Lets both keys through again; only called after a Grab that succeeded.
    virtual void Release() = 0;
};

// The platform's own: under X11 a passive grab of both keys on the root window, on Windows a
// low-level keyboard hook; elsewhere Grab fails.
std::unique_ptr<WindowsKeyGrab> CreatePlatformKeyGrab();
