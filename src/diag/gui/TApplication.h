#pragma once
// The application object: no exception may cross the event loop uncaught.

#include <QApplication>

class Dialogs;

// Gives the program its name and its desktop entry. No display name is set: the window system
// would append one to every window's title ("Confirm — Pellmora"), and each title is the
// program's own text.
void NameTheProgram();

class TApplication : public QApplication {
  public:
    TApplication(int& argc, char** argv);
    void SetDialogs(Dialogs* dialogs);
    bool notify(QObject* receiver, QEvent* event) override;

  private:
    Dialogs* dialogs = nullptr;
};
