// The system facts of the exception log, read from captured texts of Linux's own sources,
// and once from this machine.

#include "platform/SystemFacts.h"
#include "platform/SystemFactsParse.h"

#include <QThread>
#include <QtTest>

namespace {

// Two packages of two cores with two threads each, as an x86 kernel lists them (abridged).
QString TwoSocketCpuInfo() {
    QString text;
    for (int processor = 0; processor < 8; ++processor)
        text += QStringLiteral("processor\t: %1\nvendor_id\t: GenuineIntel\n"
                               "model name\t: Intel(R) Xeon(R) CPU E5-2630 v4 @ 2.20GHz\n"
                               "cpu MHz\t\t: 1197.%2\nphysical id\t: %3\ncore id\t\t: %4\n\n")
                    .arg(processor)
                    .arg(processor + 1)
                    .arg(processor / 4)
                    .arg(processor / 2 % 2);
    return text;
}

QString ArmCpuInfo() {
    return QStringLiteral(
        "processor\t: 0\nBogoMIPS\t: 38.40\nCPU implementer\t: 0x41\n\n"
        "processor\t: 1\nBogoMIPS\t: 38.40\n\nHardware\t: BCM2835\nModel\t: Raspberry Pi\n");
}

} // namespace

class TestSystemFacts : public QObject {
    Q_OBJECT
  private slots:
    void cpuInfo() {
        const TCpuInfo x86 = ParseCpuInfo(TwoSocketCpuInfo());
        QCOMPARE(x86.Name, QStringLiteral("Intel(R) Xeon(R) CPU E5-2630 v4 @ 2.20GHz"));
        QCOMPARE(x86.Vendor, QStringLiteral("GenuineIntel"));
        QCOMPARE(x86.LogicalCores, 8);
        QCOMPARE(x86.PhysicalCores, 4);
        QCOMPARE(x86.Packages, 2);
        QCOMPARE(x86.ReportedMHz, 1197.1);

        const TCpuInfo arm = ParseCpuInfo(ArmCpuInfo());
        QCOMPARE(arm.Name, QString());
        QCOMPARE(arm.LogicalCores, 2);
        QCOMPARE(arm.PhysicalCores, 2);
        QCOMPARE(arm.Packages, 1);
        QCOMPARE(ParseCpuInfo(QString()).Packages, 0);
    }

    void cpuType_data() {
        QTest::addColumn<QString>("vendor");
        QTest::addColumn<QString>("type");
        QTest::newRow("Intel") << "GenuineIntel"
                               << "cpuIntel";
        QTest::newRow("AMD") << "AuthenticAMD"
                             << "cpuAMD";
        QTest::newRow("Cyrix") << "CyrixInstead"
                               << "cpuCyrix";
        QTest::newRow("Transmeta") << "GenuineTMx86"
                                   << "cpuCrusoe";
        QTest::newRow("other maker") << "HygonGenuine"
                                     << "cpuUnknown";
        QTest::newRow("none") << ""
                              << "cpuUnknown";
    }
    void cpuType() {
        QFETCH(QString, vendor);
        QFETCH(QString, type);
        QCOMPARE(CpuTypeName(vendor), type);
    }

    void nominalFrequency_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<double>("reported");
        QTest::addColumn<QString>("baseKHz");
        QTest::addColumn<QString>("maxKHz");
        QTest::addColumn<qint64>("mhz"); // -1: none
        const QString rated = QStringLiteral("Intel(R) Core(TM) i5-8250U CPU @ 1.60GHz");
        QTest::newRow("base frequency first") << rated << 700.0 << "1800000\n"
                                              << "3400000" << qint64(1800);
        QTest::newRow("rated in the name") << rated << 700.0 << ""
                                           << "3400000" << qint64(1600);
        QTest::newRow("highest frequency") << "AMD EPYC" << 700.0 << ""
                                           << "3400000\n"
                                           << qint64(3400);
        QTest::newRow("reported frequency") << "AMD EPYC" << 2096.006 << ""
                                            << "" << qint64(2096);
        QTest::newRow("nothing") << "" << 0.0 << "garbage"
                                 << "" << qint64(-1);
    }
    void nominalFrequency() {
        QFETCH(QString, name);
        QFETCH(double, reported);
        QFETCH(QString, baseKHz);
        QFETCH(QString, maxKHz);
        QFETCH(qint64, mhz);
        TCpuInfo cpu;
        cpu.Name = name;
        cpu.ReportedMHz = reported;
        QCOMPARE(NominalMHz(cpu, baseKHz, maxKHz).value_or(-1), mhz);
    }

    void memInfo() {
        const QString meminfo = QStringLiteral("MemTotal:        8024380 kB\nMemFree:          512000 kB\n"
                                               "MemAvailable:    4012190 kB\nSwapTotal:             0 kB\n");
        QCOMPARE(KiBEntryBytes(meminfo, QStringLiteral("MemTotal")).value_or(-1), qint64(8024380) * 1024);
        QCOMPARE(KiBEntryBytes(meminfo, QStringLiteral("SwapTotal")).value_or(-1), qint64(0));
        QVERIFY(!KiBEntryBytes(meminfo, QStringLiteral("SwapFree")));
        QVERIFY(!KiBEntryBytes(meminfo, QStringLiteral("Mem")));
    }

    void osRelease() {
        const QMap<QString, QString> values = ParseOsRelease(QStringLiteral(
            "# comment\nPRETTY_NAME=\"Debian GNU/Linux 12 (bookworm)\"\nID=debian\nVERSION_ID=\"12\"\n\n"
            "NAME='Quoted \\\"Name\\\"'\nVARIANT_ID=server\nbroken line\n"));
        QCOMPARE(values.value(QStringLiteral("PRETTY_NAME")),
                 QStringLiteral("Debian GNU/Linux 12 (bookworm)"));
        QCOMPARE(values.value(QStringLiteral("NAME")), QStringLiteral("Quoted \"Name\""));
        QCOMPARE(values.size(), 5);
        QCOMPARE(OsVersionSymbol(values), QStringLiteral("osDebian12"));
        QCOMPARE(ProductTypeSymbol(values), QStringLiteral("ptServer"));
        const QMap<QString, QString> ubuntu = {{QStringLiteral("ID"), QStringLiteral("ubuntu")},
                                               {QStringLiteral("VERSION_ID"), QStringLiteral("22.04")}};
        QCOMPARE(OsVersionSymbol(ubuntu), QStringLiteral("osUbuntu2204"));
        QCOMPARE(ProductTypeSymbol(ubuntu), QStringLiteral("ptWorkStation"));
        QCOMPARE(OsVersionSymbol({}), QString());
    }

    void uptime() {
        QCOMPARE(ParseUptimeSeconds(QStringLiteral("8606.91 15149.97\n")).value_or(-1), qint64(8606));
        QVERIFY(!ParseUptimeSeconds(QStringLiteral("")));
    }

    void kernelRelease() {
        const TKernelVersion debian = ParseKernelRelease(QStringLiteral("6.1.0-18-amd64"));
        QCOMPARE(debian.Major.value_or(-1), 6);
        QCOMPARE(debian.Minor.value_or(-1), 1);
        QCOMPARE(debian.Patch.value_or(-1), 0);
        const TKernelVersion shortOne = ParseKernelRelease(QStringLiteral("6.18-custom"));
        QCOMPARE(shortOne.Minor.value_or(-1), 18);
        QVERIFY(!shortOne.Patch);
        QVERIFY(!ParseKernelRelease(QStringLiteral("unknown")).Major);
    }

    void domain() {
        QCOMPARE(DomainFromResolvConf(QStringLiteral("nameserver 10.0.0.1\nsearch lan home\n")),
                 QStringLiteral("lan"));
        QCOMPARE(DomainFromResolvConf(QStringLiteral("search lan\ndomain example.org\n")),
                 QStringLiteral("example.org"));
        QCOMPARE(DomainFromResolvConf(QStringLiteral("nameserver 10.0.0.1\n")), QString());
    }

    // This machine: the facts Linux always has, in agreement with Qt's view of them.
    void thisMachine() {
        const TPlatformFacts facts = ReadPlatformFacts();
        QCOMPARE(facts.CpuLogicalCores, QThread::idealThreadCount());
        QVERIFY(facts.CpuPackages >= 1 && facts.CpuPhysicalCores >= 1);
        QVERIFY(facts.TotalPhysicalBytes.value_or(0) > 0);
        QVERIFY(facts.FreeVirtualBytes.value_or(0) > 0);
        QVERIFY(facts.UptimeSeconds);
        QVERIFY(!facts.UserName.isEmpty());
        QVERIFY(!facts.ProductName.isEmpty());
        QCOMPARE(QString::number(facts.VersionMajor.value_or(-1)),
                 QSysInfo::kernelVersion().section(QLatin1Char('.'), 0, 0));
    }
};

QTEST_GUILESS_MAIN(TestSystemFacts)
#include "tst_systemfacts.moc"
