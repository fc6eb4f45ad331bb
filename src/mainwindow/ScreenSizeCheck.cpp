#include "mainwindow/ScreenSizeCheck.h"

#include <QCoreApplication>

QString ScreenSizeWarning(QSize screen) {
    if (screen.width() >= 800 && screen.height() >= 600)
        return QString();
    return QCoreApplication::translate(
               "Startup", "Current screen resolution is %1 x %2\nThe recommended minimum size is 800 x 600")
        .arg(screen.width())
        .arg(screen.height());
}
