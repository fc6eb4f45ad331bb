#pragma once
// The text viewer: one read-only window of plain text, shown modally, shared by every
// command that shows the emulator's output, a list or a report. Its text stays between
// showings until a command clears or replaces it.

#include <QDialog>
#include <QStringList>

class Dialogs;
class QPlainTextEdit;
class QPushButton;
class TFindDialog;

class TForm2 : public QDialog {
    Q_OBJECT
  public:
    TForm2(Dialogs& dialogs, QWidget* parent);

    // The text, as lines.
    void Clear();
    void Append(const QString& line);
    void Append(const QStringList& lines);
    // Replaces the text; lines end at CR LF, LF or a lone CR.
    void SetText(const QString& text);
    // Replaces the text by the file's (UTF-8, or UTF-16 with its byte-order mark).
    // Throws AppError when the file cannot be read.
    void LoadFromFile(const QString& fileName);
    // Appends the file's lines, read the same way.
    void AppendFromFile(const QString& fileName);
    QStringList Lines() const;
    int LineCount() const { return lineCount; }

    // Shows the viewer modally; returns when the user has closed it.
    void ShowModal();

    // On show: the text area takes the focus, the caret at the start, nothing selected.
    void SetFormFocus();
    // "&Search F3" and F3: opens the find box near the viewer's lower right corner.
    void SearchBtnClick();
    // The find box's find-next: forward from the end of the selection, or from the top when
    // nothing is selected; no wrap-around.
    void FindDialog1Find();
    // The find box has closed.
    void AllowClose();
    void CloseBtnClick();

    QPlainTextEdit* RichEdit1 = nullptr;
    QPushButton* SearchBtn = nullptr;
    QPushButton* CloseBtn = nullptr;
    TFindDialog* FindDialog1 = nullptr;

  public slots:
    // Escape, the close box and "&Close" all end here: the find box closes with the viewer.
    void reject() override;

  protected:
    void showEvent(QShowEvent* event) override;
    // The text area's document is dropped while the viewer is hidden: for a large output it
    // costs many times the text itself, which is kept for the next showing.
    void hideEvent(QHideEvent* event) override;

  private:
    // Puts the lines into the text area when they changed since it last showed them.
    void SyncTextArea();

    Dialogs& dialogs;
    // The lines joined by line feeds, as the text area holds them; searched directly.
    QString text;
    int lineCount = 0;
    bool textAreaStale = true;
};
