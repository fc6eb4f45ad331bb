// The platform's hold on the two Windows keys, against a real X server: while held, another
// client cannot grab Super_L; once released it can. Needs an X display (run under xvfb-run);
// skipped where there is none, as under the test suite's offscreen platform.

#include "platform/gui/WindowsKeyGrab.h"
#include "support/DisplayPlatform.h"

#include <QGuiApplication>
#include <QtTest>

#if __has_include(<xcb/xcb.h>)
#include <xcb/xcb.h>

#include <cstdlib>

namespace {

constexpr xcb_keysym_t SuperL = 0xffeb;

// Whether a client of its own may grab Super_L on the root window (and lets it go at once).
bool OtherClientCanGrabSuperL() {
    xcb_connection_t* other = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(other))
        return false;
    const xcb_setup_t* setup = xcb_get_setup(other);
    const xcb_window_t root = xcb_setup_roots_iterator(setup).data->root;
    const int count = setup->max_keycode - setup->min_keycode + 1;
    xcb_get_keyboard_mapping_reply_t* mapping = xcb_get_keyboard_mapping_reply(
        other, xcb_get_keyboard_mapping(other, setup->min_keycode, uint8_t(count)), nullptr);
    xcb_keycode_t code = 0;
    const xcb_keysym_t* keysyms = xcb_get_keyboard_mapping_keysyms(mapping);
    for (int k = 0; k < count && code == 0; ++k) {
        if (keysyms[k * mapping->keysyms_per_keycode] == SuperL)
            code = xcb_keycode_t(setup->min_keycode + k);
    }
    std::free(mapping);
    xcb_generic_error_t* error =
        xcb_request_check(other, xcb_grab_key_checked(other, 0, root, XCB_MOD_MASK_ANY, code,
                                                      XCB_GRAB_MODE_ASYNC, XCB_GRAB_MODE_ASYNC));
    const bool granted = code != 0 && !error;
    std::free(error);
    xcb_disconnect(other);
    return granted;
}

} // namespace
#endif

class TestWindowsKeyGrab : public QObject {
    Q_OBJECT
  private slots:
    void heldWhileGrabbedAndFreeAfter();
};

void TestWindowsKeyGrab::heldWhileGrabbedAndFreeAfter() {
#if __has_include(<xcb/xcb.h>)
    if (QGuiApplication::platformName() != QLatin1String("xcb"))
        QSKIP("no X display: run under xvfb-run");
    QVERIFY(OtherClientCanGrabSuperL());
    const auto grab = CreatePlatformKeyGrab();
    QVERIFY(grab->Grab());
    QVERIFY(!OtherClientCanGrabSuperL());
    grab->Release();
    QVERIFY(OtherClientCanGrabSuperL());
#else
    QSKIP("built without X11 support");
#endif
}

int main(int argc, char** argv) {
    UseTheDisplayWhenThere();
    QGuiApplication app(argc, argv);
    TestWindowsKeyGrab test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_windowskeygrab.moc"
