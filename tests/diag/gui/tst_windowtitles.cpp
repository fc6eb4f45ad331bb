// A window's title is the program's text and nothing more: no " — Pellmora" that the window
// system appends when the application has a display name. Against a real X server the title
// the window manager reads is checked too (run under xvfb-run); offscreen that part is skipped.

#include "base/ProgramTexts.h"
#include "base/gui/QtDialogs.h"
#include "diag/gui/TApplication.h"
#include "support/DisplayPlatform.h"

#include <QDialog>
#include <QMessageBox>
#include <QtTest>

#include <memory>

#if __has_include(<xcb/xcb.h>)
#include <xcb/xcb.h>

#include <cstdlib>

namespace {

xcb_atom_t Atom(xcb_connection_t* connection, const char* name) {
    xcb_intern_atom_reply_t* reply = xcb_intern_atom_reply(
        connection, xcb_intern_atom(connection, 0, uint16_t(qstrlen(name)), name), nullptr);
    const xcb_atom_t atom = reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
    std::free(reply);
    return atom;
}

// The window's _NET_WM_NAME as the window manager reads it, from a connection of its own.
QString WindowManagerTitle(WId window) {
    xcb_connection_t* connection = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(connection))
        return QStringLiteral("(no X connection)");
    const xcb_atom_t name = Atom(connection, "_NET_WM_NAME");
    const xcb_atom_t utf8 = Atom(connection, "UTF8_STRING");
    xcb_get_property_reply_t* reply = xcb_get_property_reply(
        connection, xcb_get_property(connection, 0, xcb_window_t(window), name, utf8, 0, 1024), nullptr);
    QString title;
    if (reply)
        title = QString::fromUtf8(static_cast<const char*>(xcb_get_property_value(reply)),
                                  xcb_get_property_value_length(reply));
    std::free(reply);
    xcb_disconnect(connection);
    return title;
}

} // namespace
#endif

class TestWindowTitles : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase() { NameTheProgram(); }
    void noDisplayNameIsAppended();
    void titlesAreTheProgramsText_data();
    void titlesAreTheProgramsText();
};

void TestWindowTitles::noDisplayNameIsAppended() {
    QCOMPARE(QCoreApplication::applicationName(), ProgramName);
    // A display name of its own would stay when the application's name changes; without one it
    // follows the name, and the window system appends nothing to the titles.
    QCoreApplication::setApplicationName(QStringLiteral("Renamed"));
    const QString displayName = QGuiApplication::applicationDisplayName();
    QCoreApplication::setApplicationName(ProgramName);
    QCOMPARE(displayName, QStringLiteral("Renamed"));
}

void TestWindowTitles::titlesAreTheProgramsText_data() {
    QTest::addColumn<QString>("title");
    QTest::addColumn<bool>("messageBox");
    QTest::newRow("confirmation") << QStringLiteral("Confirm") << true;
    QTest::newRow("failure") << QStringLiteral("GENERAL EXCEPTION ERROR") << true;
    QTest::newRow("a dialog") << QStringLiteral("Change Style") << false;
}

void TestWindowTitles::titlesAreTheProgramsText() {
#if __has_include(<xcb/xcb.h>)
    if (QGuiApplication::platformName() != QLatin1String("xcb"))
        QSKIP("no X display: run under xvfb-run");
    QFETCH(QString, title);
    QFETCH(bool, messageBox);
    std::unique_ptr<QWidget> window;
    if (messageBox) {
        window.reset(
            BuildMessageBox(nullptr, {QStringLiteral("Are you sure?"), mtConfirmation, mbYes | mbNo, title}));
    } else {
        window = std::make_unique<QDialog>();
        window->setWindowTitle(title);
    }
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    QTRY_COMPARE(WindowManagerTitle(window->winId()), title);
#else
    QSKIP("built without X11 support");
#endif
}

int main(int argc, char** argv) {
    UseTheDisplayWhenThere();
    TApplication app(argc, argv);
    TestWindowTitles test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_windowtitles.moc"
