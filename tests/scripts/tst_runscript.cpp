// Runs run.sh in a copy of its checkout, with cmake and the package query replaced by
// recorders, to see what a newcomer's first start builds.

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

namespace {

void WriteExecutable(const QString& path, const QByteArray& text) {
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(text);
    file.close();
    QVERIFY(file.setPermissions(file.permissions() | QFileDevice::ExeOwner));
}

QByteArray ReadAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

class TestRunScript : public QObject {
    Q_OBJECT
  private slots:
    void buildsOnlyTheProgram_data();
    void buildsOnlyTheProgram();
};

void TestRunScript::buildsOnlyTheProgram_data() {
    QTest::addColumn<bool>("configured");
    QTest::newRow("first start") << false;
    QTest::newRow("build folder ready") << true;
}

void TestRunScript::buildsOnlyTheProgram() {
    QFETCH(bool, configured);
    QTemporaryDir checkout;
    QVERIFY(checkout.isValid());
    const QString source =
        QDir(qEnvironmentVariable("PELLMORA_FIXTURES")).absoluteFilePath(QStringLiteral("../.."));
    for (const char* file : {"run.sh", "scripts/deps.sh", "scripts/newcomer-setup.sh"}) {
        QDir().mkpath(checkout.filePath(QStringLiteral("scripts")));
        QVERIFY(QFile::copy(source + QLatin1Char('/') + QLatin1String(file),
                            checkout.filePath(QLatin1String(file))));
    }
    const QString log = checkout.filePath(QStringLiteral("cmake.log"));
    const QString bin = checkout.filePath(QStringLiteral("bin/"));
    WriteExecutable(bin + QStringLiteral("cmake"), "#!/bin/sh\necho \"$*\" >> '" + log.toUtf8() + "'\n");
    WriteExecutable(bin + QStringLiteral("dpkg-query"), "#!/bin/sh\necho 'install ok installed'\n");
    // An existing setup: the newcomer preparation is skipped and the program "starts".
    WriteExecutable(checkout.filePath(QStringLiteral("build/pellmora")), "#!/bin/sh\necho started\n");
    QFile(checkout.filePath(QStringLiteral("build/Pellmora.INI"))).open(QIODevice::WriteOnly);
    if (configured)
        QFile(checkout.filePath(QStringLiteral("build/CMakeCache.txt"))).open(QIODevice::WriteOnly);

    QProcess run;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("PATH"),
                       bin + QLatin1Char(':') + environment.value(QStringLiteral("PATH")));
    run.setProcessEnvironment(environment);
    run.setWorkingDirectory(checkout.path());
    run.start(QStringLiteral("bash"), {checkout.filePath(QStringLiteral("run.sh"))});
    QVERIFY(run.waitForFinished(30000));
    QCOMPARE(run.exitCode(), 0);
    QCOMPARE(run.readAllStandardOutput().trimmed(), QByteArray("started"));

    QList<QByteArray> calls = ReadAll(log).trimmed().split('\n');
    if (!configured)
        QCOMPARE(calls.takeFirst(), QByteArray("--preset dev"));
    QCOMPARE(calls.size(), 1);
    QVERIFY2(calls[0].startsWith("--build build ") && calls[0].endsWith(" --target pellmora"), calls[0]);
}

QTEST_GUILESS_MAIN(TestRunScript)
#include "tst_runscript.moc"
