#include "diag/gui/Splash.h"

#include "diag/gui/TAboutBox.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QScreen>
#include <QThread>

#include <memory>

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

void ShowSplashWhile(Dialogs& dialogs, int minimumMs, const std::function<void()>& createWindows) {
    const std::unique_ptr<QWidget> splash(CreateSplash(dialogs));
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        splash->move(screen->geometry().center() - splash->rect().center());
    splash->show();
    LongDelay(minimumMs);
    splash->repaint();
    createWindows();
    splash->close();
}
