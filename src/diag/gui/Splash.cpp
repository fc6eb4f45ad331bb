#include "diag/gui/Splash.h"

#include "base/ProgramTexts.h"
#include "diag/VersionString.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFrame>
#include <QLabel>
#include <QThread>
#include <QVBoxLayout>

QWidget* CreateSplash() {
    auto* splash = new QFrame(nullptr, Qt::SplashScreen | Qt::FramelessWindowHint);
    splash->setObjectName(QStringLiteral("Splash"));
    splash->setFrameShape(QFrame::Box);
    splash->setAttribute(Qt::WA_DeleteOnClose);
    auto* layout = new QVBoxLayout(splash);
    layout->setContentsMargins(40, 30, 40, 30);
    auto* name = new QLabel(ProgramName, splash);
    QFont font = name->font();
    font.setPointSize(font.pointSize() * 2);
    font.setBold(true);
    name->setFont(font);
    name->setAlignment(Qt::AlignCenter);
    auto* version = new QLabel(GetVersionString(), splash);
    version->setAlignment(Qt::AlignCenter);
    layout->addWidget(name);
    layout->addWidget(version);
    splash->adjustSize();
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
