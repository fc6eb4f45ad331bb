#pragma once
// The application object: no exception may cross the event loop uncaught.

#include <QApplication>

class Dialogs;

class TApplication : public QApplication {
  public:
    TApplication(int& argc, char** argv);
    void SetDialogs(Dialogs* dialogs);
    bool notify(QObject* receiver, QEvent* event) override;

  private:
    Dialogs* dialogs = nullptr;
};
