#pragma once
// The search dialog "Search for MAME": walks a drive or a chosen folder tree for the
// emulator's executables, lists each with its version, and lets the user take one.

#include <QDialog>

#include <functional>

struct TFolders;
class Dialogs;
class QComboBox;
class QLineEdit;
class QListWidget;
class QPushButton;
class QStatusBar;

class TForm5 : public QDialog {
    Q_OBJECT

  public:
    // acceptPath is told the new MAMEPath (ending in "/") when the user takes a result.
    TForm5(TFolders& state, Dialogs& dialogs, std::function<void(const QString& mamePath)> acceptPath,
           QWidget* parent = nullptr);

    void SearchDrive();
    void SearchPath();
    // Walks root for executables; a drive search keeps to the file system of root.
    void SearchForMAME(const QString& root, bool wholeDrive = false);
    void SelectPath();
    void CloseBitBtnClick();
    // Lists the mounted file systems again, "/" first, keeping the selection where it can.
    void RefreshDrives();

    QComboBox* DriveComboBox1;
    QPushButton* SearchDriveButton;
    QPushButton* SearchPathButton;
    QListWidget* ListBox1;
    QLineEdit* SelectedEdit;
    QPushButton* SelectBitBtn;
    QPushButton* CloseBitBtn;
    QStatusBar* StatusBar1;

  protected:
    bool event(QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void reject() override;

  private:
    void SetSearching(bool searching);
    void FinishSearch(const QStringList& found);

    TFolders& state;
    Dialogs& dialogs;
    std::function<void(const QString&)> acceptPath;
    bool searching = false;
};
