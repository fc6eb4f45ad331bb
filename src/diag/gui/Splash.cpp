#include "diag/gui/Splash.h"

#include "diag/gui/TAboutBox.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QThread>

QWidget* CreateSplash(Dialogs& dialogs) {
    // The splash is gone before any command runs: its debug switch changes nothing.
    static bool debug = false;
    auto* splash = new TAboutBox(dialogs, debug);
    splash->setObjectName(QStringLiteral("Splash"));
    splash->MakeSplash();
    return splash;
}

void LongDelay(int milliseconds) {
    QElapsedTimer timer;
    timer.start();
    while (timer.elapsed() < milliseconds) {
        QCoreApplication::processEvents(QEventLoop::AllEvents);
        QThread::msleep(1);
    }
}
