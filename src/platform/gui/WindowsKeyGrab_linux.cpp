#include "platform/gui/WindowsKeyGrab.h"

#include <QGuiApplication>

#ifdef PELLMORA_HAVE_XCB
#include <xcb/xcb.h>

#include <cstdlib>
#include <vector>

namespace {

constexpr xcb_keysym_t SuperL = 0xffeb;
constexpr xcb_keysym_t SuperR = 0xffec;

struct FreeDeleter {
    void operator()(void* pointer) const { std::free(pointer); }
};

// Every key code that carries Super_L or Super_R at any shift level.
std::vector<xcb_keycode_t> SuperKeyCodes(xcb_connection_t* connection) {
    const xcb_setup_t* setup = xcb_get_setup(connection);
    const int count = setup->max_keycode - setup->min_keycode + 1;
    const std::unique_ptr<xcb_get_keyboard_mapping_reply_t, FreeDeleter> mapping(
        xcb_get_keyboard_mapping_reply(
            connection, xcb_get_keyboard_mapping(connection, setup->min_keycode, static_cast<uint8_t>(count)),
            nullptr));
    std::vector<xcb_keycode_t> codes;
    if (!mapping)
        return codes;
    const xcb_keysym_t* keysyms = xcb_get_keyboard_mapping_keysyms(mapping.get());
    const int perCode = mapping->keysyms_per_keycode;
    for (int code = 0; code < count; ++code) {
        for (int level = 0; level < perCode; ++level) {
            const xcb_keysym_t keysym = keysyms[code * perCode + level];
            if (keysym == SuperL || keysym == SuperR) {
                codes.push_back(static_cast<xcb_keycode_t>(setup->min_keycode + code));
                break;
            }
        }
    }
    return codes;
}

class X11KeyGrab : public WindowsKeyGrab {
  public:
    bool Grab() override {
        auto* x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
        connection = x11 ? x11->connection() : nullptr;
        if (!connection)
            return false;
        root = xcb_setup_roots_iterator(xcb_get_setup(connection)).data->root;
        const std::vector<xcb_keycode_t> codes = SuperKeyCodes(connection);
        for (const xcb_keycode_t code : codes) {
            // With any modifiers held; fails when another program holds a grab on the key.
            const std::unique_ptr<xcb_generic_error_t, FreeDeleter> error(xcb_request_check(
                connection, xcb_grab_key_checked(connection, 0, root, XCB_MOD_MASK_ANY, code,
                                                 XCB_GRAB_MODE_ASYNC, XCB_GRAB_MODE_ASYNC)));
            if (error) {
                Release();
                return false;
            }
            grabbed.push_back(code);
        }
        xcb_flush(connection);
        return !grabbed.empty();
    }

    void Release() override {
        for (const xcb_keycode_t code : grabbed)
            xcb_ungrab_key(connection, code, root, XCB_MOD_MASK_ANY);
        grabbed.clear();
        if (connection)
            xcb_flush(connection);
    }

  private:
    xcb_connection_t* connection = nullptr;
    xcb_window_t root = 0;
    std::vector<xcb_keycode_t> grabbed;
};

} // namespace

std::unique_ptr<WindowsKeyGrab> CreatePlatformKeyGrab() {
    return std::make_unique<X11KeyGrab>();
}

#else

namespace {

// Without X11 support there is no way to hold the keys: the grab always fails.
class NoKeyGrab : public WindowsKeyGrab {
  public:
    bool Grab() override { return false; }
    void Release() override {}
};

} // namespace

std::unique_ptr<WindowsKeyGrab> CreatePlatformKeyGrab() {
    return std::make_unique<NoKeyGrab>();
}

#endif
