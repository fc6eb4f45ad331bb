// The "Change Status" dialog: each button's result, Escape, and no button focused.

#include "base/gui/Dialogs.h"
#include "gamefiles/gui/TForm4.h"
#include "support/WindowRules.h"

#include <QPushButton>
#include <QtTest>

#include <functional>

namespace {

// Runs the dialog modally and acts on it once it is up.
int ExecuteAndThen(TForm4& dialog, const std::function<void()>& act) {
    QTimer::singleShot(0, &dialog, [&dialog, act] {
        QTRY_VERIFY(dialog.isActiveWindow());
        act();
    });
    return dialog.Execute();
}

} // namespace

class TestTForm4 : public QObject {
    Q_OBJECT
  private slots:
    void buttonsGiveTheirResults_data();
    void buttonsGiveTheirResults();
    void escapeCancels();
    void noButtonHasFocusWhenActive();
    void cleanup();
};

void TestTForm4::buttonsGiveTheirResults_data() {
    QTest::addColumn<QString>("caption");
    QTest::addColumn<int>("result");
    QTest::newRow("Good") << "Good" << int(mrYes);
    QTest::newRow("Bad") << "Bad" << int(mrNo);
    QTest::newRow("Unknown") << "Unknown" << int(mrCancel);
    QTest::newRow("Cancel") << "&Cancel" << int(mrAbort);
}

void TestTForm4::buttonsGiveTheirResults() {
    QFETCH(QString, caption);
    QFETCH(int, result);
    TForm4 dialog;
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Change Status"));
    QPushButton* button = nullptr;
    for (QPushButton* candidate : dialog.findChildren<QPushButton*>()) {
        if (candidate->text() == caption)
            button = candidate;
    }
    QVERIFY(button);
    QCOMPARE(ExecuteAndThen(dialog, [button] { QTest::mouseClick(button, Qt::LeftButton); }), result);
}

void TestTForm4::escapeCancels() {
    TForm4 dialog;
    QCOMPARE(ExecuteAndThen(dialog, [&dialog] { QTest::keyClick(&dialog, Qt::Key_Escape); }), int(mrAbort));
    // Enter picks nothing: no button is the default one.
    QCOMPARE(ExecuteAndThen(dialog,
                            [&dialog] {
                                QTest::keyClick(&dialog, Qt::Key_Return);
                                QTest::keyClick(&dialog, Qt::Key_Escape);
                            }),
             int(mrAbort));
}

void TestTForm4::noButtonHasFocusWhenActive() {
    TForm4 dialog;
    QWidget* focused = nullptr;
    bool activeSeen = false;
    ExecuteAndThen(dialog, [&] {
        activeSeen = dialog.isActiveWindow();
        focused = QApplication::focusWidget();
        QTest::mouseClick(dialog.CancelButton, Qt::LeftButton);
    });
    QVERIFY(activeSeen);
    QVERIFY(!qobject_cast<QPushButton*>(focused));
}

void TestTForm4::cleanup() {
    QVERIFY(QApplication::topLevelWidgets().isEmpty());
    VerifyNoWindowLeftOpen();
}

QTEST_MAIN(TestTForm4)
#include "tst_tform4.moc"
