#include "diag/gui/TApplication.h"

#include "base/ProgramTexts.h"
#include "diag/gui/ExceptionHandler.h"

#include <QWidget>

void NameTheProgram() {
    QApplication::setApplicationName(ProgramName);
    // The installed desktop entry: the desktop shows its icon and the task-bar progress on it.
    QGuiApplication::setDesktopFileName(DesktopEntryName);
}

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
