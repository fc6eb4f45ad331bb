// The archive test: its report line by line for good, damaged, encrypted, empty and
// unknown archives, and the nearest failure text for libarchive's words.

#include "gamefiles/ArchiveFixtures.h"
#include "gamefiles/ArchiveLayer.h"
#include "gamefiles/ArchiveTest.h"

#include <QDir>
#include <QTemporaryDir>
#include <QtTest>

namespace {

QString S(const char* text) {
    return QString::fromUtf8(text);
}

const QByteArray Text("The quick brown fox jumps over the lazy dog. 0123456789\n");

QByteArray Repeated(const QByteArray& piece, int times) {
    return piece.repeated(times);
}

std::vector<FixtureItem> ThreeFiles() {
    return {{"a.bin", Repeated("AAAA", 300)}, {"b.bin", Repeated("BBBB", 300)}, {"c.bin", Text}};
}

QString ValidEnding(const QString& path) {
    return QStringLiteral("\r\nNo errors in ") + path + QStringLiteral("\r\nReturn Code = 0");
}

const QString NotValidEnding = QStringLiteral("\r\nThe compressed file is NOT VALID.\r\nReturn Code = -1");

QString Heading(const QString& path) {
    return QStringLiteral("TESTING FILE: ") + path + QStringLiteral("\r\n\r\n");
}

} // namespace

class TestArchiveTest : public QObject {
    Q_OBJECT

  private:
    QTemporaryDir dir;
    QString PathOf(const char* name) const { return dir.filePath(QString::fromUtf8(name)); }

  private slots:
    void GoodArchivesGiveOneLinePerItem_data();
    void GoodArchivesGiveOneLinePerItem();
    void DamagedItemsAreNamedAndTheRestStillTested_data();
    void DamagedItemsAreNamedAndTheRestStillTested();
    void EarlyStopsEndTheReportAtTheirLine_data();
    void EarlyStopsEndTheReportAtTheirLine();
    void EncryptedItemIsReportedAndStillTried();
    void TestingChangesNoFile();
    void FailureWordsMapToTheNearestText_data();
    void FailureWordsMapToTheNearestText();
};

void TestArchiveTest::GoodArchivesGiveOneLinePerItem_data() {
    QTest::addColumn<int>("format");
    QTest::addColumn<QString>("options");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QList<QByteArray>>("names"); // empty: the three files
    QTest::newRow("zip, stored") << ARCHIVE_FORMAT_ZIP << S("zip:compression=store") << S("three.zip")
                                 << QList<QByteArray>();
    QTest::newRow("zip, deflated, upper-case name")
        << ARCHIVE_FORMAT_ZIP << S("zip:compression=deflate") << S("THREE.ZIP") << QList<QByteArray>();
    QTest::newRow("7z") << ARCHIVE_FORMAT_7ZIP << S("") << S("three.7z") << QList<QByteArray>();
    QTest::newRow("zip, empty") << ARCHIVE_FORMAT_ZIP << S("") << S("empty.zip") << QList<QByteArray>{"-"};
    QTest::newRow("7z, empty") << ARCHIVE_FORMAT_7ZIP << S("") << S("empty.7z") << QList<QByteArray>{"-"};
    QTest::newRow("zip with a folder entry")
        << ARCHIVE_FORMAT_ZIP << S("") << S("folder.zip") << QList<QByteArray>{"sub/", "sub/a rom $1.bin"};
    QTest::newRow("7z with a folder entry")
        << ARCHIVE_FORMAT_7ZIP << S("") << S("folder.7z") << QList<QByteArray>{"sub/a rom $1.bin", "sub/"};
}

void TestArchiveTest::GoodArchivesGiveOneLinePerItem() {
    QFETCH(int, format);
    QFETCH(QString, options);
    QFETCH(QString, name);
    QFETCH(QList<QByteArray>, names);
    std::vector<FixtureItem> items;
    if (names.isEmpty())
        items = ThreeFiles();
    for (const QByteArray& itemName : names) {
        if (itemName != "-")
            items.push_back(
                {itemName, itemName.endsWith(".bin") ? Text : QByteArray(), !itemName.endsWith(".bin")});
    }
    const QString path = dir.filePath(name);
    QVERIFY(WriteArchive(path, format, options.toUtf8().constData(), items));

    QString expected = Heading(path) + QStringLiteral("Item Count: %1\r\n\r\n").arg(items.size());
    for (size_t i = 0; i < items.size(); ++i)
        expected +=
            QStringLiteral("Testing Item %1: %2\r\n").arg(i + 1).arg(QString::fromUtf8(items[i].name));
    expected += ValidEnding(path);
    QString report = QStringLiteral("left from before");
    QCOMPARE(TestZip(path, report), 0);
    QCOMPARE(report, expected);
}

void TestArchiveTest::DamagedItemsAreNamedAndTheRestStillTested_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QStringList>("itemLines"); // each item's line up to its first blank
    QTest::newRow("stored zip item with a flipped byte")
        << S("crc.zip")
        << QStringList{S("Testing Item 1: a.bin"), S("Testing Item 2: b.bin  ERROR CRC error: "),
                       S("Testing Item 3: c.bin")};
    QTest::newRow("deflated zip item with a broken stream")
        << S("data.zip")
        << QStringList{S("Testing Item 1: a.bin"), S("Testing Item 2: b.bin  ERROR Data error: "),
                       S("Testing Item 3: c.bin")};
    QTest::newRow("stored 7z item with a flipped byte")
        << S("crc.7z")
        << QStringList{S("Testing Item 1: a.bin"), S("Testing Item 2: b.bin  ERROR CRC error: "),
                       S("Testing Item 3: c.bin")};
    QTest::newRow("zip item with a damaged local header")
        << S("header.zip")
        << QStringList{S("Testing Item 1: a.bin"), S("Testing Item 2: b.bin  ERROR Data error: "),
                       S("Testing Item 3: c.bin")};
}

void TestArchiveTest::DamagedItemsAreNamedAndTheRestStillTested() {
    QFETCH(QString, name);
    QFETCH(QStringList, itemLines);
    const QString path = dir.filePath(name);
    if (name == QLatin1String("crc.zip")) {
        QVERIFY(WriteArchive(path, ARCHIVE_FORMAT_ZIP, "zip:compression=store", ThreeFiles()));
        QVERIFY(PatchAfter(path, "BBBB", 100, 'X'));
    } else if (name == QLatin1String("data.zip")) {
        QVERIFY(WriteArchive(path, ARCHIVE_FORMAT_ZIP, "zip:compression=deflate", ThreeFiles()));
        QByteArray bytes = ReadFileBytes(path);
        const auto data = ZipItemDataOffset(bytes, "b.bin");
        QVERIFY(data > 0);
        bytes[data] = '\x07'; // a final block of the reserved type
        QVERIFY(WriteFileBytes(path, bytes));
    } else if (name == QLatin1String("crc.7z")) {
        QVERIFY(WriteArchive(path, ARCHIVE_FORMAT_7ZIP, "7zip:compression=store", ThreeFiles()));
        QVERIFY(PatchAfter(path, "BBBB", 100, 'X'));
    } else {
        QVERIFY(WriteArchive(path, ARCHIVE_FORMAT_ZIP, "zip:compression=store", ThreeFiles()));
        QByteArray bytes = ReadFileBytes(path);
        const auto data = ZipItemDataOffset(bytes, "b.bin");
        QVERIFY(data > 0);
        bytes[data - 35] = 'X'; // the "PK" that starts b.bin's local header
        QVERIFY(WriteFileBytes(path, bytes));
    }

    QString report;
    QCOMPARE(TestZip(path, report), -1);
    QVERIFY2(report.startsWith(Heading(path) + QStringLiteral("Item Count: 3\r\n\r\n")), qPrintable(report));
    QVERIFY2(report.endsWith(NotValidEnding), qPrintable(report));
    // A good item is one line; a failed one its line with the error, then an empty line.
    QStringList lines = report.split(QStringLiteral("\r\n")).mid(4);
    for (const QString& expected : itemLines) {
        const QString line = lines.takeFirst();
        QVERIFY2(line.startsWith(expected), qPrintable(report));
        if (!expected.contains(QLatin1String("ERROR"))) {
            QCOMPARE(line, expected);
            continue;
        }
        QVERIFY2(line.size() > expected.size() + 8, qPrintable(line)); // libarchive's words follow
        QCOMPARE(lines.takeFirst(), QString());
    }
    QCOMPARE(lines.takeFirst(), QString());
    QCOMPARE(lines.takeFirst(), QStringLiteral("The compressed file is NOT VALID."));
}

void TestArchiveTest::EarlyStopsEndTheReportAtTheirLine_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("errorLine"); // after the heading; %1 the path
    const QString listing = QStringLiteral("ERROR The file is password protected \\ encrypted.\r\n");
    const QString format = QStringLiteral("ERROR Could not determine the Format of %1\r\n");
    QTest::newRow("a text file named .zip") << S("text.zip") << listing;
    QTest::newRow("a text file named .7z") << S("text.7z") << listing;
    QTest::newRow("a zip named .7z") << S("zip.7z") << listing;
    QTest::newRow("no such file") << S("missing.zip") << listing;
    QTest::newRow("a .txt name") << S("readme.txt") << format;
    QTest::newRow("a folder row") << S("abc") << format;
    QTest::newRow("a name without extension") << S("pacman") << format;
}

void TestArchiveTest::EarlyStopsEndTheReportAtTheirLine() {
    QFETCH(QString, name);
    QFETCH(QString, errorLine);
    const QString path = dir.filePath(name);
    if (name.startsWith(QLatin1String("text.")) || name == QLatin1String("readme.txt"))
        QVERIFY(WriteFileBytes(path, Text));
    else if (name == QLatin1String("zip.7z"))
        QVERIFY(WriteArchive(path, ARCHIVE_FORMAT_ZIP, "", ThreeFiles()));
    else if (name == QLatin1String("abc"))
        QVERIFY(QDir(dir.path()).mkpath(name));
    QString report;
    QCOMPARE(TestZip(path, report), -1);
    QCOMPARE(report, Heading(path) + QString(errorLine).replace(QStringLiteral("%1"), path));
}

void TestArchiveTest::EncryptedItemIsReportedAndStillTried() {
    const QString path = PathOf("secret.zip");
    QVERIFY(WriteArchive(path, ARCHIVE_FORMAT_ZIP, "zip:encryption=zipcrypt",
                         {{"open.bin", Text}, {"secret.bin", Text}}, "pass word"));
    QString report;
    QCOMPARE(TestZip(path, report), -1);
    const QStringList lines = report.split(QStringLiteral("\r\n"));
    QCOMPARE(lines.value(2), QStringLiteral("Item Count: 2"));
    // libarchive's writer encrypts every item; both are flagged and still tried.
    for (int item = 0; item < 2; ++item) {
        const int at = 4 + 3 * item;
        QCOMPARE(lines.value(at),
                 QStringLiteral("Testing Item %1: %2  ERROR File is encrypted.")
                     .arg(item + 1)
                     .arg(item == 0 ? QStringLiteral("open.bin") : QStringLiteral("secret.bin")));
        QVERIFY2(lines.value(at + 1).startsWith(QLatin1String("  ERROR Data error: ")), qPrintable(report));
        QCOMPARE(lines.value(at + 2), QString());
    }
    QVERIFY(report.endsWith(NotValidEnding));
}

void TestArchiveTest::TestingChangesNoFile() {
    const QString path = PathOf("unchanged.zip");
    QVERIFY(WriteArchive(path, ARCHIVE_FORMAT_ZIP, "", ThreeFiles()));
    QVERIFY(QFile::setPermissions(path, QFile::ReadOwner)); // a read-only archive is tested too
    const QByteArray before = ReadFileBytes(path);
    const QStringList entriesBefore = QDir(dir.path()).entryList(QDir::AllEntries | QDir::Hidden);
    QString report;
    QCOMPARE(TestZip(path, report), 0);
    QCOMPARE(ReadFileBytes(path), before);
    QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::Hidden), entriesBefore);
}

void TestArchiveTest::FailureWordsMapToTheNearestText_data() {
    QTest::addColumn<QString>("words");
    QTest::addColumn<QString>("text");
    QTest::newRow("zip crc") << S("ZIP bad CRC: 0x1 should be 0x2")
                             << S("CRC error: ZIP bad CRC: 0x1 should be 0x2");
    QTest::newRow("method") << S("Unsupported ZIP compression method (99: AES)")
                            << S("Unsupported method: Unsupported ZIP compression method (99: AES)");
    QTest::newRow("inflate") << S("ZIP decompression failed (-3)")
                             << S("Data error: ZIP decompression failed (-3)");
    QTest::newRow("truncated") << S("Truncated ZIP file data") << S("Data error: Truncated ZIP file data");
    QTest::newRow("passphrase") << S("Passphrase required for this entry")
                                << S("Data error: Passphrase required for this entry");
    QTest::newRow("other") << S("Something odd") << S("Unknown error: Something odd");
    QTest::newRow("no words") << S("") << S("Unknown error");
}

void TestArchiveTest::FailureWordsMapToTheNearestText() {
    QFETCH(QString, words);
    QFETCH(QString, text);
    QCOMPARE(ItemFailureText(words), text);
}

QTEST_GUILESS_MAIN(TestArchiveTest)
#include "tst_archivetest.moc"
