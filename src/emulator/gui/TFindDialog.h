#pragma once
// The find box of the text viewer: one text box and a find-next button. It always searches
// forward, ignoring case, and stays open beside the viewer until closed.

#include <QDialog>

class QLineEdit;
class QPushButton;

class TFindDialog : public QDialog {
    Q_OBJECT
  public:
    explicit TFindDialog(QWidget* parent);

    QString FindText() const;
    void SetFindText(const QString& text);

    QLineEdit* FindEdit = nullptr;
    QPushButton* FindNextBtn = nullptr;
    QPushButton* CancelBtn = nullptr;

  signals:
    // The find-next button (or Enter) with a text to find.
    void find();
    // The box has closed, however it was closed.
    void closed();

  protected:
    void done(int result) override;
};
