// The filter of the game list: which rows a view and typed words let through, the count's
// text, and the filtered model keeping its rows and indexes in step as the list changes.

#include "gamelist/GameFilter.h"
#include "gamelist/GameListFilterModel.h"
#include "gamelist/GameListModel.h"
#include "gamelist/ListFileCodec.h"
#include "gamelist/PlayHistory.h"

#include <QPersistentModelIndex>
#include <QtTest>

namespace {

QStringList Cells(const char* fav, const char* status, const char* name, const char* fileDir) {
    return {QString::fromUtf8(fav), QString::fromUtf8(status), QString::fromUtf8(name),
            QString::fromUtf8(fileDir)};
}

// Five games: grid rows 1 to 5.
void FillList(TGameListModel& list) {
    list.EmptyList();
    int games = 0;
    games = list.AppendGame(games, QStringLiteral("Good"), QStringLiteral("Galaga (Namco rev. B)"),
                            QStringLiteral("galaga.zip"));
    games = list.AppendGame(games, QStringLiteral("?"), QStringLiteral("Ms. Pac-Man"),
                            QStringLiteral("mspacman.zip"));
    games = list.AppendGame(games, QStringLiteral("Bad"), QStringLiteral("Pac-Man (Midway)"),
                            QStringLiteral("puckman"));
    games = list.AppendGame(games, QStringLiteral("Good"), UnknownGameName(), QStringLiteral("mystery.7z"));
    list.AppendGame(games, QStringLiteral("?"), QStringLiteral("Joust"), QStringLiteral("joust.zip"));
    list.SetFavourite(3, true);
}

// The grid rows the model shows, in order.
std::vector<int> ShownOf(const TGameListFilterModel& model) {
    std::vector<int> rows;
    for (int r = 0; r < model.rowCount(); ++r)
        rows.push_back(model.mapToSource(model.index(r, colFileDir)).row() + 1);
    return rows;
}

} // namespace

class TestGameFilter : public QObject {
    Q_OBJECT
  private slots:
    void matches_data();
    void matches();
    void narrows_data();
    void narrows();
    void historyViews();
    void countText();
    void viewNumbers();
    void modelFollowsFilterAndKeepsIndexes();
    void modelFollowsChangesOfTheList();
    void emptyListAndEmptyResult();
};

void TestGameFilter::matches_data() {
    QTest::addColumn<int>("view");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("cells");
    QTest::addColumn<bool>("passes");
    const QStringList pacman = Cells("true", "Good", "Pac-Man (Midway)", "PUCKMAN.zip");
    const auto all = int(TGameView::AllGames);
    QTest::newRow("two words, either order") << all << QStringLiteral("midway pac") << pacman << true;
    QTest::newRow("capitals typed") << all << QStringLiteral("PAC-MAN") << pacman << true;
    QTest::newRow("word only in File/Dir") << all << QStringLiteral("puck") << pacman << true;
    QTest::newRow("one word in each column") << all << QStringLiteral("puck midway") << pacman << true;
    QTest::newRow("one word missing") << all << QStringLiteral("pac galaga") << pacman << false;
    QTest::newRow("blanks around and between") << all << QStringLiteral("  pac \t man ") << pacman << true;
    QTest::newRow("status is not searched") << all << QStringLiteral("good") << pacman << false;
    QTest::newRow("non-ASCII letters keep their case")
        << all << QStringLiteral("\xC3\xA9lan") << Cells("", "Good", "\xC3\x89lan Vital", "elan.zip")
        << false;
    QTest::newRow("favourites: marked") << int(TGameView::Favourites) << QString() << pacman << true;
    QTest::newRow("favourites: TRUE from the file")
        << int(TGameView::Favourites) << QString() << Cells("TRUE", "Good", "x", "x.zip") << true;
    QTest::newRow("favourites: unmarked")
        << int(TGameView::Favourites) << QString() << Cells("", "Good", "x", "x.zip") << false;
    QTest::newRow("good") << int(TGameView::Good) << QString() << pacman << true;
    QTest::newRow("good: lower case is no status")
        << int(TGameView::Good) << QString() << Cells("", "good", "x", "x.zip") << false;
    QTest::newRow("bad") << int(TGameView::Bad) << QString() << Cells("", "Bad", "x", "x.zip") << true;
    QTest::newRow("not verified") << int(TGameView::NotVerified) << QString() << Cells("", "?", "x", "x.zip")
                                  << true;
    QTest::newRow("not verified: good") << int(TGameView::NotVerified) << QString() << pacman << false;
    QTest::newRow("unknown games") << int(TGameView::UnknownGames) << QString()
                                   << Cells("", "?", "[UNKNOWN GAME]", "x.zip") << true;
    QTest::newRow("view and words") << int(TGameView::Favourites) << QStringLiteral("galaga") << pacman
                                    << false;
    QTest::newRow("short row") << all << QStringLiteral("pac")
                               << QStringList{QString(), QStringLiteral("Good")} << false;
}

void TestGameFilter::matches() {
    QFETCH(int, view);
    QFETCH(QString, text);
    QFETCH(QStringList, cells);
    QFETCH(bool, passes);
    QCOMPARE(TGameFilter(TGameView(view), text).Matches(cells), passes);
}

void TestGameFilter::narrows_data() {
    QTest::addColumn<QString>("previous");
    QTest::addColumn<QString>("next");
    QTest::addColumn<bool>("narrows");
    QTest::newRow("a letter more") << QStringLiteral("pa") << QStringLiteral("pac") << true;
    QTest::newRow("a word more") << QStringLiteral("pac") << QStringLiteral("pac man") << true;
    QTest::newRow("a letter less") << QStringLiteral("pac") << QStringLiteral("pa") << false;
    QTest::newRow("word changed") << QStringLiteral("pac") << QStringLiteral("gal") << false;
    QTest::newRow("old word inside a longer one")
        << QStringLiteral("man") << QStringLiteral("pacman") << true;
}

void TestGameFilter::narrows() {
    QFETCH(QString, previous);
    QFETCH(QString, next);
    QFETCH(bool, narrows);
    QCOMPARE(TGameFilter(TGameView::Good, next).Narrows(TGameFilter(TGameView::Good, previous)), narrows);
    // Another view may let rows through that the previous one hid.
    QVERIFY(!TGameFilter(TGameView::Bad, next).Narrows(TGameFilter(TGameView::Good, previous)));
    QVERIFY(TGameFilter(TGameView::Bad, next).Narrows(TGameFilter()));
}

void TestGameFilter::historyViews() {
    const QDateTime now = QDateTime::fromString(QStringLiteral("2026-12-11T12:00:00Z"), Qt::ISODate);
    const QStringList cells = Cells("", "Good", "Pong", "pong");
    TPlayRecord record{QStringLiteral("pong"), 1, now.addDays(-RecentlyPlayedDays), 10};
    const TGameFilter recent(TGameView::RecentlyPlayed, QString(), now);
    const TGameFilter never(TGameView::NeverPlayed, QString(), now);
    QVERIFY(recent.Matches(cells, &record));
    QVERIFY(!never.Matches(cells, &record));
    record.lastStart = now.addDays(-RecentlyPlayedDays).addSecs(-1);
    QVERIFY(!recent.Matches(cells, &record));
    QVERIFY(!recent.Matches(cells, nullptr));
    QVERIFY(never.Matches(cells, nullptr));
    QVERIFY(!TGameFilter(TGameView::NeverPlayed, QStringLiteral("galaga"), now).Matches(cells, nullptr));
}

void TestGameFilter::countText() {
    const QLocale english(QLocale::English, QLocale::UnitedStates);
    QCOMPARE(ShownCountText(312, 45294, english), QStringLiteral("312 of 45,294"));
    QLocale noGroups = english;
    noGroups.setNumberOptions(QLocale::OmitGroupSeparator);
    QCOMPARE(ShownCountText(1000, 45294, noGroups), QStringLiteral("1,000 of 45,294"));
    QCOMPARE(ShownCountText(0, 45294, QLocale(QLocale::German, QLocale::Germany)),
             QStringLiteral("0 of 45.294"));
}

void TestGameFilter::viewNumbers() {
    for (const TGameView view : GameViews())
        QCOMPARE(GameViewOfNumber(int(view)), view);
    QCOMPARE(GameViewOfNumber(-1), TGameView::AllGames);
    QCOMPARE(GameViewOfNumber(999), TGameView::AllGames);
    QCOMPARE(GameViewName(TGameView::NotVerified), QStringLiteral("Not verified (\"?\")"));
}

void TestGameFilter::modelFollowsFilterAndKeepsIndexes() {
    TGameListModel list;
    FillList(list);
    TGameListFilterModel model(list);
    QCOMPARE(ShownOf(model), (std::vector<int>{1, 2, 3, 4, 5}));
    const QPersistentModelIndex joust = model.index(4, colGameName);
    const QPersistentModelIndex galaga = model.index(0, colGameName);

    model.SetFilter(TGameFilter(TGameView::AllGames, QStringLiteral("a")));
    QCOMPARE(ShownOf(model), (std::vector<int>{1, 2, 3, 4}));
    QVERIFY(!joust.isValid());
    QCOMPARE(galaga.data().toString(), QStringLiteral("Galaga (Namco rev. B)"));
    // Typing on narrows the rows shown; deleting a letter widens them again.
    model.SetFilter(TGameFilter(TGameView::AllGames, QStringLiteral("pa")));
    QCOMPARE(ShownOf(model), (std::vector<int>{2, 3}));
    QVERIFY(!galaga.isValid());
    const QPersistentModelIndex midway = model.index(1, colGameName);
    model.SetFilter(TGameFilter(TGameView::Favourites, QStringLiteral("p")));
    QCOMPARE(ShownOf(model), (std::vector<int>{3}));
    QCOMPARE(midway.row(), 0);
    QCOMPARE(model.data(model.index(0, colGameName)).toString(), QStringLiteral("Pac-Man (Midway)"));
    model.SetFilter(TGameFilter());
    QCOMPARE(ShownOf(model), (std::vector<int>{1, 2, 3, 4, 5}));
    QCOMPARE(midway.row(), 2);
    QCOMPARE(model.PositionOf(3), 2);
    QCOMPARE(model.GridRow(2), 3);
    QCOMPARE(model.headerData(colGameName, Qt::Horizontal).toString(), QStringLiteral("Game Name"));
}

void TestGameFilter::modelFollowsChangesOfTheList() {
    TGameListModel list;
    FillList(list);
    TGameListFilterModel model(list);
    model.SetFilter(TGameFilter(TGameView::NotVerified, QString()));
    QCOMPARE(ShownOf(model), (std::vector<int>{2, 5}));

    // A row whose status changes comes into the view or leaves it at once.
    QSignalSpy removed(&model, &QAbstractItemModel::rowsRemoved);
    list.SetStatus(2, GameStatus::Good);
    QCOMPARE(ShownOf(model), (std::vector<int>{5}));
    QCOMPARE(removed.size(), 1);
    list.SetStatus(1, GameStatus::Unknown);
    QCOMPARE(ShownOf(model), (std::vector<int>{1, 5}));

    // Rows deleted and appended: the rows after them are found under their new numbers.
    list.DeleteRow(3);
    QCOMPARE(ShownOf(model), (std::vector<int>{1, 4}));
    QCOMPARE(model.data(model.index(1, colGameName)).toString(), QStringLiteral("Joust"));
    list.AppendGame(list.GameCount(), QStringLiteral("?"), QStringLiteral("Robotron"),
                    QStringLiteral("robotron.zip"));
    QCOMPARE(ShownOf(model), (std::vector<int>{1, 4, 5}));
    list.AppendGame(list.GameCount(), QStringLiteral("Good"), QStringLiteral("Defender"),
                    QStringLiteral("defender.zip"));
    QCOMPARE(ShownOf(model), (std::vector<int>{1, 4, 5}));

    // A sort moves the persistent indexes with their games.
    const QPersistentModelIndex robotron = model.index(2, colGameName);
    list.PermuteGameRows({6, 5, 4, 3, 2, 1});
    QCOMPARE(ShownOf(model), (std::vector<int>{2, 3, 6}));
    QCOMPARE(robotron.row(), 0);
    QCOMPARE(robotron.data().toString(), QStringLiteral("Robotron"));

    // Cells of many rows at once, and a new list read whole.
    list.Clear();
    QCOMPARE(model.rowCount(), 0);
    list.EmptyList();
    QCOMPARE(model.rowCount(), 0);
    FillList(list);
    QCOMPARE(ShownOf(model), (std::vector<int>{2, 5}));
}

void TestGameFilter::emptyListAndEmptyResult() {
    TGameListModel list;
    list.EmptyList();
    TGameListFilterModel model(list);
    // No filter: the empty list's blank row is shown as before.
    QCOMPARE(model.rowCount(), 1);
    // With one, it is no game and never shown; nor are rows without a File/Dir.
    model.SetFilter(TGameFilter(TGameView::AllGames, QString()));
    QCOMPARE(model.rowCount(), 1);
    model.SetFilter(TGameFilter(TGameView::Favourites, QString()));
    QCOMPARE(model.rowCount(), 0);
    FillList(list);
    list.SetFileDir(3, QString());
    QCOMPARE(ShownOf(model), std::vector<int>{});
    model.SetFilter(TGameFilter(TGameView::AllGames, QStringLiteral("zzz")));
    QCOMPARE(model.rowCount(), 0);
    QVERIFY(!model.index(0, 0).isValid());
    QCOMPARE(model.GridRow(0), 0);
    model.SetFilter(TGameFilter(TGameView::AllGames, QStringLiteral("pac")));
    QCOMPARE(ShownOf(model), std::vector<int>{2});
}

QTEST_GUILESS_MAIN(TestGameFilter)
#include "tst_gamefilter.moc"
