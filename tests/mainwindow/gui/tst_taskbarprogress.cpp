// The main window's progress bar on the program's task-bar button: under Linux, the launcher
// entry signal that docks and task managers read from the session bus. The test runs a bus of
// its own and listens on it as a dock would.
#include "mainwindow/gui/TForm1.h"
#include "support/ScriptedDialogs.h"
#include "support/TestEnvironment.h"
#include "support/WindowRules.h"

#include <QDBusConnection>
#include <QProcess>
#include <QProgressBar>
#include <QtTest>

namespace {

struct LauncherUpdate {
    QString uri;
    double progress = -1;
    bool visible = false;
};

} // namespace

class LauncherListener : public QObject {
    Q_OBJECT
  public:
    QList<LauncherUpdate> updates;

  public slots:
    void update(const QString& uri, const QVariantMap& properties) {
        updates.append({uri, properties.value(QStringLiteral("progress")).toDouble(),
                        properties.value(QStringLiteral("progress-visible")).toBool()});
    }
};

class TestTaskbarProgress : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase();
    void cleanupTestCase();
    void cleanup() { VerifyNoWindowLeftOpen(); }
    void progressBarValuesReachTheButton_data();
    void progressBarValuesReachTheButton();

  private:
    QProcess bus;
    LauncherListener listener;
};

void TestTaskbarProgress::initTestCase() {
    bus.start(QStringLiteral("dbus-daemon"),
              {QStringLiteral("--session"), QStringLiteral("--nofork"), QStringLiteral("--print-address=1")});
    if (!bus.waitForStarted(5000))
        QSKIP("dbus-daemon cannot be started here: no session bus to carry the launcher entry");
    QTRY_VERIFY_WITH_TIMEOUT(bus.canReadLine(), 10000);
    const QByteArray address = bus.readLine().trimmed();
    QVERIFY(!address.isEmpty());
    // The program's own connection: the session bus of its environment.
    qputenv("DBUS_SESSION_BUS_ADDRESS", address);
    QDBusConnection dock =
        QDBusConnection::connectToBus(QString::fromLatin1(address), QStringLiteral("dock"));
    QVERIFY(dock.isConnected());
    QVERIFY(dock.connect(QString(), QString(), QStringLiteral("com.canonical.Unity.LauncherEntry"),
                         QStringLiteral("Update"), &listener, SLOT(update(QString, QVariantMap))));
}

void TestTaskbarProgress::cleanupTestCase() {
    QDBusConnection::disconnectFromBus(QStringLiteral("dock"));
    if (bus.state() != QProcess::NotRunning) {
        bus.terminate();
        bus.waitForFinished(5000);
    }
}

void TestTaskbarProgress::progressBarValuesReachTheButton_data() {
    QTest::addColumn<QList<int>>("values");
    QTest::addColumn<double>("progress");
    QTest::addColumn<bool>("visible");
    QTest::newRow("a share of the range") << QList<int>{40} << 0.4 << true;
    QTest::newRow("the whole range") << QList<int>{40, 100} << 1.0 << true;
    QTest::newRow("back to the start: no progress shown") << QList<int>{40, 0} << 0.0 << false;
}

void TestTaskbarProgress::progressBarValuesReachTheButton() {
    QFETCH(QList<int>, values);
    QFETCH(double, progress);
    QFETCH(bool, visible);
    TestEnvironment env;
    ScriptedDialogs dialogs;
    TForm1 form(dialogs);
    listener.updates.clear();
    for (const int value : values)
        form.Ui().ProgressBar1->setValue(value);

    QTRY_COMPARE(listener.updates.size(), values.size());
    const LauncherUpdate& last = listener.updates.constLast();
    QCOMPARE(last.uri, QStringLiteral("application://example.pellmora.pellmora.desktop"));
    QCOMPARE(last.progress, progress);
    QCOMPARE(last.visible, visible);
}

QTEST_MAIN(TestTaskbarProgress)
#include "tst_taskbarprogress.moc"
