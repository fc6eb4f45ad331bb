// The reasons file: every reason written comes back the same, the games not listed are left
// out, and a damaged file is read up to its first unsound line.

#include "emulator/VerifyReason.h"
#include "gamelist/VerifyReasons.h"

#include <QtTest>

namespace {

TVerifyReasons Sample() {
    TVerifyReasons reasons;
    TVerifyReason pacman;
    pacman.missing = 8;
    pacman.elsewhere = {{QStringLiteral("puckman"), 4}, {QStringLiteral("namco51"), 1}};
    pacman.wrongChecksum = 1;
    pacman.wrongLength = 1;
    pacman.parentSet = QStringLiteral("puckman");
    pacman.verdictLine = QStringLiteral("romset pacman [puckman] is bad, \"quoted\"");
    reasons.SetVerified(QStringLiteral("pacman.zip"), GameStatus::Bad, pacman);
    TVerifyReason kinst;
    kinst.disksMissing = {QStringLiteral("kinst")};
    kinst.noGoodDump = 2;
    kinst.optionalMissing = 1;
    reasons.SetVerified(QStringLiteral("Kinst.7z"), GameStatus::Bad, kinst);
    TVerifyReason pong;
    pong.bestAvailable = true;
    reasons.SetVerified(QStringLiteral("pong"), GameStatus::Unknown, pong);
    TVerifyReason mspacman;
    mspacman.noneFound = true;
    reasons.SetVerified(QStringLiteral("mspacman.zip"), GameStatus::Unknown, mspacman);
    reasons.MarkByHand(QStringLiteral("mspacman.zip"));
    reasons.MarkByHand(QStringLiteral("galaga.zip"));
    return reasons;
}

const auto KeepAll = [](const QString&) { return true; };

} // namespace

class TestVerifyReasons : public QObject {
    Q_OBJECT
  private slots:
    void roundTrip();
    void movedRemovedAndLeftOut();
    void damaged_data();
    void damaged();
};

void TestVerifyReasons::roundTrip() {
    const TVerifyReasons reasons = Sample();
    const QByteArray text = FormatVerifyReasons(reasons, KeepAll);
    const TVerifyReasonsRead read = ParseVerifyReasons(text);
    QCOMPARE(read.damagedLine, 0);
    QCOMPARE(read.reasons.Count(), reasons.Count());
    for (const TGameReason& game : reasons.Reasons()) {
        const TGameReason* back = read.reasons.Find(game.fileDir.toUpper());
        QVERIFY2(back && *back == game, qPrintable(game.fileDir));
    }
    QCOMPARE(FormatVerifyReasons(read.reasons, KeepAll), text);
    QCOMPARE(GameReasonText(read.reasons.Find(QStringLiteral("galaga.zip"))),
             QStringLiteral("Status set by hand; not verified since"));
    QCOMPARE(
        GameReasonText(read.reasons.Find(QStringLiteral("mspacman.zip"))),
        QStringLiteral("Status set by hand; the last verification said: ?: the emulator found none of this "
                       "set's files"));
    QCOMPARE(GameReasonText(nullptr), QString());
}

void TestVerifyReasons::movedRemovedAndLeftOut() {
    TVerifyReasons reasons = Sample();
    reasons.Move(QStringLiteral("PACMAN.zip"), QStringLiteral("puckman.zip"));
    reasons.Remove(QStringLiteral("pong"));
    QVERIFY(!reasons.Find(QStringLiteral("pacman.zip")));
    QCOMPARE(reasons.Find(QStringLiteral("puckman.zip"))->reason.missing, 8);
    const QByteArray text = FormatVerifyReasons(
        reasons, [](const QString& fileDir) { return fileDir != QLatin1String("Kinst.7z"); });
    QVERIFY(text.contains("\r\npuckman.zip,Bad,,8,\"puckman:4 namco51:1\",1,1,0,0,,,puckman,"));
    QVERIFY(!text.contains("pong"));
    QVERIFY(!text.contains("Kinst"));
}

void TestVerifyReasons::damaged_data() {
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<int>("damagedLine");
    QTest::addColumn<int>("count");
    const QByteArray head = VerifyReasonsHeader() + "\r\n";
    const QByteArray good = "pong,?,,0,,0,0,0,0,,B,,\"romset pong is best available\"\r\n";
    QTest::newRow("empty") << QByteArray() << 0 << 0;
    QTest::newRow("not a reasons file") << QByteArray("Pellmora play history 1\r\n") << 1 << 0;
    QTest::newRow("too few cells") << head + good + "pacman.zip,Bad,,8\r\n" + good << 3 << 1;
    QTest::newRow("a count not a number") << head + "pacman.zip,Bad,,x,,0,0,0,0,,,,\r\n" << 2 << 0;
    QTest::newRow("other sets unsound") << head + "pacman.zip,Bad,,8,puckman,0,0,0,0,,,,\r\n" << 2 << 0;
    QTest::newRow("a status the program never writes") << head + "pacman.zip,Fine,,0,,0,0,0,0,,,,\r\n"
                                                       << 2 << 0;
    QTest::newRow("no file line end") << head + good.chopped(2) << 0 << 1;
}

void TestVerifyReasons::damaged() {
    QFETCH(QByteArray, text);
    QFETCH(int, damagedLine);
    QFETCH(int, count);
    const TVerifyReasonsRead read = ParseVerifyReasons(text);
    QCOMPARE(read.damagedLine, damagedLine);
    QCOMPARE(read.reasons.Count(), count);
}

QTEST_GUILESS_MAIN(TestVerifyReasons)
#include "tst_verifyreasons.moc"
