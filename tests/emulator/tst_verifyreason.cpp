// Why a set got its status, from the emulator's real -verifyroms output (tests/fixtures/
// verify-output, written by /usr/games/mame on crafted archives): the reason's text, and the
// other sets a bad set needs.

#include "emulator/VerifyBatch.h"
#include "emulator/VerifyReason.h"
#include "emulator/VerifyRules.h"

#include <QFile>
#include <QtTest>

namespace {

QStringList OutputLines(const QString& name) {
    QFile file(qEnvironmentVariable("PELLMORA_FIXTURES") + QStringLiteral("/verify-output/") + name +
               QStringLiteral(".txt"));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(file.readAll()).split(u'\n', Qt::SkipEmptyParts);
}

QString ReasonOf(const QStringList& lines) {
    return VerifyReasonText(ReadVerifyReason(lines), Verdict(lines));
}

} // namespace

class TestVerifyReason : public QObject {
    Q_OBJECT

  private slots:
    void realOutput_data();
    void realOutput();
    void oneBatch();
    void unclassified_data();
    void unclassified();
};

void TestVerifyReason::realOutput_data() {
    QTest::addColumn<QString>("output");
    QTest::addColumn<QString>("reason");
    QTest::addColumn<QStringList>("needed");

    QTest::newRow("clone without its parent")
        << QStringLiteral("pacman")
        << QStringLiteral(
               "Bad: 8 files missing (4 belong to the parent or BIOS set puckman, not in your folder), "
               "1 file with a wrong checksum, 1 file of the wrong length")
        << QStringList{QStringLiteral("puckman")};
    QTest::newRow("clone with a damaged parent")
        << QStringLiteral("pacman-with-parent")
        << QStringLiteral(
               "Bad: 7 files missing (3 belong to the parent or BIOS set puckman, not in your folder), "
               "2 files with a wrong checksum, 1 file of the wrong length")
        << QStringList{QStringLiteral("puckman")};
    QTest::newRow("BIOS set missing")
        << QStringLiteral("mslug")
        << QStringLiteral(
               "Bad: 42 files missing (34 belong to the parent or BIOS set neogeo, not in your folder), "
               "1 file of the wrong length")
        << QStringList{QStringLiteral("neogeo")};
    QTest::newRow("device sets missing")
        << QStringLiteral("galaga")
        << QStringLiteral(
               "Bad: 15 files missing (1 belongs to the set namco51, 1 belongs to the set namco54, not in "
               "your folder), 1 file with a wrong checksum")
        << QStringList{QStringLiteral("namco51"), QStringLiteral("namco54")};
    QTest::newRow("disk image missing")
        << QStringLiteral("kinst")
        << QStringLiteral(
               "Bad: 12 files missing, the disk image (CHD) kinst is missing, 1 file of the wrong length")
        << QStringList();
    QTest::newRow("no good dump and optional")
        << QStringLiteral("dauphin")
        << QStringLiteral(
               "Bad: 1 file with a wrong checksum, 1 file has no known good dump, 1 optional file missing")
        << QStringList();
    QTest::newRow("none of the files")
        << QStringLiteral("mspacman") << QStringLiteral("?: the emulator found none of this set's files")
        << QStringList();
    QTest::newRow("unknown name") << QStringLiteral("zzzznope")
                                  << QStringLiteral("?: the emulator does not know this name")
                                  << QStringList();
    QTest::newRow("best available, no files")
        << QStringLiteral("pong")
        << QStringLiteral("? (best available): this set needs no files, so there is nothing to check")
        << QStringList();
    QTest::newRow("best available with a file")
        << QStringLiteral("4d30")
        << QStringLiteral(
               "? (best available): every file the emulator knows a good dump of is right; 1 file has no "
               "known good dump")
        << QStringList();
}

void TestVerifyReason::realOutput() {
    QFETCH(QString, output);
    QFETCH(QString, reason);
    QFETCH(QStringList, needed);
    const QStringList lines = OutputLines(output);
    QVERIFY2(!lines.isEmpty(), qPrintable(output));
    QCOMPARE(ReasonOf(lines), reason);
    QCOMPARE(SetsNeeded(ReadVerifyReason(lines)), needed);
}

// Verify All's batched run shared out: each set's reason is what its run alone would give.
void TestVerifyReason::oneBatch() {
    const QStringList names{QStringLiteral("pacman"), QStringLiteral("mspacman"), QStringLiteral("pong"),
                            QStringLiteral("dauphin"), QStringLiteral("zzzznope")};
    const auto sets = SplitVerifyOutput(OutputLines(QStringLiteral("batch")), names);
    QCOMPARE(ReasonOf(sets.value(QStringLiteral("pacman")).lines),
             ReasonOf(OutputLines(QStringLiteral("pacman"))));
    QCOMPARE(ReasonOf(sets.value(QStringLiteral("dauphin")).lines),
             ReasonOf(OutputLines(QStringLiteral("dauphin"))));
    QCOMPARE(ReasonOf(sets.value(QStringLiteral("pong")).lines),
             ReasonOf(OutputLines(QStringLiteral("pong"))));
}

void TestVerifyReason::unclassified_data() {
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("reason");

    QTest::newRow("bad with no file named")
        << QStringList{QStringLiteral("romset pacman [puckman] is bad"),
                       QStringLiteral("1 romsets found, 0 were OK.")}
        << int(GameStatus::Bad) << QStringLiteral("Bad: the emulator said: romset pacman [puckman] is bad");
    QTest::newRow("a line of its own")
        << QStringList{QStringLiteral("unzip: roms/pacman.zip couldn't find ECD")} << int(GameStatus::Unknown)
        << QStringLiteral("?: the emulator said: unzip: roms/pacman.zip couldn't find ECD");
    QTest::newRow("nothing") << QStringList() << int(GameStatus::Unknown)
                             << QStringLiteral("?: the emulator said nothing about this set");
    QTest::newRow("an older emulator's parent ending")
        << QStringList{QStringLiteral("pacman      : 82s123.7f (32 bytes) - NOT FOUND (bios or parent)"),
                       QStringLiteral("romset pacman [puckman] is bad")}
        << int(GameStatus::Bad) << QStringLiteral("Bad: the parent or BIOS set puckman is missing");
    QTest::newRow("good") << QStringList{QStringLiteral("romset pacman is good")} << int(GameStatus::Good)
                          << QStringLiteral("Good: every file is right");
}

void TestVerifyReason::unclassified() {
    QFETCH(QStringList, lines);
    QFETCH(int, status);
    QFETCH(QString, reason);
    QCOMPARE(Verdict(lines), GameStatus(status));
    QCOMPARE(VerifyReasonText(ReadVerifyReason(lines), GameStatus(status)), reason);
}

QTEST_GUILESS_MAIN(TestVerifyReason)
#include "tst_verifyreason.moc"
