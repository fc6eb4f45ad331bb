#pragma once
// The about box "About...": the program's name and version, the maker's notice and pages.
// The version label is also the hidden switch of the debug mode. Without its OK button and
// frame it is the splash shown while the program starts.

#include <QDialog>

#include <functional>

class Dialogs;
class QFrame;
class QLabel;
class QPushButton;

class TAboutBox : public QDialog {
    Q_OBJECT
  public:
    // debug is the program's debug flag, switched by a double-click on the version label.
    TAboutBox(Dialogs& dialogs, bool& debug, QWidget* parent = nullptr);

    // Runs at every showing: the version string, and the debug label when debug is on.
    void Init();
    void ToggleDebugMode();
    void OKButtonClick();
    void URLClick();
    void DonateClick();
    // Borderless, without the OK button and its row: the splash.
    void MakeSplash();

    QFrame* Panel;
    QLabel* ProductName;
    QLabel* Version;
    QLabel* Maker1;
    QLabel* Maker2;
    QLabel* DonateLabel1;
    QLabel* DonateLabel2;
    QLabel* URLLabel;
    QLabel* DebugLabel;
    QLabel* ProgramIcon;
    QPushButton* OKButton;
    // The system's default beep; a test listens here instead.
    std::function<void()> Beep;

  protected:
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void ShowColours();

    Dialogs& dialogs;
    bool& debug;
};
