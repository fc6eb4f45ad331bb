// The text viewer: its text as lines, its find box (forward, ignoring case, no wrap-around),
// the Close button while the find box is open, and Escape.

#include "emulator/gui/TFindDialog.h"
#include "emulator/gui/TForm2.h"
#include "support/ScriptedDialogs.h"
#include "support/WindowRules.h"

#include <QApplication>
#include <QFontDatabase>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTimer>
#include <QtTest>

namespace {

QString s(const char* text) {
    return QString::fromUtf8(text);
}

QString Selected(const TForm2& viewer) {
    return viewer.RichEdit1->textCursor().selectedText();
}

} // namespace

class TestTForm2 : public QObject {
    Q_OBJECT

  private slots:
    void init();
    void cleanup();
    void textAsLines();
    void findTwiceThenNotFound();
    void clickClearsSelectionAndSearchStartsAtTheTop();
    void closeDisabledWhileFindBoxIsOpen();
    void escapeClosesFindBoxAndViewer();
    void looks();

  private:
    ScriptedDialogs dialogs;
    std::unique_ptr<QWidget> owner;
    TForm2* viewer = nullptr;
};

void TestTForm2::init() {
    dialogs.clear();
    owner = std::make_unique<QWidget>();
    owner->resize(800, 560);
    viewer = new TForm2(dialogs, owner.get());
}

void TestTForm2::cleanup() {
    dialogs.checkAnswered();
    owner.reset();
    VerifyNoWindowLeftOpen();
}

void TestTForm2::textAsLines() {
    viewer->SetText(s("one\r\ntwo\nthree\rfour\r\n"));
    QCOMPARE(viewer->Lines(), (QStringList{s("one"), s("two"), s("three"), s("four")}));
    viewer->Append(s("five"));
    viewer->Append(QStringList{s(""), s("six")});
    QCOMPARE(viewer->Lines().size(), 7);

    QTemporaryDir dir;
    QFile file(dir.path() + s("/Pellmora.VER"));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("Name:   Description:\r\nattache \"Attach\xC3\xA9\"\r\n");
    file.close();
    viewer->LoadFromFile(file.fileName());
    QCOMPARE(viewer->Lines(), (QStringList{s("Name:   Description:"), s("attache \"Attach\xC3\xA9\"")}));
    viewer->Clear();
    QVERIFY(viewer->Lines().isEmpty());

    viewer->SetText(s("a\nb"));
    viewer->show();
    QCOMPARE(viewer->RichEdit1->toPlainText(), s("a\nb"));
    QVERIFY(!viewer->RichEdit1->textCursor().hasSelection());
    QCOMPARE(viewer->RichEdit1->textCursor().position(), 0);
    viewer->reject();
    // Closed, the viewer gives back its text area's document and keeps the lines for the next
    // showing.
    QVERIFY(viewer->RichEdit1->document()->isEmpty());
    QCOMPARE(viewer->Lines(), (QStringList{s("a"), s("b")}));
    viewer->show();
    QCOMPARE(viewer->RichEdit1->toPlainText(), s("a\nb"));
    viewer->reject();
}

void TestTForm2::findTwiceThenNotFound() {
    viewer->SetText(s("first Pong line\nnothing\nlast pong here"));
    viewer->show();
    viewer->SearchBtnClick();
    viewer->FindDialog1->SetFindText(s("PONG"));

    viewer->FindDialog1Find();
    QCOMPARE(Selected(*viewer), s("Pong"));
    QCOMPARE(viewer->RichEdit1->textCursor().selectionStart(), 6);
    viewer->FindDialog1Find();
    QCOMPARE(Selected(*viewer), s("pong"));
    QCOMPARE(viewer->RichEdit1->textCursor().selectionStart(), 29);

    dialogs.expectMessage("Search string \"PONG\" not found.", mrOk);
    viewer->FindDialog1Find();
    QCOMPARE(dialogs.records().size(), 1);
    QCOMPARE(dialogs.records().first().text, s("Search string \"PONG\" not found."));
    QCOMPARE(dialogs.records().first().type, mtInformation);
    QCOMPARE(Selected(*viewer), s("pong")); // the last match stays selected
    viewer->reject();
}

void TestTForm2::clickClearsSelectionAndSearchStartsAtTheTop() {
    viewer->SetText(s("abc\nxyz\nabc"));
    viewer->show();
    QVERIFY(QTest::qWaitForWindowExposed(viewer));
    viewer->FindDialog1->SetFindText(s("abc"));
    viewer->FindDialog1Find();
    viewer->FindDialog1Find();
    QCOMPARE(viewer->RichEdit1->textCursor().selectionStart(), 8);

    // A click on the second line: the caret moves there and nothing is selected.
    const QRect second =
        viewer->RichEdit1->cursorRect(QTextCursor(viewer->RichEdit1->document()->findBlockByNumber(1)));
    QTest::mouseClick(viewer->RichEdit1->viewport(), Qt::LeftButton, {}, second.center());
    QVERIFY(!viewer->RichEdit1->textCursor().hasSelection());
    viewer->FindDialog1Find();
    QCOMPARE(viewer->RichEdit1->textCursor().selectionStart(), 0);
    viewer->reject();
}

void TestTForm2::closeDisabledWhileFindBoxIsOpen() {
    viewer->show();
    QVERIFY(QTest::qWaitForWindowExposed(viewer));
    QTest::keyClick(viewer->RichEdit1, Qt::Key_F3);
    QVERIFY(viewer->FindDialog1->isVisible());
    QVERIFY(!viewer->CloseBtn->isEnabled());
    const QRect frame = viewer->frameGeometry();
    QCOMPARE(viewer->FindDialog1->pos(),
             QPoint(frame.left() + frame.width() - 370, frame.top() + frame.height() - 150));
    viewer->FindDialog1->CancelBtn->click();
    QVERIFY(!viewer->FindDialog1->isVisible());
    QVERIFY(viewer->CloseBtn->isEnabled());
    viewer->CloseBtn->click();
    QVERIFY(!viewer->isVisible());
}

// Shown modally, as every command shows it: Escape with the find box open closes both.
void TestTForm2::escapeClosesFindBoxAndViewer() {
    bool findBoxWasOpen = false;
    QTimer::singleShot(0, viewer, [&] {
        viewer->SearchBtnClick();
        findBoxWasOpen = viewer->FindDialog1->isVisible();
        QTest::keyClick(viewer->RichEdit1, Qt::Key_Escape);
    });
    viewer->ShowModal();
    QVERIFY(findBoxWasOpen);
    QVERIFY(!viewer->isVisible());
    QVERIFY(!viewer->FindDialog1->isVisible());
    QVERIFY(viewer->CloseBtn->isEnabled());
}

void TestTForm2::looks() {
    QCOMPARE(viewer->windowTitle(), s("Pellmora - Text Viewer"));
    QCOMPARE(viewer->size(), QSize(790, 613));
    QVERIFY(viewer->RichEdit1->isReadOnly());
    QCOMPARE(viewer->RichEdit1->lineWrapMode(), QPlainTextEdit::WidgetWidth);
    const QString family = QFontDatabase::families().contains(s("Courier New"))
                               ? s("Courier New")
                               : QFontDatabase::systemFont(QFontDatabase::FixedFont).family();
    QCOMPARE(viewer->RichEdit1->font().family(), family);
    QCOMPARE(viewer->RichEdit1->font().pointSize(), 10);
    QCOMPARE(viewer->SearchBtn->text(), s("&Search F3"));
    QCOMPARE(viewer->CloseBtn->text(), s("&Close"));
}

QTEST_MAIN(TestTForm2)
#include "tst_tform2.moc"
