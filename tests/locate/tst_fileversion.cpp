#include "locate/FileVersion.h"

#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QtEndian>
#include <QtTest>

namespace {

QByteArray nul(int count = 1) {
    return QByteArray(count, '\0');
}

void putLE(QByteArray& bytes, int at, quint64 value, int width) {
    for (int i = 0; i < width; ++i)
        bytes[at + i] = char((value >> (8 * i)) & 0xFF);
}

// A 64-bit little-endian ELF header without a section table, followed by body.
QByteArray elfWithoutSections(const QByteArray& body) {
    QByteArray header = nul(64);
    header.replace(0, 4,
                   "\x7F"
                   "ELF");
    header[4] = 2; // 64-bit
    header[5] = 1; // little-endian
    header[6] = 1;
    return header + body;
}

// An ELF with a section table: an executable ".text", a ".rodata" and the section names.
QByteArray elfWithSections(const QByteArray& text, const QByteArray& rodata) {
    const QByteArray names = nul() + ".text" + nul() + ".rodata" + nul() + ".shstrtab" + nul();
    QByteArray file = elfWithoutSections(QByteArray());
    const int textAt = file.size();
    file += text;
    const int rodataAt = file.size();
    file += rodata;
    const int namesAt = file.size();
    file += names;
    while (file.size() % 8)
        file += nul();
    const int tableAt = file.size();
    QByteArray table = nul(64 * 4);
    const auto section = [&](int index, int name, int type, int flags, int offset, int size) {
        const int at = index * 64;
        putLE(table, at, quint64(name), 4);
        putLE(table, at + 4, quint64(type), 4);
        putLE(table, at + 8, quint64(flags), 8);
        putLE(table, at + 24, quint64(offset), 8);
        putLE(table, at + 32, quint64(size), 8);
    };
    section(1, 1, 1, 2 | 4, textAt, int(text.size())); // PROGBITS, alloc + exec
    section(2, 7, 1, 2, rodataAt, int(rodata.size())); // PROGBITS, alloc
    section(3, 15, 3, 0, namesAt, int(names.size()));  // STRTAB
    file += table;
    putLE(file, 0x28, quint64(tableAt), 8);
    putLE(file, 0x3A, 64, 2);
    putLE(file, 0x3C, 4, 2);
    putLE(file, 0x3E, 3, 2);
    return file;
}

// A PE32 file with one ".rsrc" section holding a fixed file version record.
QByteArray peWithFixedVersion(quint32 ms, quint32 ls, bool resourceDirectory = true) {
    QByteArray file = nul(0x200);
    file.replace(0, 2, "MZ");
    putLE(file, 0x3C, 0x40, 4);
    file.replace(0x40, 4, QByteArray("PE\0\0", 4));
    putLE(file, 0x44, 0x14C, 2); // machine
    putLE(file, 0x46, 1, 2);     // one section
    putLE(file, 0x54, 224, 2);   // optional header size
    const int optional = 0x58;
    putLE(file, optional, 0x10B, 2); // PE32
    putLE(file, optional + 92, 16, 4);
    if (resourceDirectory) {
        putLE(file, optional + 112, 0x1000, 4);
        putLE(file, optional + 116, 0x100, 4);
    }
    const int sectionTable = optional + 224;
    file.replace(sectionTable, 5, ".rsrc");
    putLE(file, sectionTable + 8, 0x100, 4);
    putLE(file, sectionTable + 12, 0x1000, 4);
    putLE(file, sectionTable + 16, 0x100, 4);
    putLE(file, sectionTable + 20, 0x200, 4);
    QByteArray resources = nul(0x100);
    resources.replace(0x28, 4, "\xBD\x04\xEF\xFE");
    putLE(resources, 0x2C, 0x00010000, 4);
    putLE(resources, 0x30, ms, 4);
    putLE(resources, 0x34, ls, 4);
    return file + resources;
}

// An ELF whose read-only data holds count distinct texts shaped like a version ("0.123 (x)"),
// none confirmed by its parts: about 12 bytes each.
QByteArray elfWithLookAlikes(int count) {
    QByteArray body = nul();
    for (int i = 0; i < count; ++i)
        body += QByteArray::number(i / 100000) + '.' + QByteArray::number(i % 100000) + " (x)" + nul();
    return elfWithoutSections(body);
}

// An ELF whose section table has count data sections, each over the whole file, and 4 KiB of
// opening brackets per section.
QByteArray elfWithOverlappingSections(int count) {
    const QByteArray names = nul() + ".data" + nul();
    const int bodyAt = 64;
    const int namesAt = bodyAt + count * 4096;
    const int tableAt = namesAt + 8;
    const int total = tableAt + count * 64;
    QByteArray file = elfWithoutSections(QByteArray(count * 4096, '(') + names + nul());
    QByteArray table = nul(count * 64);
    putLE(table, 4, 3, 4); // section 0: the names
    putLE(table, 24, quint64(namesAt), 8);
    putLE(table, 32, quint64(names.size()), 8);
    for (int i = 1; i < count; ++i) {
        putLE(table, i * 64, 1, 4);     // ".data"
        putLE(table, i * 64 + 4, 1, 4); // PROGBITS
        putLE(table, i * 64 + 8, 2, 8); // alloc
        putLE(table, i * 64 + 32, quint64(total), 8);
    }
    file += table;
    putLE(file, 0x28, quint64(tableAt), 8);
    putLE(file, 0x3A, 64, 2);
    putLE(file, 0x3C, quint64(count), 2);
    putLE(file, 0x3E, 0, 2);
    return file;
}

const QByteArray fakeVersion = nul() + "0.251 (fake)" + nul();
const QByteArray buildVersion = nul() + "0.251 (unknown)" + nul() + "unknown" + nul() + "0.251" + nul();
const QByteArray lookAlikes = nul() + "4_2_50" + nul() + "4.2 (50Hz hack)" + nul() + "Game Sec/Real Sec" +
                              nul() + "0.23 (Longest)" + nul() + "0.24" + nul() + "15.00 (Shortest)" + nul();

} // namespace

class TestFileVersion : public QObject {
    Q_OBJECT

  private:
    QTemporaryDir dir;
    QString write(const QByteArray& bytes) {
        static int count = 0;
        const QString path = dir.filePath(QStringLiteral("file%1").arg(++count));
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
            qFatal("cannot write a fixture");
        return path;
    }

  private slots:
    void readsVersion_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("expected");
        QTest::newRow("ELF with just its version text") << elfWithoutSections(fakeVersion) << "0.251.0.0";
        QTest::newRow("ELF version text twice")
            << elfWithoutSections(fakeVersion + fakeVersion) << "0.251.0.0";
        QTest::newRow("ELF build version among look-alikes")
            << elfWithoutSections(lookAlikes + buildVersion + lookAlikes) << "0.251.0.0";
        QTest::newRow("ELF look-alikes only: no guess") << elfWithoutSections(lookAlikes) << "0.0.0.0";
        QTest::newRow("ELF version inside a longer text")
            << elfWithoutSections(nul() + "MAME v0.251 (fake)" + nul()) << "0.0.0.0";
        QTest::newRow("ELF version text cut off at the end")
            << elfWithoutSections(nul() + "0.251 (fake)") << "0.0.0.0";
        QTest::newRow("ELF version number too long")
            << elfWithoutSections(nul() + "1234567.1 (x)" + nul()) << "0.0.0.0";
        QTest::newRow("ELF read-only data, decoy in code")
            << elfWithSections(nul() + "9.9 (decoy)" + nul(), fakeVersion) << "0.251.0.0";
        QTest::newRow("ELF without version") << elfWithoutSections(nul() + "hello" + nul()) << "0.0.0.0";
        QTest::newRow("PE fixed version") << peWithFixedVersion(0x000000B4, 0x00020007) << "0.180.2.7";
        QTest::newRow("PE largest fields")
            << peWithFixedVersion(0xFFFFFFFF, 0x0001FFFE) << "65535.65535.1.65534";
        QTest::newRow("PE without resources") << peWithFixedVersion(0xB4, 0, false) << "0.0.0.0";
        QTest::newRow("text file") << QByteArray("0.251 (fake)\n") << "0.0.0.0";
        QTest::newRow("empty file") << QByteArray() << "0.0.0.0";
        QTest::newRow("ELF magic only") << QByteArray("\x7F"
                                                      "ELF")
                                        << "0.0.0.0";
        QTest::newRow("MZ only") << QByteArray("MZ") << "0.0.0.0";
    }
    void readsVersion() {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, expected);
        QCOMPARE(GetFileVersion(write(bytes)), expected);
    }

    // Every cut of a good file reads either the whole answer or none, never garbage or a crash.
    void truncatedFilesAreSafe_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("expected");
        QTest::newRow("ELF") << elfWithSections(QByteArray(16, '\x90'), fakeVersion) << "0.251.0.0";
        QTest::newRow("PE") << peWithFixedVersion(0xB4, 0) << "0.180.0.0";
    }
    void truncatedFilesAreSafe() {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, expected);
        for (int length = 0; length <= bytes.size(); ++length) {
            const QString version = GetFileVersion(write(bytes.left(length)));
            if (version != expected && version != NoFileVersion)
                QFAIL(qPrintable(QStringLiteral("cut at %1 reads %2").arg(length).arg(version)));
        }
        QCOMPARE(GetFileVersion(write(bytes)), expected);
    }

    void corruptSectionTableFallsBackToWholeFile() {
        QByteArray bytes = elfWithoutSections(fakeVersion);
        putLE(bytes, 0x28, 0x7FFFFFFFFFFFull, 8); // table far beyond the end
        putLE(bytes, 0x3A, 64, 2);
        putLE(bytes, 0x3C, 0xFFFF, 2);
        QCOMPARE(GetFileVersion(write(bytes)), QStringLiteral("0.251.0.0"));
    }

    // Reading time grows with the file, not with its square. Crafted files at two sizes, the
    // second eight times the first: the time may grow about eight-fold (twice that when the
    // larger one no longer fits the processor's cache), never sixty-four-fold.
    void readingTimeIsLinear_data() {
        QTest::addColumn<QByteArray>("small");
        QTest::addColumn<QByteArray>("large");
        QTest::newRow("10,000 and 40,000 version-like texts")
            << elfWithLookAlikes(10000) << elfWithLookAlikes(40000);
        QTest::newRow("64 and 256 sections over the whole file")
            << elfWithOverlappingSections(64) << elfWithOverlappingSections(256);
    }
    void readingTimeIsLinear() {
        QFETCH(QByteArray, small);
        QFETCH(QByteArray, large);
        // The best of five reads; each must find no version.
        const auto bestOfFive = [this](const QByteArray& bytes, qint64& best) {
            const QString path = write(bytes);
            best = std::numeric_limits<qint64>::max();
            bool allNone = true;
            for (int run = 0; run < 5; ++run) {
                QElapsedTimer timer;
                timer.start();
                allNone = GetFileVersion(path) == NoFileVersion && allNone;
                best = std::min(best, timer.nsecsElapsed());
            }
            return allNone;
        };
        qint64 smallTime = 0, largeTime = 0;
        QVERIFY(bestOfFive(small, smallTime));
        QVERIFY(bestOfFive(large, largeTime));
        // A floor of 2 ms keeps a fast small read from inflating the ratio.
        smallTime = std::max<qint64>(smallTime, 2'000'000);
        const double ratio = double(largeTime) / double(smallTime);
        QVERIFY2(ratio < 24, qPrintable(QStringLiteral("%1 ms then %2 ms: %3 times")
                                            .arg(smallTime / 1e6)
                                            .arg(largeTime / 1e6)
                                            .arg(ratio)));
    }

    void missingOrNotAFile() {
        QCOMPARE(GetFileVersion(dir.filePath(QStringLiteral("missing"))), NoFileVersion);
        QCOMPARE(GetFileVersion(dir.path()), NoFileVersion);
        QCOMPARE(GetFileVersion(QString()), NoFileVersion);
    }

    void unreadableFile() {
        const QString path = write(elfWithoutSections(fakeVersion));
        QFile::setPermissions(path, QFileDevice::WriteOwner);
        QFile probe(path);
        if (probe.open(QIODevice::ReadOnly))
            QSKIP("running with rights that read any file");
        QCOMPARE(GetFileVersion(path), NoFileVersion);
    }

    void realEmulator() {
        const QString mame = QStringLiteral("/usr/games/mame");
        if (!QFileInfo::exists(mame))
            QSKIP("the emulator is not installed");
        QCOMPARE(GetFileVersion(mame), QStringLiteral("0.251.0.0"));
    }
};

QTEST_GUILESS_MAIN(TestFileVersion)
#include "tst_fileversion.moc"
