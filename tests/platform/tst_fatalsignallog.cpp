// A fatal signal leaves an exception log before the program ends: a child copy of this test
// program installs the handler and crashes; the test reads what it left.

#include "platform/FatalSignalLog.h"

#include <QDir>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

#include <csignal>
#include <cstdlib>
#include <cstring>

namespace {

const char* const ChildSwitch = "--crash-with";

// Runs in the child: the folder and the way to crash come on the command line.
[[noreturn]] void CrashAsChild(const char* folder, const char* how) {
    InstallFatalSignalLog({QString::fromLocal8Bit(folder) + QLatin1Char('/'), QStringLiteral("Pellmora"),
                           QStringLiteral("Version 1.0 Release 0 Build 7"), QStringLiteral("/opt/pellmora/"),
                           QString::fromLocal8Bit(folder) + QLatin1Char('/')});
    if (std::strcmp(how, "fault") == 0) {
        // A real fault on an unmapped address; made at run time, so the compiler cannot see it.
        volatile int* nowhere = reinterpret_cast<volatile int*>(std::strtoull("16", nullptr, 10));
        *nowhere = 1;
    } else if (std::strcmp(how, "abort") == 0) {
        std::abort();
    } else {
        std::raise(std::atoi(how));
    }
    std::_Exit(3);
}

} // namespace

class TestFatalSignalLog : public QObject {
    Q_OBJECT
  private slots:
    void crashLeavesALog_data() {
        QTest::addColumn<QString>("how");
        QTest::addColumn<int>("signal");
        QTest::addColumn<QString>("name");
        QTest::newRow("segmentation fault") << "fault" << SIGSEGV << "SIGSEGV";
        QTest::newRow("abort") << "abort" << SIGABRT << "SIGABRT";
        QTest::newRow("bus error") << QString::number(SIGBUS) << SIGBUS << "SIGBUS";
        QTest::newRow("illegal instruction") << QString::number(SIGILL) << SIGILL << "SIGILL";
        QTest::newRow("floating-point error") << QString::number(SIGFPE) << SIGFPE << "SIGFPE";
    }
    void crashLeavesALog() {
        QFETCH(QString, how);
        QFETCH(int, signal);
        QFETCH(QString, name);
        QTemporaryDir dir;
        QProcess child;
        child.start(QCoreApplication::applicationFilePath(),
                    {QString::fromLatin1(ChildSwitch), dir.path(), how});
        QVERIFY(child.waitForFinished(30000));
        // The signal still ends the program as it would have without the handler.
        QCOMPARE(child.exitStatus(), QProcess::CrashExit);

        const QStringList logs = QDir(dir.path()).entryList({QStringLiteral("*.log")}, QDir::Files);
        QCOMPARE(logs.size(), 1);
        static const QRegularExpression logName(
            QStringLiteral("^Pellmora Exception \\d{4}-\\d\\d-\\d\\d \\d\\d\\.\\d\\d\\.\\d\\d\\.log$"));
        QVERIFY2(logName.match(logs[0]).hasMatch(), qPrintable(logs[0]));
        QFile file(dir.filePath(logs[0]));
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray bytes = file.readAll();
        QVERIFY(bytes.endsWith("\r\nEOF\r\n"));
        const QStringList lines = QString::fromLocal8Bit(bytes).split(QStringLiteral("\r\n"));
        QCOMPARE(lines.value(0), QStringLiteral("Application: Pellmora"));
        QCOMPARE(lines.value(1), QStringLiteral("Version 1.0 Release 0 Build 7"));
        QVERIFY(lines.value(2).startsWith(QLatin1String("Log Created = ")));
        QCOMPARE(lines.value(3), QStringLiteral("CurrentPath = /opt/pellmora/"));
        QVERIFY(
            lines.value(5).startsWith(QStringLiteral("Exception Message = Fatal signal %1 (").arg(signal)));
        QCOMPARE(lines.value(6), QStringLiteral("Exception Class Name = ") + name);
        QCOMPARE(lines.value(8), QStringLiteral("STACK DUMP:"));
        // The raw stack names this test program, so that addr2line can find the lines.
        const QString program = QCoreApplication::applicationFilePath();
        QVERIFY2(bytes.contains(QFile::encodeName(program) + "+0x"), bytes.constData());
    }
};

int main(int argc, char** argv) {
    if (argc == 4 && std::strcmp(argv[1], ChildSwitch) == 0)
        CrashAsChild(argv[2], argv[3]);
    QCoreApplication app(argc, argv);
    TestFatalSignalLog test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_fatalsignallog.moc"
