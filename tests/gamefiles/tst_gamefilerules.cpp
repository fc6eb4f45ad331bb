// Snapshots (file name and shown size) and the random game's draw.

#include "gamefiles/RandomGame.h"
#include "gamefiles/Snapshot.h"
#include "gamelist/ListSearch.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include <set>

namespace {

std::vector<QStringList> WithStatuses(const QStringList& statuses) {
    std::vector<QStringList> rows{
        {QString(), QStringLiteral("Status"), QStringLiteral("Game Name"), QStringLiteral("File/Dir")}};
    for (const QString& status : statuses)
        rows.push_back({QString(), status, QStringLiteral("Game"), QStringLiteral("game.zip")});
    return rows;
}

QStringList List(const char* words) {
    return QString::fromUtf8(words).split(QLatin1Char('|'));
}

} // namespace

class TestGameFileRules : public QObject {
    Q_OBJECT
  private slots:
    void snapshotFoundIgnoringCase();
    void fitInside_data();
    void fitInside();
    void eligibleRows_data();
    void eligibleRows();
    void drawReachesEveryEligibleRowOnly();
};

void TestGameFileRules::snapshotFoundIgnoringCase() {
    QTemporaryDir snap;
    const QString folder = snap.path() + QLatin1Char('/');
    QFile file(folder + QStringLiteral("pacman.png"));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.close();
    QCOMPARE(SnapshotFileName(folder, QStringLiteral("PACMAN.ZIP")), folder + QStringLiteral("pacman.png"));
    QCOMPARE(SnapshotFileName(folder, QStringLiteral("pacman.7z")), folder + QStringLiteral("pacman.png"));
    // A game never snapped names the file it would have.
    QCOMPARE(SnapshotFileName(folder, QStringLiteral("galaga")), folder + QStringLiteral("galaga.png"));
}

void TestGameFileRules::fitInside_data() {
    QTest::addColumn<QSize>("picture");
    QTest::addColumn<QSize>("shown");
    QTest::newRow("4:3 scaled down") << QSize(640, 480) << QSize(238, 178);
    QTest::newRow("smaller shown as it is") << QSize(200, 150) << QSize(200, 150);
    QTest::newRow("exactly the box") << QSize(238, 238) << QSize(238, 238);
    QTest::newRow("wide strip") << QSize(1552, 240) << QSize(238, 36);
    QTest::newRow("tall strip") << QSize(228, 1440) << QSize(37, 238);
    QTest::newRow("taller only") << QSize(100, 476) << QSize(50, 238);
    QTest::newRow("never thinner than a pixel") << QSize(10000, 1) << QSize(238, 1);
    QTest::newRow("empty picture") << QSize(0, 0) << QSize(0, 0);
}

void TestGameFileRules::fitInside() {
    QFETCH(QSize, picture);
    QFETCH(QSize, shown);
    QCOMPARE(FitInside(picture, QSize(238, 238)), shown);
}

void TestGameFileRules::eligibleRows_data() {
    QTest::addColumn<QStringList>("statuses");
    QTest::addColumn<std::vector<int>>("eligible");
    QTest::newRow("good only") << List("?|Good|Bad") << std::vector<int>{2};
    QTest::newRow("other texts count") << List("good||BAD|Bad") << std::vector<int>{1, 2, 3};
    QTest::newRow("none") << List("?|Bad|?") << std::vector<int>{};
    QTest::newRow("empty list's blank row") << List("") << std::vector<int>{1};
}

void TestGameFileRules::eligibleRows() {
    QFETCH(QStringList, statuses);
    QFETCH(std::vector<int>, eligible);
    const std::vector<QStringList> rows = WithStatuses(statuses);
    QCOMPARE(EligibleRandomRows(rows, AllDataRows(rows)), eligible);
}

void TestGameFileRules::drawReachesEveryEligibleRowOnly() {
    QRandomGenerator random(7);
    const std::vector<QStringList> rows = WithStatuses(List("Good|?|Good|Bad|Good"));
    std::set<int> drawn;
    for (int i = 0; i < 200; ++i)
        drawn.insert(DrawRandomRow(rows, AllDataRows(rows), random));
    QCOMPARE(drawn, (std::set<int>{1, 3, 5}));
    // Only the rows shown take part.
    drawn.clear();
    for (int i = 0; i < 200; ++i)
        drawn.insert(DrawRandomRow(rows, {2, 3, 4, 5}, random));
    QCOMPARE(drawn, (std::set<int>{3, 5}));
    QCOMPARE(DrawRandomRow(rows, {2, 4}, random), 0);
    const std::vector<QStringList> unplayable = WithStatuses(List("?|Bad"));
    QCOMPARE(DrawRandomRow(unplayable, AllDataRows(unplayable), random), 0);
}

QTEST_GUILESS_MAIN(TestGameFileRules)
#include "tst_gamefilerules.moc"
