// The exception log's text and file: sizes, the fixed order of its lines, its name, CR LF
// line ends, a second failure in the same second, and a folder it cannot be written to.

#include "diag/ExceptionLog.h"

#include <QTemporaryDir>
#include <QtTest>

namespace {

TSystemFacts SampleFacts() {
    TSystemFacts facts;
    facts.ExeName = QStringLiteral("/opt/pellmora/pellmora");
    facts.CPUName = QStringLiteral("Intel(R) Core(TM) i5-8250U CPU @ 1.60GHz");
    facts.VersionCSDString = QString(); // a fact the system does not have
    return facts;
}

TExceptionLogContext SampleContext() {
    return {QStringLiteral("Pellmora"), QStringLiteral("Version 1.0 Release 0 Build 7"),
            QDateTime(QDate(2016, 5, 1), QTime(13, 45, 9)), QStringLiteral("/opt/pellmora/"),
            QStringLiteral("/home/ann/.local/share/Quorvane/Pellmora/")};
}

TExceptionReport SampleReport() {
    return {QStringLiteral("Unable to write to\n/x/Pellmora.DAT"),
            QStringLiteral("AppError"),
            {QStringLiteral("[0x0000000000401000] Save() (save.cpp:10)"),
             QStringLiteral("[0x0000000000402000] main (main.cpp:3)")}};
}

// The label of a line: its text up to and including the first "= " or ": ".
QString LabelOf(const QString& line) {
    for (const char* separator : {"= ", ": "}) {
        const qsizetype at = line.indexOf(QLatin1String(separator));
        if (at >= 0)
            return line.left(at + 2);
    }
    return line;
}

} // namespace

class TestExceptionLog : public QObject {
    Q_OBJECT
  private slots:
    void formatSizeInKB_data() {
        QTest::addColumn<qint64>("bytes");
        QTest::addColumn<QString>("english");
        QTest::addColumn<QString>("german");
        QTest::newRow("0") << qint64(0) << "0 KiB"
                           << "0 KiB";
        QTest::newRow("1") << qint64(1) << "1 KiB"
                           << "1 KiB";
        QTest::newRow("1023") << qint64(1023) << "1 KiB"
                              << "1 KiB";
        QTest::newRow("negative") << qint64(-5000) << "1 KiB"
                                  << "1 KiB";
        QTest::newRow("1024") << qint64(1024) << "1 KiB"
                              << "1 KiB";
        QTest::newRow("1535 rounds down") << qint64(1535) << "1 KiB"
                                          << "1 KiB";
        QTest::newRow("1536 rounds half up") << qint64(1536) << "2 KiB"
                                             << "2 KiB";
        QTest::newRow("1 MiB") << qint64(1048576) << "1,024 KiB"
                               << "1.024 KiB";
        QTest::newRow("8 GiB") << qint64(8589934592) << "8,388,608 KiB"
                               << "8.388.608 KiB";
        QTest::newRow("largest") << std::numeric_limits<qint64>::max() << "9,007,199,254,740,992 KiB"
                                 << "9.007.199.254.740.992 KiB";
    }
    void formatSizeInKB() {
        QFETCH(qint64, bytes);
        QFETCH(QString, english);
        QFETCH(QString, german);
        QCOMPARE(FormatSizeInKB(bytes, QLocale(QLocale::English, QLocale::UnitedStates)), english);
        QCOMPARE(FormatSizeInKB(bytes, QLocale(QLocale::German, QLocale::Germany)), german);
        // The C locale leaves out group separators unless told otherwise.
        QCOMPARE(FormatSizeInKB(bytes, QLocale::c()), english);
    }

    void linesInTheirOrder() {
        const QStringList lines = ExceptionLogLines(SampleContext(), SampleReport(), SampleFacts(),
                                                    QLocale(QLocale::English, QLocale::UnitedStates));
        QStringList labels;
        for (const QString& line : lines)
            labels << LabelOf(line);
        const std::initializer_list<const char*> expected = {"Application: ",
                                                             "Version 1.0 Release 0 Build 7",
                                                             "Log Created = ",
                                                             "CurrentPath = ",
                                                             "UserDataPath = ",
                                                             "Exception Message = ",
                                                             "/x/Pellmora.DAT",
                                                             "Exception Class Name = ",
                                                             "",
                                                             "STACK DUMP:",
                                                             "[0x0000000000401000] Save() (save.cpp:10)",
                                                             "[0x0000000000402000] main (main.cpp:3)",
                                                             "",
                                                             "SYSTEM INFO:",
                                                             "App.ExeName: ",
                                                             "App.Version: ",
                                                             "WorkingPath: ",
                                                             "CurrPath: ",
                                                             "UserDataPath: ",
                                                             "Identification.DomainName: ",
                                                             "Identification.LocalComputerName: ",
                                                             "Identification.IPAddress: ",
                                                             "Identification.LocalUserName: ",
                                                             "Misc.TimeRunning: ",
                                                             "Folders.AppData: ",
                                                             "Folders.ProgramFiles: ",
                                                             "Folders.Profile: ",
                                                             "CPU.Name: ",
                                                             "CPU.CPUType: ",
                                                             "CPU.NormFreq: ",
                                                             "CPU.ProcessorCount: ",
                                                             "CPU.PhysicalCore: ",
                                                             "CPU.LogicalCore: ",
                                                             "Memory.TotalPhysicalMemory: ",
                                                             "Memory.FreePhysicalMemory: ",
                                                             "Memory.TotalPageFileMemory: ",
                                                             "Memory.FreePageFileMemory: ",
                                                             "Memory.TotalVirtualMemory: ",
                                                             "Memory.FreeVirtualMemory: ",
                                                             "OS.ProductName: ",
                                                             "OS.OSVersion: ",
                                                             "OS.ProductType: ",
                                                             "OS.VersionBuild: ",
                                                             "OS.VersionMajor: ",
                                                             "OS.VersionMinor: ",
                                                             "OS.ServicePackVersion: ",
                                                             "OS.VersionCSDString: ",
                                                             "",
                                                             "EOF"};
        QStringList expectedLabels;
        for (const char* label : expected)
            expectedLabels << QString::fromLatin1(label);
        QCOMPARE(labels, expectedLabels);
        QCOMPARE(lines.first(), QStringLiteral("Application: Pellmora"));
        QVERIFY(lines.contains(QStringLiteral("Exception Message = Unable to write to")));
        QVERIFY(lines.contains(QStringLiteral("Log Created = 5/1/2016 1:45:09 PM")));
        QVERIFY(lines.contains(QStringLiteral("App.ExeName: /opt/pellmora/pellmora")));
        QVERIFY(lines.contains(QStringLiteral("App.Version: Version 1.0 Release 0 Build 7")));
        QVERIFY(lines.contains(QStringLiteral("OS.VersionCSDString: unknown")));
    }

    void timeRunning() {
        const QLocale english(QLocale::English, QLocale::UnitedStates);
        QCOMPARE(TimeRunningText(8606, english), QStringLiteral("0 2:23:26 AM"));
        QCOMPARE(TimeRunningText(3 * 86400 + 13 * 3600 + 5, english), QStringLiteral("3 1:00:05 PM"));
        QCOMPARE(TimeRunningText(86400, QLocale(QLocale::German, QLocale::Germany)),
                 QStringLiteral("1 00:00:00"));
    }

    // This machine: every fact of the log has a value, a real one or "unknown".
    void factsOfThisMachine() {
        const TSystemFacts facts = ReadSystemFacts();
        const QString* all[] = {&facts.ExeName,
                                &facts.WorkingPath,
                                &facts.DomainName,
                                &facts.LocalComputerName,
                                &facts.IPAddress,
                                &facts.LocalUserName,
                                &facts.TimeRunning,
                                &facts.AppData,
                                &facts.ProgramFiles,
                                &facts.Profile,
                                &facts.CPUName,
                                &facts.CPUType,
                                &facts.NormFreq,
                                &facts.ProcessorCount,
                                &facts.PhysicalCore,
                                &facts.LogicalCore,
                                &facts.TotalPhysicalMemory,
                                &facts.FreePhysicalMemory,
                                &facts.TotalPageFileMemory,
                                &facts.FreePageFileMemory,
                                &facts.TotalVirtualMemory,
                                &facts.FreeVirtualMemory,
                                &facts.ProductName,
                                &facts.OSVersion,
                                &facts.ProductType,
                                &facts.VersionBuild,
                                &facts.VersionMajor,
                                &facts.VersionMinor,
                                &facts.ServicePackVersion,
                                &facts.VersionCSDString};
        for (const QString* fact : all)
            QVERIFY(!fact->isEmpty());
        QCOMPARE(facts.ExeName, QCoreApplication::applicationFilePath());
        QVERIFY(facts.TotalPhysicalMemory.endsWith(QLatin1String(" KiB")));
        QCOMPARE(facts.ServicePackVersion, UnknownFact());
    }

    void fileName_data() {
        QTest::addColumn<int>("counter");
        QTest::addColumn<QString>("name");
        QTest::newRow("first") << 1 << "Pellmora Exception 2016-05-01 13.45.09.log";
        QTest::newRow("second of the same second") << 2 << "Pellmora Exception 2016-05-01 13.45.09 (2).log";
    }
    void fileName() {
        QFETCH(int, counter);
        QFETCH(QString, name);
        QCOMPARE(ExceptionLogFileName(QDateTime(QDate(2016, 5, 1), QTime(13, 45, 9)), counter), name);
    }

    void twoFailuresInOneSecondKeepBothLogs() {
        QTemporaryDir dir;
        const QString folder = dir.path() + QLatin1Char('/');
        const QDateTime when(QDate(2016, 5, 1), QTime(13, 45, 9));
        const QString first =
            WriteExceptionLog(folder, {QStringLiteral("first"), QStringLiteral("EOF")}, when);
        const QString second =
            WriteExceptionLog(folder, {QStringLiteral("second"), QStringLiteral("EOF")}, when);
        QCOMPARE(first, folder + QStringLiteral("Pellmora Exception 2016-05-01 13.45.09.log"));
        QCOMPARE(second, folder + QStringLiteral("Pellmora Exception 2016-05-01 13.45.09 (2).log"));
        QFile firstFile(first), secondFile(second);
        QVERIFY(firstFile.open(QIODevice::ReadOnly) && secondFile.open(QIODevice::ReadOnly));
        QCOMPARE(firstFile.readAll(), QByteArray("first\r\nEOF\r\n"));
        QCOMPARE(secondFile.readAll(), QByteArray("second\r\nEOF\r\n"));
    }

    void writtenForAFailure() {
        QTemporaryDir dir;
        TExceptionLogContext context = SampleContext();
        context.UserDataPath = dir.path() + QLatin1Char('/');
        const QString name = WriteExceptionLogFor(context, SampleReport());
        QVERIFY(name.startsWith(context.UserDataPath + QLatin1String("Pellmora Exception ")));
        QFile file(name);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray text = file.readAll();
        QVERIFY(text.startsWith("Application: Pellmora\r\nVersion 1.0 Release 0 Build 7\r\n"));
        QVERIFY(text.endsWith("\r\n\r\nEOF\r\n"));
        QVERIFY(text.contains("\r\nSTACK DUMP:\r\n[0x0000000000401000] Save() (save.cpp:10)\r\n"));
        QCOMPARE(ExceptionBoxText(QStringLiteral("disk full"), name, context.UserDataPath),
                 QStringLiteral("GENERAL EXCEPTION ERROR: disk full\n\nException log file written to \n") +
                     name);
    }

    // A folder the log cannot go into (here a file stands where the folder should be, which
    // stops even the superuser): no file name comes back and nothing is left behind.
    void unwritableFolderGivesNoFileName() {
        QTemporaryDir dir;
        QFile blocker(dir.filePath(QStringLiteral("data")));
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        const QString name = WriteExceptionLog(blocker.fileName() + QLatin1Char('/'), {QStringLiteral("EOF")},
                                               QDateTime::currentDateTime());
        QVERIFY(name.isEmpty());
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("data")});
        QCOMPARE(ExceptionBoxText(QStringLiteral("disk full"), name, QStringLiteral("/data/")),
                 QStringLiteral("GENERAL EXCEPTION ERROR: disk full\n\n"
                                "The exception log file could not be written to \n/data/"));
    }
};

QTEST_GUILESS_MAIN(TestExceptionLog)
#include "tst_exceptionlog.moc"
