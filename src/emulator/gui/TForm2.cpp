#include "emulator/gui/TForm2.h"

#include "base/WholeFile.h"
#include "base/gui/MessageApp.h"
#include "base/gui/WindowClosing.h"
#include "emulator/gui/TFindDialog.h"
#include "platform/ReleaseFreeMemory.h"

#include <QApplication>
#include <QCoreApplication>
#include <QFontDatabase>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QShortcut>
#include <QStringDecoder>
#include <QVBoxLayout>

namespace {

QFont ViewerFont() {
    const QString wanted = QStringLiteral("Courier New");
    QFont font = QFontDatabase::families().contains(wanted)
                     ? QFont(wanted)
                     : QFontDatabase::systemFont(QFontDatabase::FixedFont);
    font.setPointSize(10);
    return font;
}

// Line feeds alone between lines, none after the last.
QString WithLineFeeds(QString text) {
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    text.replace(u'\r', u'\n');
    if (text.endsWith(u'\n'))
        text.chop(1);
    return text;
}

QString DecodeText(const QByteArray& bytes) {
    auto encoding = QStringConverter::encodingForData(bytes);
    QStringDecoder decode(encoding.value_or(QStringConverter::Utf8),
                          QStringConverter::Flag::ConvertInitialBom);
    QString text = decode(bytes);
    if (text.startsWith(QChar(0xFEFF)))
        text.remove(0, 1);
    return text;
}

} // namespace

TForm2::TForm2(Dialogs& dialogs, QWidget* parent) : QDialog(parent), dialogs(dialogs) {
    setObjectName(QStringLiteral("Form2"));
    setWindowTitle(QCoreApplication::translate("TextViewer", "Pellmora - Text Viewer"));
    // Only a close box in the title bar; the frame can be resized.
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    setSizeGripEnabled(true);
    resize(790, 613);

    RichEdit1 = new QPlainTextEdit(this);
    RichEdit1->setObjectName(QStringLiteral("RichEdit1"));
    RichEdit1->setReadOnly(true);
    RichEdit1->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    RichEdit1->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    RichEdit1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    RichEdit1->setFont(ViewerFont());
    // The match found stays marked while the find box has the focus.
    QPalette palette = RichEdit1->palette();
    for (const auto role : {QPalette::Highlight, QPalette::HighlightedText})
        palette.setColor(QPalette::Inactive, role, palette.color(QPalette::Active, role));
    RichEdit1->setPalette(palette);

    SearchBtn = new QPushButton(QCoreApplication::translate("TextViewer", "&Search F3"), this);
    SearchBtn->setObjectName(QStringLiteral("SearchBtn"));
    SearchBtn->setAutoDefault(false);
    CloseBtn = new QPushButton(QCoreApplication::translate("TextViewer", "&Close"), this);
    CloseBtn->setObjectName(QStringLiteral("CloseBtn"));
    CloseBtn->setAutoDefault(false);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(SearchBtn);
    buttons->addWidget(CloseBtn);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 6, 6, 6);
    layout->addWidget(RichEdit1, 1);
    layout->addLayout(buttons);

    FindDialog1 = new TFindDialog(this);
    connect(SearchBtn, &QPushButton::clicked, this, &TForm2::SearchBtnClick);
    connect(CloseBtn, &QPushButton::clicked, this, &TForm2::CloseBtnClick);
    connect(FindDialog1, &TFindDialog::find, this, &TForm2::FindDialog1Find);
    connect(FindDialog1, &TFindDialog::closed, this, &TForm2::AllowClose);
    // The viewer sees F3 whichever of its controls has the focus.
    auto* searchKey = new QShortcut(QKeySequence(Qt::Key_F3), this);
    searchKey->setContext(Qt::WidgetWithChildrenShortcut);
    connect(searchKey, &QShortcut::activated, this, &TForm2::SearchBtnClick);
}

void TForm2::Clear() {
    text.clear();
    lineCount = 0;
    textAreaStale = true;
}

void TForm2::Append(const QString& line) {
    if (lineCount > 0)
        text += u'\n';
    text += line;
    ++lineCount;
    textAreaStale = true;
}

void TForm2::Append(const QStringList& lines) {
    for (const QString& line : lines)
        Append(line);
}

void TForm2::SetText(const QString& newText) {
    text = WithLineFeeds(newText);
    lineCount = text.isEmpty() ? 0 : static_cast<int>(text.count(u'\n')) + 1;
    textAreaStale = true;
}

void TForm2::LoadFromFile(const QString& fileName) {
    SetText(DecodeText(ReadWholeFile(fileName)));
}

void TForm2::AppendFromFile(const QString& fileName) {
    const QString fileText = WithLineFeeds(DecodeText(ReadWholeFile(fileName)));
    if (!fileText.isEmpty())
        Append(fileText.split(u'\n'));
}

QStringList TForm2::Lines() const {
    return lineCount == 0 ? QStringList() : text.split(u'\n');
}

void TForm2::SyncTextArea() {
    if (!textAreaStale)
        return;
    RichEdit1->setPlainText(text);
    textAreaStale = false;
}

void TForm2::ShowModal() {
    // The main window has closed while the command ran: the program is ending, and a viewer
    // would show on its own.
    if (parentWidget() && parentWidget()->property(ClosedDuringCommandProperty).toBool())
        return;
    SyncTextArea();
    // Centred on the window that owns the viewer, at each showing.
    if (QWidget* owner = parentWidget()) {
        const QRect area = owner->frameGeometry();
        move(area.center() - QPoint(frameGeometry().width() / 2, frameGeometry().height() / 2));
    }
    exec();
}

void TForm2::showEvent(QShowEvent* event) {
    SyncTextArea();
    QDialog::showEvent(event);
    SetFormFocus();
}

void TForm2::hideEvent(QHideEvent* event) {
    QDialog::hideEvent(event);
    if (RichEdit1->document()->isEmpty())
        return;
    RichEdit1->clear();
    textAreaStale = true;
    ReleaseFreeMemory();
}

void TForm2::SetFormFocus() {
    RichEdit1->setFocus();
    QTextCursor cursor = RichEdit1->textCursor();
    cursor.movePosition(QTextCursor::Start);
    RichEdit1->setTextCursor(cursor);
    RichEdit1->ensureCursorVisible();
}

void TForm2::SearchBtnClick() {
    CloseBtn->setEnabled(false);
    const QRect frame = frameGeometry();
    FindDialog1->move(frame.left() + frame.width() - 370, frame.top() + frame.height() - 150);
    FindDialog1->show();
    FindDialog1->raise();
    FindDialog1->activateWindow();
    FindDialog1->FindEdit->setFocus();
    FindDialog1->FindEdit->selectAll();
}

void TForm2::FindDialog1Find() {
    SyncTextArea();
    const QString wanted = FindDialog1->FindText();
    const QTextCursor current = RichEdit1->textCursor();
    const int from = current.hasSelection() ? current.selectionEnd() : 0;
    const qsizetype at = text.indexOf(wanted, from, Qt::CaseInsensitive);
    if (at < 0) {
        QApplication::beep();
        MessageApp(dialogs, FindDialog1,
                   QCoreApplication::translate("TextViewer", "Search string \"%1\" not found.").arg(wanted),
                   mtInformation, mbOK);
        return;
    }
    QTextCursor match(RichEdit1->document());
    match.setPosition(static_cast<int>(at));
    match.setPosition(static_cast<int>(at + wanted.size()), QTextCursor::KeepAnchor);
    RichEdit1->setFocus();
    RichEdit1->setTextCursor(match);
    RichEdit1->ensureCursorVisible();
    FindDialog1->raise();
    FindDialog1->activateWindow();
}

void TForm2::AllowClose() {
    CloseBtn->setEnabled(true);
}

void TForm2::CloseBtnClick() {
    reject();
}

void TForm2::reject() {
    if (FindDialog1->isVisible())
        FindDialog1->reject();
    CloseBtn->setEnabled(true);
    QDialog::reject();
}
