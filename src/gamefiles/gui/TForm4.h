#pragma once
// The "Change Status" dialog: Good, Bad or Unknown for the selected game, or Cancel.

#include <QDialog>

class QPushButton;

class TForm4 : public QDialog {
    Q_OBJECT
  public:
    explicit TForm4(QWidget* parent = nullptr);

    // Shows the dialog modally: mrYes for "Good", mrNo for "Bad", mrCancel for "Unknown",
    // mrAbort for "&Cancel" and the Escape key.
    int Execute();

    QPushButton* GoodButton;
    QPushButton* BadButton;
    QPushButton* UnknownButton;
    QPushButton* CancelButton;

  protected:
    void changeEvent(QEvent* event) override;
    void reject() override;
};
