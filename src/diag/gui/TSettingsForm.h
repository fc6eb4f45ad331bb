#pragma once
// The style chooser "Change Style": lists the styles, previews the one clicked and applies the
// one double-clicked to the whole program at once, remembering it in the settings.

#include <QDialog>

#include <functional>

struct TRememberedView;
class QFrame;
class QLabel;
class QListWidget;
class QListWidgetItem;
class QPushButton;
class QStatusBar;
class TStylePreview;

class TSettingsForm : public QDialog {
    Q_OBJECT
  public:
    // writeFormSettings saves StyleName (and the main window's position) once a style is applied.
    TSettingsForm(TRememberedView& state, std::function<void()> writeFormSettings, QWidget* parent = nullptr);

    void Init();
    void FormShow();
    void StyleListBox1Click(const QString& name);
    void StyleListBox1DblClick(const QString& name);
    void RestoreDesignClientSize();

    QListWidget* StyleListBox1;
    QLabel* Label1;
    QLabel* Label2;
    QFrame* Panel1;
    TStylePreview* Preview;
    QPushButton* CloseBitBtn;
    QStatusBar* StatusBar;
    // True only while the list is being filled: clicks then leave the preview alone.
    bool LoadingStyles = false;

  protected:
    bool event(QEvent* event) override;
    void showEvent(QShowEvent* event) override;

  private:
    TRememberedView& state;
    std::function<void()> writeFormSettings;
    bool selectingQuietly = false;
};
