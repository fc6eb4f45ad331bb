#include "diag/gui/TApplication.h"

#include "diag/gui/ExceptionHandler.h"

#include <QWidget>

TApplication::TApplication(int& argc, char** argv) : QApplication(argc, argv) {}

void TApplication::SetDialogs(Dialogs* d) {
    dialogs = d;
}

bool TApplication::notify(QObject* receiver, QEvent* event) {
    bool handled = false;
    auto deliver = [&] { handled = QApplication::notify(receiver, event); };
    if (!dialogs) {
        deliver();
        return handled;
    }
    RunGuarded(*dialogs, activeWindow(), deliver);
    return handled;
}
