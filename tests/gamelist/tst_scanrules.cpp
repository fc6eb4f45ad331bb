// The scan's pure steps: the new names found in a folder, what they become in the list,
// and the removal of missing rows; matching and removal give what the straightforward
// loops give, row for row and log line for log line.

#include "gamelist/ScanRules.h"

#include "base/AsciiCase.h"
#include "base/GameFileLookup.h"
#include "gamelist/GameListModel.h"
#include "gamelist/NaiveScanLoops.h"

#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QtTest>

namespace {

QString s(const char* text) {
    return QString::fromUtf8(text);
}

std::vector<SupportedGame> Games(std::initializer_list<std::pair<const char*, const char*>> games) {
    std::vector<SupportedGame> list;
    for (const auto& [name, description] : games)
        list.push_back({s(name), s(description)});
    return list;
}

// One addition as "Game Name|File/Dir|log line".
QStringList Describe(const std::vector<ScanAddition>& additions) {
    QStringList lines;
    for (const ScanAddition& a : additions)
        lines.append(a.gameName + u'|' + a.fileDir + u'|' + a.logLine);
    return lines;
}

void FillList(TGameListModel& list, int games) {
    for (int i = 0; i < games; ++i)
        list.AppendGame(i, QStringLiteral("?"), QStringLiteral("Game %1").arg(i),
                        QStringLiteral("g%1.zip").arg(i));
}

QStringList AllRows(const TGameListModel& list) {
    QStringList rows;
    for (int row = 0; row < list.RowCount(); ++row)
        rows.append(list.Rows()[static_cast<size_t>(row)].join(u','));
    return rows;
}

} // namespace

using Additions = QStringList;

class TestScanRules : public QObject {
    Q_OBJECT

  private slots:
    void newNameKey();
    void matchNewNames_data();
    void matchNewNames();
    void matchingLikeTheStraightLoopsOnALargeList();
    void nameWithAStarIsStillAdded();
    void removal_data();
    void removal();
    void findNewNames();
};

void TestScanRules::newNameKey() {
    QCOMPARE(NewNameKey(u"ABC.OLD").toString(), s("ABC"));
    QCOMPARE(NewNameKey(u"X.Y.ZIP").toString(), s("X"));
    QCOMPARE(NewNameKey(u"ABC").toString(), s("ABC"));
    QCOMPARE(NewNameKey(u".ABC.ZIP").toString(), s(".ABC.ZIP"));
}

void TestScanRules::matchNewNames_data() {
    QTest::addColumn<std::vector<SupportedGame>>("supported");
    QTest::addColumn<QStringList>("newNames");
    QTest::addColumn<Additions>("expected");
    const auto games =
        Games({{"xyz", "Xyz"}, {"abc", "Abc Deluxe"}, {"Mixed", "Mixed Case"}, {"abc", "Abc again"}});

    QTest::newRow("in supported order, then unknowns in list order")
        << games << QStringList{s("NOPE.ZIP"), s("ABC.ZIP"), s("XYZ"), s("ZZZ.7Z")}
        << Additions{s("Xyz|xyz|Adding \"Xyz\" xyz"), s("Abc Deluxe|abc.zip|Adding \"Abc Deluxe\" abc"),
                     s("[UNKNOWN GAME]|nope.zip|Adding [UNKNOWN GAME] nope.zip"),
                     s("[UNKNOWN GAME]|zzz.7z|Adding [UNKNOWN GAME] zzz.7z")};
    QTest::newRow("one game names a folder and an archive; the first entry wins")
        << games << QStringList{s("ABC"), s("ABC.ZIP")}
        << Additions{s("Abc Deluxe|abc|Adding \"Abc Deluxe\" abc"),
                     s("Abc Deluxe|abc.zip|Adding \"Abc Deluxe\" abc")};
    QTest::newRow("key before the first dot") << games << QStringList{s("ABC.OLD"), s("XYZ.Y.ZIP")}
                                              << Additions{s("Xyz|xyz.y.zip|Adding \"Xyz\" xyz"),
                                                           s("Abc Deluxe|abc.old|Adding \"Abc Deluxe\" abc")};
    QTest::newRow("short name logged as listed")
        << games << QStringList{s("MIXED.ZIP")}
        << Additions{s("Mixed Case|mixed.zip|Adding \"Mixed Case\" Mixed")};
    QTest::newRow("non-ASCII letters keep their case")
        << games << QStringList{s("\xC3\x89T\xC3\xA9.ZIP")}
        << Additions{s("[UNKNOWN GAME]|\xC3\x89t\xC3\xA9.zip|Adding [UNKNOWN GAME] \xC3\x89t\xC3\xA9.zip")};
    QTest::newRow("nothing new") << games << QStringList{} << Additions{};
    QTest::newRow("no supported games") << std::vector<SupportedGame>{} << QStringList{s("ABC")}
                                        << Additions{s("[UNKNOWN GAME]|abc|Adding [UNKNOWN GAME] abc")};
}

void TestScanRules::matchNewNames() {
    QFETCH(std::vector<SupportedGame>, supported);
    QFETCH(QStringList, newNames);
    QFETCH(Additions, expected);
    QCOMPARE(Describe(MatchNewNames(supported, newNames)), expected);
    QCOMPARE(Describe(naive::MatchNewNames(supported, newNames)), expected);
}

// Many names, shared keys, duplicates and misses: the same rows and lines as the loops.
void TestScanRules::matchingLikeTheStraightLoopsOnALargeList() {
    QRandomGenerator random(12);
    std::vector<SupportedGame> supported;
    for (int i = 0; i < 3000; ++i)
        supported.push_back(
            {QStringLiteral("g%1").arg(random.bounded(2500)), QStringLiteral("Game %1").arg(i)});
    QStringList newNames;
    const char* endings[] = {"", ".ZIP", ".7Z", ".OLD", ".X.ZIP"};
    for (int i = 0; i < 2000; ++i)
        newNames.append(QStringLiteral("G%1").arg(random.bounded(3000)) + s(endings[random.bounded(5)]));
    const auto fast = MatchNewNames(supported, newNames);
    QVERIFY(std::count_if(fast.begin(), fast.end(), [](const ScanAddition& a) { return !a.known; }) > 100);
    QCOMPARE(Describe(fast), Describe(naive::MatchNewNames(supported, newNames)));
}

// The written loops mark a taken name with a "*" and would drop a file whose name holds one.
void TestScanRules::nameWithAStarIsStillAdded() {
    QCOMPARE(Describe(MatchNewNames(Games({{"abc", "Abc"}}), {s("A*B.ZIP")})),
             Additions{s("[UNKNOWN GAME]|a*b.zip|Adding [UNKNOWN GAME] a*b.zip")});
}

void TestScanRules::removal_data() {
    QTest::addColumn<int>("games");
    QTest::addColumn<QList<int>>("missing"); // game numbers whose file is gone
    QTest::addColumn<QList<int>>("marked");  // game numbers already marked DELETE
    QTest::newRow("none") << 5 << QList<int>{} << QList<int>{};
    QTest::newRow("one in the middle") << 5 << QList<int>{2} << QList<int>{};
    QTest::newRow("first, last and neighbours") << 8 << QList<int>{0, 3, 4, 7} << QList<int>{};
    QTest::newRow("every game") << 3 << QList<int>{0, 1, 2} << QList<int>{};
    QTest::newRow("the only game") << 1 << QList<int>{0} << QList<int>{};
    QTest::newRow("a stale mark goes too") << 4 << QList<int>{1} << QList<int>{3};
    QTest::newRow("every game, one by its mark") << 3 << QList<int>{0, 2} << QList<int>{1};
    QTest::newRow("the empty list") << 0 << QList<int>{} << QList<int>{};
}

void TestScanRules::removal() {
    QFETCH(int, games);
    QFETCH(QList<int>, missing);
    QFETCH(QList<int>, marked);
    TGameListModel fast, straight;
    for (TGameListModel* list : {&fast, &straight}) {
        list->SetHeaderTexts();
        FillList(*list, games);
        for (const int game : marked)
            list->SetCell(colStatus, game + 1, QStringLiteral("DELETE"));
    }
    const auto exists = [&](const QString& fileDir) {
        return !missing.contains(fileDir.mid(1, fileDir.indexOf(u'.') - 1).toInt());
    };
    // Only removing every game, stale marks included, calls for the user's word first.
    QCOMPARE(RemovesEveryGame(fast, MissingGameRows(fast, exists)),
             games > 0 && int(missing.size() + marked.size()) == games);
    const QStringList fastLog = RemoveMissingGames(fast, exists);
    const QStringList straightLog = naive::RemoveMissingRows(straight, exists);
    QCOMPARE(fastLog, straightLog);
    QCOMPARE(AllRows(fast), AllRows(straight));
    QCOMPARE(fast.GameCount(), games - int(missing.size() + marked.size()));
    if (!missing.isEmpty())
        QCOMPARE(fastLog.first(), QStringLiteral("Removing \"Game %1\" g%1.zip").arg(missing.first()));
}

void TestScanRules::findNewNames() {
    QTemporaryDir dir;
    const QString rompath = dir.path() + u'/';
    for (const char* folder : {"abc", "abc.old", ".hidden", "-createconfig", "y.zip", "Listed", "BreakOut"})
        QVERIFY(QDir().mkpath(rompath + s(folder)));
    for (const char* file :
         {"ABC.Zip", "x.y.zip", "a.rar", "abc.z", ".dot.zip", "-x.zip", "pong.zip", "plain", "ABC.zip"}) {
        QFile f(rompath + s(file));
        QVERIFY(f.open(QIODevice::WriteOnly));
    }
    QStringList messages;
    const QStringList names =
        FindNewNames(TFolderListing(rompath), {s("pong.zip"), s("listed"), s("breakout")},
                     [&](const QString& message) { messages.append(message); });
    QCOMPARE(names, (QStringList{s("ABC"), s("ABC.OLD"), s("ABC.Z"), s("ABC.ZIP"), s("X.Y.ZIP")}));
    QCOMPARE(messages.first(), s("Found Directory: abc"));
    QCOMPARE(messages.at(3), s("Found File: ABC.Zip"));
}

QTEST_GUILESS_MAIN(TestScanRules)
#include "tst_scanrules.moc"
