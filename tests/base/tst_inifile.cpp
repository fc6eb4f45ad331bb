#include "base/AppError.h"
#include "base/IniFile.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QStringEncoder>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <sys/resource.h>

namespace {

const QString Section = QStringLiteral("Pellmora");
const QString Default = QStringLiteral("DEF");

QByteArray Utf16(QStringConverter::Encoding encoding, const QString& text) {
    return QStringEncoder(encoding).encode(text);
}

} // namespace

class TestIniFile : public QObject {
    Q_OBJECT

  private slots:
    void init();

    void readString_data();
    void readString();
    void readDefaultsWithoutFile();
    void readInteger_data();
    void readInteger();
    void readDateTime();

    void write_data();
    void write();
    void writeCreatesFile();
    void writeThenRead_data();
    void writeThenRead();
    void fileNameMatchedIgnoringCase();
    void everyCallReadsTheFile();

    void unreadableFileThrows();
    void failedWriteThrowsAndKeepsOldFile();
    void fullDiskKeepsOldFile();

    void hostileInputs();

  private:
    QString Path() const { return dir->filePath(QStringLiteral("Pellmora.INI")); }
    void WriteBytes(const QString& path, const QByteArray& bytes);
    QByteArray ReadBytes(const QString& path);

    std::unique_ptr<QTemporaryDir> dir;
};

void TestIniFile::init() {
    dir = std::make_unique<QTemporaryDir>();
    QVERIFY(dir->isValid());
}

void TestIniFile::WriteBytes(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(bytes), bytes.size());
}

QByteArray TestIniFile::ReadBytes(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QByteArray();
    return file.readAll();
}

void TestIniFile::readString_data() {
    QTest::addColumn<QByteArray>("contents");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("expected");

    QTest::newRow("plain") << QByteArray("[Pellmora]\r\nKey=value\r\n") << "Key"
                           << "value";
    QTest::newRow("section case") << QByteArray("[pELLMORA]\r\nKey=value\r\n") << "Key"
                                  << "value";
    QTest::newRow("key case") << QByteArray("[Pellmora]\r\nkEY=value\r\n") << "Key"
                              << "value";
    QTest::newRow("blanks around") << QByteArray(
                                          "  [ Pellmora ]  \r\n \tKey \t= \t value with  inner \t \r\n")
                                   << "Key"
                                   << "value with  inner";
    QTest::newRow("double quotes") << QByteArray("[Pellmora]\r\nKey= \"  quoted  \" \r\n") << "Key"
                                   << "  quoted  ";
    QTest::newRow("single quotes") << QByteArray("[Pellmora]\r\nKey='x'\r\n") << "Key"
                                   << "x";
    QTest::newRow("one pair only") << QByteArray("[Pellmora]\r\nKey=\"\"x\"\"\r\n") << "Key"
                                   << "\"x\"";
    QTest::newRow("mismatched quotes") << QByteArray("[Pellmora]\r\nKey=\"x'\r\n") << "Key"
                                       << "\"x'";
    QTest::newRow("lone quote") << QByteArray("[Pellmora]\r\nKey=\"\r\n") << "Key"
                                << "\"";
    QTest::newRow("opening quote only") << QByteArray("[Pellmora]\r\nKey=\"x\r\n") << "Key"
                                        << "\"x";
    QTest::newRow("empty quotes") << QByteArray("[Pellmora]\r\nKey=\"\"\r\n") << "Key" << QString();
    QTest::newRow("empty value is not missing") << QByteArray("[Pellmora]\r\nKey=\r\n") << "Key" << QString();
    QTest::newRow("equals in value") << QByteArray("[Pellmora]\r\nKey=a=b\r\n") << "Key"
                                     << "a=b";
    QTest::newRow("missing key") << QByteArray("[Pellmora]\r\nOther=1\r\n") << "Key" << Default;
    QTest::newRow("missing section") << QByteArray("[Other]\r\nKey=1\r\n") << "Key" << Default;
    QTest::newRow("key of another section")
        << QByteArray("[Other]\r\nKey=1\r\n[Pellmora]\r\nA=2\r\n") << "Key" << Default;
    QTest::newRow("section ends at next header")
        << QByteArray("[Pellmora]\r\nA=2\r\n[Other]\r\nKey=1\r\n") << "Key" << Default;
    QTest::newRow("key before any section") << QByteArray("Key=1\r\n[Pellmora]\r\n") << "Key" << Default;
    QTest::newRow("line without equals") << QByteArray("[Pellmora]\r\nKey\r\n") << "Key" << Default;
    QTest::newRow("first of two keys") << QByteArray("[Pellmora]\r\nKey=1\r\nKEY=2\r\n") << "Key"
                                       << "1";
    QTest::newRow("first of two sections")
        << QByteArray("[Pellmora]\r\nA=1\r\n[Pellmora]\r\nKey=2\r\n") << "Key" << Default;
    QTest::newRow("LF lines, no final break") << QByteArray("[Pellmora]\nA=1\nKey=last") << "Key"
                                              << "last";
    QTest::newRow("UTF-8 text") << QByteArray("[Pellmora]\r\nKey=K\xC3\xA4se \xE2\x82\xAC\r\n") << "Key"
                                << QStringLiteral("K\u00E4se \u20AC");
    QTest::newRow("UTF-8 BOM") << QByteArray("\xEF\xBB\xBF[Pellmora]\r\nKey=\xC3\xA4\r\n") << "Key"
                               << QStringLiteral("\u00E4");
    QTest::newRow("UTF-16LE BOM") << QByteArray("\xFF\xFE") +
                                         Utf16(QStringConverter::Utf16LE,
                                               QStringLiteral("[Pellmora]\r\nKey=\u00E4\r\n"))
                                  << "Key" << QStringLiteral("\u00E4");
    QTest::newRow("UTF-16BE BOM") << QByteArray("\xFE\xFF") +
                                         Utf16(QStringConverter::Utf16BE,
                                               QStringLiteral("[Pellmora]\r\nKey=\u00E4\r\n"))
                                  << "Key" << QStringLiteral("\u00E4");
    QTest::newRow("garbage bytes around")
        << QByteArray("\x80\xFF\x01\r\n[Pellmora]\r\n\xC3(\r\nKey=ok\r\n\xFE") << "Key"
        << "ok";
    QTest::newRow("NUL bytes") << QByteArray(4096, '\0') << "Key" << Default;

    const QString long2047(2047, QLatin1Char('a'));
    QTest::newRow("2047 kept") << (QByteArray("[Pellmora]\r\nKey=") + long2047.toLatin1()) << "Key"
                               << long2047;
    QTest::newRow("longer cut to 2047") << (QByteArray("[Pellmora]\r\nKey=") + QByteArray(5000, 'b')) << "Key"
                                        << QString(2047, QLatin1Char('b'));
    QTest::newRow("cap after quotes")
        << (QByteArray("[Pellmora]\r\nKey=\"") + long2047.toLatin1() + "\"") << "Key" << long2047;
    // 2046 letters then a character outside the BMP: cutting at 2047 would split its pair.
    QTest::newRow("cap keeps characters whole")
        << (QByteArray("[Pellmora]\r\nKey=") + QByteArray(2046, 'c') + "\xF0\x9F\x98\x80") << "Key"
        << QString(2046, QLatin1Char('c'));
}

void TestIniFile::readString() {
    QFETCH(QByteArray, contents);
    QFETCH(QString, key);
    QFETCH(QString, expected);
    WriteBytes(Path(), contents);
    QCOMPARE(TIniFile(Path()).ReadString(Section, key, Default), expected);
}

void TestIniFile::readDefaultsWithoutFile() {
    const TIniFile ini(Path());
    QCOMPARE(ini.ReadString(Section, QStringLiteral("Key"), Default), Default);
    QCOMPARE(ini.ReadInteger(Section, QStringLiteral("Key"), -1), -1);
    QCOMPARE(ini.ReadDateTime(Section, QStringLiteral("Key"), 0), 0.0);
    QVERIFY(!ini.SectionExists(Section));
    QVERIFY(!QFile::exists(Path()));
}

void TestIniFile::readInteger_data() {
    QTest::addColumn<QString>("value");
    QTest::addColumn<int>("expected");
    const int def = 77;

    QTest::newRow("decimal") << "42" << 42;
    QTest::newRow("negative") << "-42" << -42;
    QTest::newRow("plus sign") << "+7" << 7;
    QTest::newRow("leading zeros") << "007" << 7;
    QTest::newRow("blanks and quotes around") << " \"12\" " << 12;
    QTest::newRow("max") << "2147483647" << 2147483647;
    QTest::newRow("min") << "-2147483648" << int(-2147483647 - 1);
    QTest::newRow("above max") << "2147483648" << def;
    QTest::newRow("below min") << "-2147483649" << def;
    QTest::newRow("far too long") << "99999999999999999999999" << def;
    QTest::newRow("hex") << "0x1F" << 31;
    QTest::newRow("hex capital X, lower digits") << "0X1f" << 31;
    QTest::newRow("hex leading zeros") << "0x000000000001" << 1;
    QTest::newRow("hex max positive") << "0x7FFFFFFF" << 2147483647;
    QTest::newRow("hex high bit is negative") << "0x80000000" << int(-2147483647 - 1);
    QTest::newRow("hex all bits") << "0xFFFFFFFF" << -1;
    QTest::newRow("hex above 32 bits") << "0x100000000" << def;
    QTest::newRow("0x alone") << "0x" << def;
    QTest::newRow("bad hex digit") << "0x1G" << def;
    QTest::newRow("negative hex") << "-0x10" << def;
    QTest::newRow("letters") << "abc" << def;
    QTest::newRow("trailing letters") << "12abc" << def;
    QTest::newRow("inner blank") << "4 2" << def;
    QTest::newRow("fraction") << "1.5" << def;
    QTest::newRow("sign alone") << "-" << def;
    QTest::newRow("empty") << "" << def;
    QTest::newRow("arabic-indic digits") << QStringLiteral("\u0664\u0662") << def;
}

void TestIniFile::readInteger() {
    QFETCH(QString, value);
    QFETCH(int, expected);
    WriteBytes(Path(), "[Pellmora]\r\nN=" + value.toUtf8() + "\r\n");
    QCOMPARE(TIniFile(Path()).ReadInteger(Section, QStringLiteral("n"), 77), expected);
}

void TestIniFile::readDateTime() {
    const QLocale us(QStringLiteral("en_US"));
    const QLocale de(QStringLiteral("de_DE"));
    TIniFile ini(Path());
    const TDateTime when = 45662 + (15 * 3600 + 4 * 60 + 5) / 86400.0; // 5 January 2025 15:04:05
    ini.WriteDateTime(Section, QStringLiteral("ImportDate"), when, us);
    QCOMPARE(ini.ReadString(Section, QStringLiteral("ImportDate"), QString()),
             QStringLiteral("1/5/2025 3:04:05 PM"));
    QCOMPARE(ini.ReadDateTime(Section, QStringLiteral("ImportDate"), 0, us), when);
    // Written under one regional format and read under another that cannot parse it.
    QCOMPARE(ini.ReadDateTime(Section, QStringLiteral("ImportDate"), -5, de), -5.0);

    ini.WriteDateTime(Section, QStringLiteral("VerifyDate"), 45662, de);
    QCOMPARE(ini.ReadString(Section, QStringLiteral("VerifyDate"), QString()), QStringLiteral("05.01.2025"));
    QCOMPARE(ini.ReadDateTime(Section, QStringLiteral("VerifyDate"), 0, de), 45662.0);
}

void TestIniFile::write_data() {
    QTest::addColumn<QByteArray>("before");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("value");
    QTest::addColumn<QByteArray>("after");

    QTest::newRow("replace in place")
        << QByteArray("; note\r\n[Pellmora]\r\nA=1\r\nKey=old\r\nB=2\r\n[X]\r\nKey=x\r\n") << "Key"
        << "new" << QByteArray("; note\r\n[Pellmora]\r\nA=1\r\nKey=new\r\nB=2\r\n[X]\r\nKey=x\r\n");
    QTest::newRow("replace keeps other lines byte for byte")
        << QByteArray("[pellmora]\n  A = 1 \n\tKEY = old ; c\nB=\"2\"\n") << "key"
        << "new" << QByteArray("[pellmora]\n  A = 1 \nKEY=new\nB=\"2\"\n");
    QTest::newRow("replace first of two keys") << QByteArray("[Pellmora]\r\nKey=1\r\nKey=2\r\n") << "Key"
                                               << "3" << QByteArray("[Pellmora]\r\nKey=3\r\nKey=2\r\n");
    QTest::newRow("replace last line without break") << QByteArray("[Pellmora]\r\nKey=old") << "Key"
                                                     << "new" << QByteArray("[Pellmora]\r\nKey=new");
    QTest::newRow("append at end of section")
        << QByteArray("[Pellmora]\r\nA=1\r\n\r\n[X]\r\nKey=x\r\n") << "Key"
        << "new" << QByteArray("[Pellmora]\r\nA=1\r\nKey=new\r\n\r\n[X]\r\nKey=x\r\n");
    QTest::newRow("append to empty section") << QByteArray("[Pellmora]\r\n[X]\r\n") << "Key"
                                             << "new" << QByteArray("[Pellmora]\r\nKey=new\r\n[X]\r\n");
    QTest::newRow("append after last line without break")
        << QByteArray("[Pellmora]\r\nA=1") << "Key"
        << "new" << QByteArray("[Pellmora]\r\nA=1\r\nKey=new\r\n");
    QTest::newRow("create section") << QByteArray("[X]\r\nKey=x\r\n") << "Key"
                                    << "new" << QByteArray("[X]\r\nKey=x\r\n[Pellmora]\r\nKey=new\r\n");
    QTest::newRow("create section after last line without break")
        << QByteArray("[X]\nKey=x") << "Key"
        << "new" << QByteArray("[X]\nKey=x\r\n[Pellmora]\r\nKey=new\r\n");
    QTest::newRow("empty file") << QByteArray() << "Key"
                                << "new" << QByteArray("[Pellmora]\r\nKey=new\r\n");
    QTest::newRow("blanks written as given") << QByteArray("[Pellmora]\r\n") << "Key"
                                             << "  -x  " << QByteArray("[Pellmora]\r\nKey=  -x  \r\n");
    QTest::newRow("line breaks cannot add lines")
        << QByteArray("[Pellmora]\r\n") << "Key"
        << "a\r\n[X]\nb" << QByteArray("[Pellmora]\r\nKey=a  [X] b\r\n");
    QTest::newRow("garbage bytes kept")
        << QByteArray("\x80\xFF\r\n[Pellmora]\r\n\xC3(\r\nKey=old\r\n\xFE") << "Key"
        << QStringLiteral("\u00E4") << QByteArray("\x80\xFF\r\n[Pellmora]\r\n\xC3(\r\nKey=\xC3\xA4\r\n\xFE");
    QTest::newRow("UTF-8 BOM kept") << QByteArray("\xEF\xBB\xBF[Pellmora]\r\nKey=old\r\n") << "Key"
                                    << QStringLiteral("\u00E4")
                                    << QByteArray("\xEF\xBB\xBF[Pellmora]\r\nKey=\xC3\xA4\r\n");
    QTest::newRow("UTF-16LE BOM kept")
        << QByteArray("\xFF\xFE") + Utf16(QStringConverter::Utf16LE, QStringLiteral("[Pellmora]\r\nA=1\r\n"))
        << "Key" << QStringLiteral("\u00E4")
        << QByteArray("\xFF\xFE") +
               Utf16(QStringConverter::Utf16LE, QStringLiteral("[Pellmora]\r\nA=1\r\nKey=\u00E4\r\n"));
    QTest::newRow("UTF-16BE BOM kept")
        << QByteArray("\xFE\xFF") + Utf16(QStringConverter::Utf16BE, QStringLiteral("[Pellmora]\nKey=1\n"))
        << "Key"
        << "2"
        << QByteArray("\xFE\xFF") + Utf16(QStringConverter::Utf16BE, QStringLiteral("[Pellmora]\nKey=2\n"));
}

void TestIniFile::write() {
    QFETCH(QByteArray, before);
    QFETCH(QString, key);
    QFETCH(QString, value);
    QFETCH(QByteArray, after);
    WriteBytes(Path(), before);
    TIniFile(Path()).WriteString(Section, key, value);
    QCOMPARE(ReadBytes(Path()), after);
}

void TestIniFile::writeCreatesFile() {
    TIniFile ini(Path());
    ini.WriteInteger(Section, QStringLiteral("nGames"), -1);
    ini.WriteInteger(Section, QStringLiteral("nFound"), 12);
    ini.WriteInteger(Section, QStringLiteral("NGAMES"), 45000);
    QCOMPARE(ReadBytes(Path()), QByteArray("[Pellmora]\r\nnGames=45000\r\nnFound=12\r\n"));
    QCOMPARE(QDir(dir->path()).entryList(QDir::Files), QStringList{QStringLiteral("Pellmora.INI")});
}

void TestIniFile::writeThenRead_data() {
    QTest::addColumn<QString>("written");
    QTest::addColumn<QString>("read");
    QTest::newRow("plain") << "C:/mame/"
                           << "C:/mame/";
    QTest::newRow("blanks dropped on reading") << "  -window -nomax  "
                                               << "-window -nomax";
    QTest::newRow("quotes dropped on reading") << "\"-x\""
                                               << "-x";
    QTest::newRow("empty") << ""
                           << "";
    QTest::newRow("non-ASCII") << QStringLiteral("Pok\u00E9mon \u65E5\u672C")
                               << QStringLiteral("Pok\u00E9mon \u65E5\u672C");
}

void TestIniFile::writeThenRead() {
    QFETCH(QString, written);
    QFETCH(QString, read);
    TIniFile ini(Path());
    ini.WriteString(Section, QStringLiteral("CommandLineSwitches"), written);
    QCOMPARE(ini.ReadString(Section, QStringLiteral("CommandLineSwitches"), Default), read);
}

void TestIniFile::fileNameMatchedIgnoringCase() {
    const QString onDisk = dir->filePath(QStringLiteral("pellMORA.ini"));
    WriteBytes(onDisk, "[PELLMORA]\r\nStyleName=Carbon\r\n");
    TIniFile ini(Path());
    QCOMPARE(ini.ReadString(Section, QStringLiteral("StyleName"), Default), QStringLiteral("Carbon"));
    ini.WriteString(Section, QStringLiteral("StyleName"), QStringLiteral("Obsidian"));
    QCOMPARE(QDir(dir->path()).entryList(QDir::Files), QStringList{QStringLiteral("pellMORA.ini")});
    QCOMPARE(ReadBytes(onDisk), QByteArray("[PELLMORA]\r\nStyleName=Obsidian\r\n"));
}

void TestIniFile::everyCallReadsTheFile() {
    const TIniFile ini(Path());
    WriteBytes(Path(), "[Pellmora]\r\nnFound=1\r\n");
    QCOMPARE(ini.ReadInteger(Section, QStringLiteral("nFound"), -1), 1);
    WriteBytes(Path(), "[Pellmora]\r\nnFound=2\r\n");
    QCOMPARE(ini.ReadInteger(Section, QStringLiteral("nFound"), -1), 2);
}

void TestIniFile::unreadableFileThrows() {
    // A folder where the file should be cannot be read, even by root.
    QVERIFY(QDir(dir->path()).mkdir(QStringLiteral("Pellmora.INI")));
    TIniFile ini(Path());
    try {
        ini.ReadString(Section, QStringLiteral("Key"), Default);
        QFAIL("no error");
    } catch (const AppError& error) {
        QVERIFY2(error.message().startsWith(QStringLiteral("Unable to read ") + Path()),
                 qPrintable(error.message()));
    }
    try {
        ini.WriteString(Section, QStringLiteral("Key"), QStringLiteral("v"));
        QFAIL("no error");
    } catch (const AppError& error) {
        QCOMPARE(error.message(), QStringLiteral("Unable to write to ") + Path());
    }
}

void TestIniFile::failedWriteThrowsAndKeepsOldFile() {
    // A folder that is a regular file refuses every write, root's included.
    const QString blocker = dir->filePath(QStringLiteral("blocker"));
    WriteBytes(blocker, "old");
    const QString path = blocker + QStringLiteral("/Pellmora.INI");
    TIniFile ini(path);
    QCOMPARE(ini.ReadInteger(Section, QStringLiteral("Left"), 5), 5);
    try {
        ini.WriteInteger(Section, QStringLiteral("Left"), 1);
        QFAIL("no error");
    } catch (const AppError& error) {
        QCOMPARE(error.message(), QStringLiteral("Unable to write to ") + path);
    }
    QCOMPARE(ReadBytes(blocker), QByteArray("old"));
}

void TestIniFile::fullDiskKeepsOldFile() {
    // A file size limit makes the new file's write fail as a full disk would.
    const QByteArray before("[Pellmora]\r\nKey=old\r\n");
    WriteBytes(Path(), before);
    rlimit saved{};
    QCOMPARE(getrlimit(RLIMIT_FSIZE, &saved), 0);
    const auto savedHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = saved;
    small.rlim_cur = 8;
    QCOMPARE(setrlimit(RLIMIT_FSIZE, &small), 0);
    QString message;
    try {
        TIniFile(Path()).WriteString(Section, QStringLiteral("Key"), QStringLiteral("new"));
    } catch (const AppError& error) {
        message = error.message();
    }
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, savedHandler);
    QCOMPARE(message, QStringLiteral("Unable to write to ") + Path());
    QCOMPARE(ReadBytes(Path()), before);
    QCOMPARE(QDir(dir->path()).entryList(QDir::Files), QStringList{QStringLiteral("Pellmora.INI")});
}

void TestIniFile::hostileInputs() {
    const QByteArray longLine(10 * 1024 * 1024, 'z');
    const QByteArray before = "[Pellmora]\r\nBig=" + longLine + "\r\nKey=1\r\n";
    WriteBytes(Path(), before);
    TIniFile ini(Path());
    QElapsedTimer timer;
    timer.start();
    QCOMPARE(ini.ReadInteger(Section, QStringLiteral("Key"), -1), 1);
    QCOMPARE(ini.ReadString(Section, QStringLiteral("Big"), Default).size(), 2047);
    QCOMPARE(ini.ReadInteger(Section, QStringLiteral("Big"), -1), -1);
    ini.WriteInteger(Section, QStringLiteral("Key"), 2);
    QCOMPARE(ReadBytes(Path()), "[Pellmora]\r\nBig=" + longLine + "\r\nKey=2\r\n");
    qInfo("10 MB line: three reads and a write in %lld ms", timer.elapsed());

    const QByteArray nuls(1024 * 1024, '\0');
    WriteBytes(Path(), nuls);
    QCOMPARE(ini.ReadInteger(Section, QStringLiteral("Key"), -1), -1);
    QVERIFY(!ini.SectionExists(Section));
    ini.WriteInteger(Section, QStringLiteral("Key"), 3);
    QCOMPARE(ReadBytes(Path()), nuls + "\r\n[Pellmora]\r\nKey=3\r\n");
    QCOMPARE(ini.ReadInteger(Section, QStringLiteral("Key"), -1), 3);
}

QTEST_GUILESS_MAIN(TestIniFile)
#include "tst_inifile.moc"
