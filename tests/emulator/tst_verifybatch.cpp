// One -verifyroms run for many games: how many names go in, and how its output is shared out
// among the sets it named (output lines as the real emulator writes them).

#include "emulator/CommandTexts.h"
#include "emulator/VerifyBatch.h"

#include <QtTest>

#include <algorithm>

namespace {

using Lines = QStringList;

// The shares as text, sets in name order: "name: verdict" or "name: no verdict", then its lines.
QStringList Render(const QHash<QString, TSetVerifyLines>& sets) {
    QStringList keys = sets.keys();
    std::sort(keys.begin(), keys.end());
    QStringList text;
    for (const QString& key : keys) {
        text << key + (sets[key].verdict ? QStringLiteral(": verdict") : QStringLiteral(": no verdict"));
        text += sets[key].lines;
    }
    return text;
}

const QString ChecksumLine = QStringLiteral("005         : 1346b.cpu-u25 (2048 bytes) - INCORRECT CHECKSUM:");
const QString Expected =
    QStringLiteral("EXPECTED: CRC(8e68533e) SHA1(a257c556d31691068ed5c991f1fb2b51da4826db)");
const QString Found = QStringLiteral("   FOUND: CRC(f1e8ba9e)");
const QString NotFoundLine = QStringLiteral("005         : 5092.prom-u1 (2048 bytes) - NOT FOUND");
const QString Ecd = QStringLiteral("unzip: roms/pacman.zip couldn't find ECD");

} // namespace

class TestVerifyBatch : public QObject {
    Q_OBJECT

  private slots:
    void split_data();
    void split();
    void batchLimits();
    void batchCommand();
};

void TestVerifyBatch::split_data() {
    QTest::addColumn<QStringList>("names");
    QTest::addColumn<Lines>("output");
    QTest::addColumn<QStringList>("shares");

    QTest::newRow("the emulator's order, silent and unknown names")
        << QStringList{QStringLiteral("sc4pstat"), QStringLiteral("pong"),    QStringLiteral("005"),
                       QStringLiteral("galaxian"), QStringLiteral("notaset"), QStringLiteral("pacman"),
                       QStringLiteral("zzzz")}
        << Lines{ChecksumLine,
                 Expected,
                 Found,
                 NotFoundLine,
                 QStringLiteral("romset 005 is bad"),
                 Ecd,
                 Ecd,
                 QStringLiteral("romset pong is best available"),
                 QStringLiteral("sc4pstat    : 95008294 (1048576 bytes) - INCORRECT LENGTH: 24 bytes"),
                 QStringLiteral("romset sc4pstat is bad"),
                 QStringLiteral("No matching systems found for 'notaset'")}
        << QStringList{QStringLiteral("005: verdict"),
                       ChecksumLine,
                       Expected,
                       Found,
                       NotFoundLine,
                       QStringLiteral("romset 005 is bad"),
                       QStringLiteral("1 romsets found, 0 were OK."),
                       QStringLiteral("pacman: no verdict"),
                       Ecd,
                       Ecd,
                       QStringLiteral("pong: verdict"),
                       QStringLiteral("romset pong is best available"),
                       QStringLiteral("1 romsets found, 1 were OK."),
                       QStringLiteral("sc4pstat: verdict"),
                       QStringLiteral("sc4pstat    : 95008294 (1048576 bytes) - INCORRECT LENGTH: 24 bytes"),
                       QStringLiteral("romset sc4pstat is bad"),
                       QStringLiteral("1 romsets found, 0 were OK.")};
    QTest::newRow("names asked in capitals, a good set and the count line")
        << QStringList{QStringLiteral("PONG"), QStringLiteral("Galaga")}
        << Lines{QStringLiteral("romset galaga is good"), QStringLiteral("romset pong is best available"),
                 QStringLiteral("2 romsets found, 2 were OK.")}
        << QStringList{QStringLiteral("galaga: verdict"),
                       QStringLiteral("romset galaga is good"),
                       QStringLiteral("1 romsets found, 1 were OK."),
                       QStringLiteral("pong: verdict"),
                       QStringLiteral("romset pong is best available"),
                       QStringLiteral("1 romsets found, 1 were OK.")};
    QTest::newRow("a long name unpadded, a clone with its parent")
        << QStringList{QStringLiteral("sc4pstatejoe"), QStringLiteral("puckmana")}
        << Lines{QStringLiteral("puckmana    : pm1.6e (2048 bytes) - NOT FOUND (bios or parent)"),
                 QStringLiteral("romset puckmana [puckman] is bad"),
                 QStringLiteral("sc4pstatejoe: 95008294 (1048576 bytes) - NOT FOUND"),
                 QStringLiteral("romset sc4pstatejoe is bad")}
        << QStringList{QStringLiteral("puckmana: verdict"),
                       QStringLiteral("puckmana    : pm1.6e (2048 bytes) - NOT FOUND (bios or parent)"),
                       QStringLiteral("romset puckmana [puckman] is bad"),
                       QStringLiteral("1 romsets found, 0 were OK."),
                       QStringLiteral("sc4pstatejoe: verdict"),
                       QStringLiteral("sc4pstatejoe: 95008294 (1048576 bytes) - NOT FOUND"),
                       QStringLiteral("romset sc4pstatejoe is bad"),
                       QStringLiteral("1 romsets found, 0 were OK.")};
    QTest::newRow("not found is no verdict; paths name the last set they hold")
        << QStringList{QStringLiteral("galaxian"), QStringLiteral("pacman"), QStringLiteral("pong")}
        << Lines{QStringLiteral("romset \"galaxian\" not found!"),
                 QStringLiteral("unzip: /home/pong/roms/PACMAN.ZIP couldn't find ECD"),
                 QStringLiteral("error reading 'roms/pong/x.bin'")}
        << QStringList{QStringLiteral("galaxian: no verdict"),
                       QStringLiteral("romset \"galaxian\" not found!"),
                       QStringLiteral("pacman: no verdict"),
                       QStringLiteral("unzip: /home/pong/roms/PACMAN.ZIP couldn't find ECD"),
                       QStringLiteral("pong: no verdict"),
                       QStringLiteral("error reading 'roms/pong/x.bin'")};
    QTest::newRow("lines of sets not asked for, and lines after a verdict, are dropped")
        << QStringList{QStringLiteral("005")}
        << Lines{QStringLiteral("romset dkong is good"), Expected, NotFoundLine,
                 QStringLiteral("romset 005 is bad"), Found}
        << QStringList{QStringLiteral("005: verdict"), NotFoundLine, QStringLiteral("romset 005 is bad"),
                       QStringLiteral("1 romsets found, 0 were OK.")};
}

void TestVerifyBatch::split() {
    QFETCH(QStringList, names);
    QFETCH(Lines, output);
    QFETCH(QStringList, shares);
    QCOMPARE(Render(SplitVerifyOutput(output, names)), shares);
}

void TestVerifyBatch::batchLimits() {
    TVerifyBatch byCount(0, {.maxNames = 3, .maxCommandLength = 1000});
    for (const char* name : {"pong", "galaga", "PONG", "005"})
        QVERIFY(byCount.Add(QString::fromLatin1(name)));
    QVERIFY(!byCount.Add(QStringLiteral("dkong")));
    QVERIFY(byCount.Add(QStringLiteral("Galaga"))); // already in: adds nothing
    QCOMPARE(byCount.Names(),
             (QStringList{QStringLiteral("pong"), QStringLiteral("galaga"), QStringLiteral("005")}));
    QVERIFY(byCount.Holds(QStringLiteral("GALAGA")));
    QVERIFY(!byCount.Holds(QStringLiteral("dkong")));

    // Each name costs a blank and its quoted text: "it's" goes in as 'it'\''s'.
    TVerifyBatch byLength(20, {.maxNames = 100, .maxCommandLength = 35});
    QVERIFY(byLength.Add(QStringLiteral("abcd"))); // 25
    QVERIFY(byLength.Add(QStringLiteral("it's"))); // 35
    QVERIFY(!byLength.Add(QStringLiteral("x")));   // 37
    QCOMPARE(byLength.Names().size(), 2);

    // The first name always goes in, however long the command gets.
    TVerifyBatch tooLong(100, {.maxNames = 1, .maxCommandLength = 10});
    QVERIFY(tooLong.Add(QStringLiteral("pong")));
    QVERIFY(!tooLong.Add(QStringLiteral("galaga")));
}

void TestVerifyBatch::batchCommand() {
    const QString program = EmulatorProgram(QStringLiteral("/emu/"), QStringLiteral("mame"));
    const QString base = EmulatorCommandText(program, VerifyRomsBatchArgs({}));
    QCOMPARE(base, QStringLiteral("/emu/mame -inipath '.;ini;ini/presets' -verifyroms"));
    const TEmulatorArgs args =
        VerifyRomsBatchArgs({QStringLiteral("pong"), QStringLiteral("two words"), QStringLiteral("x$y")});
    QCOMPARE(EmulatorCommandText(program, args), base + QStringLiteral(" pong 'two words' 'x$y'"));
    QCOMPARE(args.Arguments(), (QStringList{QStringLiteral("-verifyroms"), QStringLiteral("pong"),
                                            QStringLiteral("two words"), QStringLiteral("x$y")}));
}

QTEST_MAIN(TestVerifyBatch)
#include "tst_verifybatch.moc"
