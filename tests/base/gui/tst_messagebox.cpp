// The real message boxes: button order, Enter and Escape, and the default titles.

#include "base/gui/MessageApp.h"
#include "base/gui/QtDialogs.h"
#include "support/ScriptedDialogs.h"
#include "support/WindowRules.h"

#include <QMessageBox>
#include <QPushButton>
#include <QtTest>

class TestMessageBox : public QObject {
    Q_OBJECT
  private slots:
    void cleanup() { VerifyNoWindowLeftOpen(); }
    void boxButtonsKeepTheirOrder();
    void enterAndEscape_data();
    void enterAndEscape();
    void enterTakesTheNamedDefault();
    void defaultTitles_data();
    void defaultTitles();
};

void TestMessageBox::boxButtonsKeepTheirOrder() {
    MessageRequest request{QStringLiteral("Sure?"), mtConfirmation, mbAll | mbCancel | mbOK | mbNo | mbYes,
                           QStringLiteral("Pellmora"), 0};
    std::unique_ptr<QMessageBox> box(BuildMessageBox(nullptr, request));
    box->show();
    QStringList captions;
    QList<QPushButton*> buttons = box->findChildren<QPushButton*>();
    std::sort(buttons.begin(), buttons.end(), [](QPushButton* a, QPushButton* b) { return a->x() < b->x(); });
    for (QPushButton* button : buttons)
        captions << button->text();
    QCOMPARE(captions, (QStringList{QStringLiteral("&Yes"), QStringLiteral("&No"), QStringLiteral("OK"),
                                    QStringLiteral("Cancel"), QStringLiteral("&All")}));
    QCOMPARE(box->icon(), QMessageBox::Question);
    QCOMPARE(box->windowTitle(), QStringLiteral("Pellmora"));
}

void TestMessageBox::enterAndEscape_data() {
    QTest::addColumn<int>("buttons");
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("result");
    QTest::newRow("yes/no enter") << int(mbYes | mbNo) << int(Qt::Key_Return) << int(mrYes);
    QTest::newRow("yes/no escape") << int(mbYes | mbNo) << int(Qt::Key_Escape) << int(mrNo);
    QTest::newRow("ok escape") << int(mbOK) << int(Qt::Key_Escape) << int(mrOk);
    QTest::newRow("ok/cancel enter") << int(mbOK | mbCancel) << int(Qt::Key_Return) << int(mrOk);
    QTest::newRow("yes/no/cancel escape")
        << int(mbYes | mbNo | mbCancel) << int(Qt::Key_Escape) << int(mrCancel);
    QTest::newRow("yes/no/all enter") << int(mbYes | mbNo | mbAll) << int(Qt::Key_Return) << int(mrYes);
}

void TestMessageBox::enterAndEscape() {
    QFETCH(int, buttons);
    QFETCH(int, key);
    QFETCH(int, result);
    QtDialogs dialogs;
    bool pressed = false;
    // Answer the real modal box once it is up; a key it ignores fails the test and closes it.
    WhenModal([&](QWidget* box) {
        QTest::keyClick(box, Qt::Key(key));
        pressed = true;
    });
    QCOMPARE(MessageApp(dialogs, nullptr, QStringLiteral("Go on?"), mtWarning, buttons), result);
    QVERIFY(pressed);
    QVERIFY(QApplication::activeModalWidget() == nullptr);
}

// A box whose Yes would lose data names No as its default: Enter then answers No.
void TestMessageBox::enterTakesTheNamedDefault() {
    QtDialogs dialogs;
    MessageRequest request{
        QStringLiteral("Remove them all?"), mtConfirmation, mbYes | mbNo, QStringLiteral("Confirm"), 0, mbNo};
    WhenModal([](QWidget* box) { QTest::keyClick(box, Qt::Key_Return); });
    QCOMPARE(dialogs.messageBox(nullptr, request), int(mrNo));
}

void TestMessageBox::defaultTitles_data() {
    QTest::addColumn<int>("type");
    QTest::addColumn<QString>("title");
    QTest::newRow("warning") << int(mtWarning) << QStringLiteral("Warning");
    QTest::newRow("error") << int(mtError) << QStringLiteral("Error");
    QTest::newRow("information") << int(mtInformation) << QStringLiteral("Information");
    QTest::newRow("confirmation") << int(mtConfirmation) << QStringLiteral("Confirm");
    QTest::newRow("custom") << int(mtCustom) << QStringLiteral("Pellmora");
}

void TestMessageBox::defaultTitles() {
    QFETCH(int, type);
    QFETCH(QString, title);
    ScriptedDialogs dialogs;
    dialogs.expectMessage("x", mrOk);
    MessageApp(dialogs, nullptr, QStringLiteral("x"), TMsgDlgType(type), mbOK);
    QCOMPARE(dialogs.records().at(0).title, title);
    dialogs.expectMessage("x", mrOk);
    MessageApp(dialogs, nullptr, QStringLiteral("x"), TMsgDlgType(type), mbOK, QStringLiteral("Own"));
    QCOMPARE(dialogs.records().at(1).title, QStringLiteral("Own"));
}

QTEST_MAIN(TestMessageBox)
#include "tst_messagebox.moc"
