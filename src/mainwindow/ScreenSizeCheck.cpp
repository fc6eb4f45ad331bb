#include "mainwindow/ScreenSizeCheck.h"

QString ScreenSizeWarning(QSize screen) {
    if (screen.width() >= 800 && screen.height() >= 600)
        return QString();
    return QStringLiteral("Current screen resolution is %1 x %2\nThe recommended minimum size is 800 x 600")
        .arg(screen.width())
        .arg(screen.height());
}
