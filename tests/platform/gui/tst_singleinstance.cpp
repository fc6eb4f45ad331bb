// One running copy per executable path, checked with real processes.

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

class TestSingleInstance : public QObject {
    Q_OBJECT
  private slots:
    void secondStartActivatesTheFirstAndEnds();

  private:
    QProcess* start(const QString& program, const QString& home);
};

QProcess* TestSingleInstance::start(const QString& program, const QString& home) {
    auto* process = new QProcess(this);
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("XDG_DATA_HOME"), home + QStringLiteral("/data"));
    environment.insert(QStringLiteral("TMPDIR"), home);
    environment.insert(QStringLiteral("QT_LOGGING_RULES"), QStringLiteral("pellmora.instance.info=true"));
    process->setProcessEnvironment(environment);
    process->setProcessChannelMode(QProcess::MergedChannels);
    process->start(program, {});
    return process;
}

void TestSingleInstance::secondStartActivatesTheFirstAndEnds() {
    QTemporaryDir home;
    const QString program = qEnvironmentVariable("PELLMORA_EXECUTABLE");
    QVERIFY(QFile::exists(program));

    QProcess* first = start(program, home.path());
    QVERIFY(first->waitForStarted());
    // The first copy listens (its socket appears in its TMPDIR) before its splash.
    QTRY_VERIFY_WITH_TIMEOUT(!QDir(home.path()).entryList(QDir::System).isEmpty(), 10000);

    QProcess* second = start(program, home.path());
    QVERIFY(second->waitForFinished(15000));
    QCOMPARE(second->exitStatus(), QProcess::NormalExit);
    QCOMPARE(second->exitCode(), 0);
    QByteArray firstOutput;
    QTRY_VERIFY_WITH_TIMEOUT(
        (firstOutput += first->readAll()).contains("asked this copy to come to the front"), 10000);
    QCOMPARE(first->state(), QProcess::Running);

    // A copy in another folder is another program.
    const QString copy = home.path() + QStringLiteral("/elsewhere/pellmora");
    QVERIFY(QDir().mkpath(home.path() + QStringLiteral("/elsewhere")));
    QVERIFY(QFile::copy(program, copy));
    QProcess* other = start(copy, home.path());
    QVERIFY(other->waitForStarted());
    QVERIFY(!other->waitForFinished(3000));

    for (QProcess* process : {first, other}) {
        process->kill();
        process->waitForFinished();
    }
}

QTEST_GUILESS_MAIN(TestSingleInstance)
#include "tst_singleinstance.moc"
