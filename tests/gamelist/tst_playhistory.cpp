// The play history: runs recorded, moved and removed, its file written and read back, a
// damaged or foreign file read as far as it is sound, and the sort by its columns.

#include "gamelist/HistorySort.h"
#include "gamelist/PlayHistory.h"

#include <QtTest>

namespace {

QDateTime At(const char* iso) {
    return QDateTime::fromString(QString::fromLatin1(iso), Qt::ISODate);
}

QStringList Row(const char* fileDir) {
    return {QString(), QStringLiteral("Good"), QStringLiteral("x"), QString::fromLatin1(fileDir)};
}

const auto KeepAll = [](const QString&) { return true; };

} // namespace

class TestPlayHistory : public QObject {
    Q_OBJECT
  private slots:
    void runsAddUp();
    void moveAndRemove();
    void fileReadsBackWhatWasWritten();
    void damagedFile_data();
    void damagedFile();
    void columnTexts();
    void sortByHistoryColumns();
};

void TestPlayHistory::runsAddUp() {
    TPlayHistory history;
    QVERIFY(!history.Find(QStringLiteral("pong.zip")));
    history.RecordRun(QStringLiteral("pong.zip"), At("2026-12-11T10:00:00Z"), At("2026-12-11T10:01:30Z"));
    history.RecordRun(QStringLiteral("PONG.ZIP"), At("2026-12-11T11:00:00Z"), At("2026-12-11T11:00:10Z"));
    const TPlayRecord* pong = history.Find(QStringLiteral("Pong.zip"));
    QVERIFY(pong);
    QCOMPARE(pong->runs, 2);
    QCOMPARE(pong->lastStart, At("2026-12-11T11:00:00Z"));
    QCOMPARE(pong->secondsPlayed, 100);
    // A clock set back during a run counts no time, never less.
    history.RecordRun(QStringLiteral("pong.zip"), At("2026-12-11T12:00:00Z"), At("2026-12-11T11:00:00Z"));
    QCOMPARE(history.Find(QStringLiteral("pong.zip"))->secondsPlayed, 100);
    QCOMPARE(history.Count(), 1);
}

void TestPlayHistory::moveAndRemove() {
    TPlayHistory history;
    history.RecordRun(QStringLiteral("pong.zip"), At("2026-12-11T10:00:00Z"), At("2026-12-11T10:00:05Z"));
    history.RecordRun(QStringLiteral("other.zip"), At("2026-12-11T10:00:00Z"), At("2026-12-11T10:00:05Z"));
    history.Move(QStringLiteral("PONG.zip"), QStringLiteral("pong2.zip"));
    QVERIFY(!history.Find(QStringLiteral("pong.zip")));
    QCOMPARE(history.Find(QStringLiteral("pong2.zip"))->fileDir, QStringLiteral("pong2.zip"));
    history.Move(QStringLiteral("never.zip"), QStringLiteral("other.zip"));
    QVERIFY(history.Find(QStringLiteral("other.zip")));
    history.Remove(QStringLiteral("OTHER.ZIP"));
    QVERIFY(!history.Find(QStringLiteral("other.zip")));
    QCOMPARE(history.Count(), 1);
}

void TestPlayHistory::fileReadsBackWhatWasWritten() {
    TPlayHistory history;
    history.RecordRun(QStringLiteral("pong.zip"), At("2026-12-11T10:00:00Z"), At("2026-12-11T10:00:05Z"));
    history.RecordRun(QStringLiteral("a game, \"quoted\".7z"), At("2026-01-02T03:04:05Z"),
                      At("2026-01-02T04:04:05Z"));
    history.RecordRun(QStringLiteral("gone.zip"), At("2026-12-11T10:00:00Z"), At("2026-12-11T10:00:05Z"));
    const QByteArray text = FormatPlayHistory(
        history, [](const QString& fileDir) { return fileDir != QLatin1String("gone.zip"); });
    QVERIFY(text.startsWith(PlayHistoryHeader() + "\r\n"));
    const TPlayHistoryRead read = ParsePlayHistory(text);
    QCOMPARE(read.damagedLine, 0);
    QCOMPARE(read.history.Count(), 2);
    QVERIFY(!read.history.Find(QStringLiteral("gone.zip")));
    QCOMPARE(*read.history.Find(QStringLiteral("pong.zip")), *history.Find(QStringLiteral("pong.zip")));
    const TPlayRecord* quoted = read.history.Find(QStringLiteral("a game, \"quoted\".7z"));
    QVERIFY(quoted);
    QCOMPARE(quoted->secondsPlayed, 3600);
    // The same history, the same file.
    QCOMPARE(FormatPlayHistory(read.history, KeepAll), FormatPlayHistory(read.history, KeepAll));
    QCOMPARE(ParsePlayHistory(QByteArray()).damagedLine, 0);
}

void TestPlayHistory::damagedFile_data() {
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<int>("records");
    QTest::addColumn<int>("damagedLine");
    const QByteArray head = PlayHistoryHeader() + "\r\n";
    const QByteArray pong = "pong.zip,2,2026-12-11T10:00:00Z,90\r\n";
    QTest::newRow("sound") << head + pong << 1 << 0;
    QTest::newRow("no line end at the end") << head + pong.chopped(2) << 1 << 0;
    QTest::newRow("foreign file") << QByteArray("[Pellmora]\r\nLeft=3\r\n") << 0 << 1;
    QTest::newRow("cut short in a line") << head + pong + "breakout.zip,1,2026-12" << 1 << 3;
    QTest::newRow("rest ignored after a bad line") << head + pong + "x\r\n" + pong << 1 << 3;
    QTest::newRow("runs not a number") << head + "pong.zip,two,2026-12-11T10:00:00Z,90\r\n" << 0 << 2;
    QTest::newRow("no runs") << head + "pong.zip,0,2026-12-11T10:00:00Z,90\r\n" << 0 << 2;
    QTest::newRow("negative time") << head + "pong.zip,1,2026-12-11T10:00:00Z,-9\r\n" << 0 << 2;
    QTest::newRow("bad date") << head + "pong.zip,1,yesterday,9\r\n" << 0 << 2;
    QTest::newRow("empty File/Dir") << head + ",1,2026-12-11T10:00:00Z,9\r\n" << 0 << 2;
    QTest::newRow("a cell too many") << head + "pong.zip,1,2026-12-11T10:00:00Z,9,9\r\n" << 0 << 2;
    QTest::newRow("binary") << QByteArray("\x00\xff\xfe", 3) << 0 << 1;
}

void TestPlayHistory::damagedFile() {
    QFETCH(QByteArray, text);
    QFETCH(int, records);
    QFETCH(int, damagedLine);
    const TPlayHistoryRead read = ParsePlayHistory(text);
    QCOMPARE(read.history.Count(), records);
    QCOMPARE(read.damagedLine, damagedLine);
}

void TestPlayHistory::columnTexts() {
    TPlayRecord record{QStringLiteral("pong.zip"), 3, At("2026-12-11T10:00:00Z"), 3 * 3600 + 2 * 60 + 5};
    QCOMPARE(HistoryCellText(&record, colPlayed), QStringLiteral("3"));
    QCOMPARE(HistoryCellText(&record, colTimePlayed), QStringLiteral("3:02:05"));
    QVERIFY(!HistoryCellText(&record, colLastPlayed).isEmpty());
    for (int col : {colPlayed, colLastPlayed, colTimePlayed})
        QCOMPARE(HistoryCellText(nullptr, col), QString());
    QCOMPARE(HistoryColumnTitle(colLastPlayed), QStringLiteral("Last played"));
}

void TestPlayHistory::sortByHistoryColumns() {
    TPlayHistory history;
    const auto run = [&history](const char* fileDir, const char* start, int seconds) {
        const QDateTime at = At(start);
        history.RecordRun(QString::fromLatin1(fileDir), at, at.addSecs(seconds));
    };
    run("b.zip", "2026-12-01T10:00:00Z", 50);
    run("b.zip", "2026-12-03T10:00:00Z", 50);
    run("c.zip", "2026-12-02T10:00:00Z", 500);
    run("e.zip", "2026-12-04T10:00:00Z", 100);
    // a and d were never played.
    const std::vector<QStringList> rows{{},           Row("a.zip"), Row("b.zip"),
                                        Row("c.zip"), Row("d.zip"), Row("e.zip")};
    QCOMPARE(HistorySortOrder(rows, history, colPlayed, sdAscending), (std::vector<int>{1, 4, 3, 5, 2}));
    // Equal values keep their order in both directions.
    QCOMPARE(HistorySortOrder(rows, history, colPlayed, sdDescending), (std::vector<int>{2, 3, 5, 1, 4}));
    QCOMPARE(HistorySortOrder(rows, history, colLastPlayed, sdDescending), (std::vector<int>{5, 2, 3, 1, 4}));
    QCOMPARE(HistorySortOrder(rows, history, colTimePlayed, sdAscending), (std::vector<int>{1, 4, 2, 5, 3}));
}

QTEST_GUILESS_MAIN(TestPlayHistory)
#include "tst_playhistory.moc"
