// Launch: single instance, splash, windows, message loop.

#include "base/gui/QtDialogs.h"
#include "diag/gui/Splash.h"
#include "diag/gui/TApplication.h"
#include "mainwindow/gui/TForm1.h"
#include "platform/gui/SingleInstance.h"

#include <QScreen>
#include <QWidget>

int main(int argc, char** argv) {
    TApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Pellmora"));
    QApplication::setApplicationDisplayName(QStringLiteral("Pellmora"));

    SingleInstance instance(QCoreApplication::applicationFilePath());
    if (!instance.Register())
        return 0;

    QtDialogs dialogs;
    app.SetDialogs(&dialogs);

    QWidget* splash = CreateSplash();
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        splash->move(screen->geometry().center() - splash->rect().center());
    splash->show();
    LongDelay(2000);
    splash->repaint();

    TForm1 form(dialogs);
    splash->close();

    form.show();
    instance.SetWindow(&form);
    return app.exec();
}
