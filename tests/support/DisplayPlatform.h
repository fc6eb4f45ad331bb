#pragma once
// The suite runs offscreen; a test of what the window system itself does uses the display when
// there is one.

#include <QByteArray>
#include <QtGlobal>

inline void UseTheDisplayWhenThere() {
    if (!qEnvironmentVariableIsEmpty("DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "xcb");
}
