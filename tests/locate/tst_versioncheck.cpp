#include "locate/VersionCheck.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

class TestVersionCheck : public QObject {
    Q_OBJECT

  private slots:
    void versionOK_data() {
        QTest::addColumn<QString>("version");
        QTest::addColumn<bool>("ok");
        QTest::newRow("the minimum itself") << "0.172.0.0" << true;
        QTest::newRow("newer minor") << "0.180.0.0" << true;
        QTest::newRow("real emulator") << "0.251.0.0" << true;
        QTest::newRow("one older") << "0.171.0.0" << false;
        QTest::newRow("no version information") << "0.0.0.0" << false;
        // Joining the digits would read 03715 > 017200 and 1000 < 17200.
        QTest::newRow("short minor, long build") << "0.37.0.15" << false;
        QTest::newRow("major 1") << "1.0.0.0" << true;
        QTest::newRow("build above the minimum") << "0.172.0.1" << true;
        QTest::newRow("missing fields count as 0") << "0.172" << true;
        QTest::newRow("missing fields, older") << "0.99" << false;
        QTest::newRow("empty") << "" << false;
        QTest::newRow("letters") << "0.abc.0.0" << false;
        QTest::newRow("empty field") << "0..200.0" << false;
        QTest::newRow("sign") << "0.+200.0.0" << false;
        QTest::newRow("five fields") << "0.200.0.0.0" << false;
        QTest::newRow("blank around") << " 0.200.0.0" << false;
    }
    void versionOK() {
        QFETCH(QString, version);
        QFETCH(bool, ok);
        QCOMPARE(IsMAMEVersionOK(version), ok);
    }

    void findsRunnableExecutables() {
        QTemporaryDir dir;
        const QString folder = dir.path() + QLatin1Char('/');
        const auto make = [&](const QString& name, bool runnable) {
            QFile file(folder + name);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.close();
            QFileDevice::Permissions permissions = QFileDevice::ReadOwner | QFileDevice::WriteOwner;
            if (runnable)
                permissions |= QFileDevice::ExeOwner;
            QVERIFY(file.setPermissions(permissions));
        };

        QCOMPARE(FindMameExecutable(folder, QStringLiteral("mame")), QString());
        QVERIFY(!MameExecutableExists(folder));
        QCOMPARE(PreferredMameExecutableName(folder), QString());

        make(QStringLiteral("mame"), false);                   // not runnable: does not count
        QVERIFY(QDir(folder).mkdir(QStringLiteral("mame64"))); // a folder does not count either
        QVERIFY(!MameExecutableExists(folder));

        make(QStringLiteral("MAME"), true);
        QCOMPARE(FindMameExecutable(folder, QStringLiteral("mame")), folder + QStringLiteral("MAME"));
        QCOMPARE(PreferredMameExecutableName(folder), QStringLiteral("MAME"));
        QVERIFY(MameExecutableExists(folder));

        QVERIFY(QDir(folder).rmdir(QStringLiteral("mame64")));
        make(QStringLiteral("Mame64"), true);
        QCOMPARE(FindMameExecutable(folder, QStringLiteral("mame64")), folder + QStringLiteral("Mame64"));
        QCOMPARE(PreferredMameExecutableName(folder), QStringLiteral("Mame64"));
    }
};

QTEST_GUILESS_MAIN(TestVersionCheck)
#include "tst_versioncheck.moc"
