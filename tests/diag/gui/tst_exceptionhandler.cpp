// A failure that escapes an event handler reaches the one handler: the user is told, the
// operation is abandoned, and the program goes on.

#include "base/AppError.h"
#include "diag/gui/TApplication.h"
#include "support/ScriptedDialogs.h"
#include "support/WindowRules.h"

#include <QTimer>
#include <QtTest>

#include <stdexcept>

class TestExceptionHandler : public QObject {
    Q_OBJECT
  public:
    explicit TestExceptionHandler(ScriptedDialogs& dialogs) : dialogs(dialogs) {}

  private slots:
    void cleanup() { VerifyNoWindowLeftOpen(); }
    void escapingFailuresAreReportedAndTheLoopGoesOn_data();
    void escapingFailuresAreReportedAndTheLoopGoesOn();

  private:
    ScriptedDialogs& dialogs;
};

void TestExceptionHandler::escapingFailuresAreReportedAndTheLoopGoesOn_data() {
    QTest::addColumn<bool>("appError");
    QTest::addColumn<QString>("text");
    QTest::newRow("program's own failure") << true << QStringLiteral("Unable to write to /x/Pellmora.DAT");
    QTest::newRow("standard exception") << false << QStringLiteral("bad things");
}

void TestExceptionHandler::escapingFailuresAreReportedAndTheLoopGoesOn() {
    QFETCH(bool, appError);
    QFETCH(QString, text);
    dialogs.clear();
    dialogs.expectMessage(QStringLiteral("GENERAL EXCEPTION ERROR: ") + text, mrOk);
    bool laterEventRan = false;
    QTimer::singleShot(0, this, [&] {
        if (appError)
            throw AppError(text);
        throw std::runtime_error(text.toStdString());
    });
    QTimer::singleShot(5, this, [&] { laterEventRan = true; });
    QTRY_VERIFY(laterEventRan);

    QCOMPARE(dialogs.records().size(), 1);
    QCOMPARE(dialogs.records()[0].title, QStringLiteral("GENERAL EXCEPTION ERROR"));
    QCOMPARE(dialogs.records()[0].text, QStringLiteral("GENERAL EXCEPTION ERROR: ") + text);
    QCOMPARE(dialogs.records()[0].type, mtError);
}

int main(int argc, char** argv) {
    TApplication app(argc, argv);
    ScriptedDialogs dialogs;
    app.SetDialogs(&dialogs);
    TestExceptionHandler test(dialogs);
    return QTest::qExec(&test, argc, argv);
}

#include "tst_exceptionhandler.moc"
