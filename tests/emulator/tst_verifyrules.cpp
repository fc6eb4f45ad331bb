// The verdict of a verify run's lines, the names never handed to the emulator, the
// progress figure and the report's bytes.

#include "emulator/VerifyRules.h"
#include "gamelist/ListFileCodec.h"

#include <QtTest>

namespace {

QString s(const char* text) {
    return QString::fromUtf8(text);
}

} // namespace

class TestVerifyRules : public QObject {
    Q_OBJECT

  private slots:
    void verdict_data();
    void verdict();
    void percent_data();
    void percent();
    void refusal_data();
    void refusal();
    void reportBytes();
};

void TestVerifyRules::verdict_data() {
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<QString>("status");
    QTest::newRow("good") << QStringList{s("romset abc is good")} << s("Good");
    QTest::newRow("capitals and trailing blanks") << QStringList{s("ROMSET ABC IS GOOD  ")} << s("Good");
    QTest::newRow("leading blanks and a tab") << QStringList{s(" \tromset abc is good\r")} << s("Good");
    QTest::newRow("bad with its parent") << QStringList{s("romset abc [xyz] is bad")} << s("Bad");
    QTest::newRow("bad wins over good")
        << QStringList{s("romset a is good"), s("romset b is bad"), s("romset c is good")} << s("Bad");
    QTest::newRow("best available") << QStringList{s("romset pong is best available")} << s("?");
    QTest::newRow("not found") << QStringList{s("romset \"abc\" not found!")} << s("?");
    QTest::newRow("no romset line") << QStringList{s("abc is good"), s("1 romsets found, 1 were OK.")}
                                    << s("?");
    QTest::newRow("any game's line counts") << QStringList{s("romset other is good")} << s("Good");
    QTest::newRow("nothing") << QStringList{} << s("?");
    QTest::newRow("viewer text with the block head")
        << QStringList{QString(79, u'_'), s("abc - Abc"), s("romset abc is good")} << s("Good");
}

void TestVerifyRules::verdict() {
    QFETCH(QStringList, lines);
    QFETCH(QString, status);
    QCOMPARE(StatusText(Verdict(lines)), status);
}

void TestVerifyRules::percent_data() {
    QTest::addColumn<int>("rows");
    QTest::addColumn<QList<int>>("shown");
    QTest::newRow("eight rows") << 8 << QList<int>{12, 25, 38, 50, 62, 75, 88, 100};
    QTest::newRow("three rows") << 3 << QList<int>{33, 67, 100};
    QTest::newRow("one row") << 1 << QList<int>{100};
    QTest::newRow("two hundred rows, halves") << 200 << QList<int>{0, 1, 2, 2, 2};
}

void TestVerifyRules::percent() {
    QFETCH(int, rows);
    QFETCH(QList<int>, shown);
    for (int r = 1; r <= shown.size(); ++r)
        QCOMPARE(VerifyPercent(r, rows), shown.at(r - 1));
    QCOMPARE(VerifyPercent(rows, rows), 100);
    QCOMPARE(VerifyPercent(0, 0), 0);
}

void TestVerifyRules::refusal_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("refused");
    QTest::newRow("plain") << s("pacman") << false;
    QTest::newRow("blank and quote") << s("my game's") << false;
    QTest::newRow("dash inside") << s("a-b") << false;
    QTest::newRow("option") << s("-createconfig") << true;
    QTest::newRow("star") << s("pac*") << true;
    QTest::newRow("question mark") << s("pon?") << true;
}

void TestVerifyRules::refusal() {
    QFETCH(QString, name);
    QFETCH(bool, refused);
    QCOMPARE(!VerifyNameRefusal(name).isEmpty(), refused);
}

void TestVerifyRules::reportBytes() {
    QStringList lines = VerifyBlockHead(s("abc"), s("Abc Deluxe"));
    lines << s("romset abc is good") << VerifyBlockHead(s("\xC3\xA9t\xC3\xA9"), s("[UNKNOWN GAME]"));
    const QByteArray underscores(79, '_');
    QCOMPARE(VerifyReportBytes(lines), underscores + "\r\nabc - Abc Deluxe\r\nromset abc is good\r\n" +
                                           underscores + "\r\n\xC3\xA9t\xC3\xA9 - [UNKNOWN GAME]\r\n");
    QCOMPARE(VerifyReportBytes({}), QByteArray());
}

QTEST_GUILESS_MAIN(TestVerifyRules)
#include "tst_verifyrules.moc"
