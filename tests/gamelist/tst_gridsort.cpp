// Sorting the game list: the style each column's content calls for, the order of each
// style in both directions, and rows that compare equal kept in their previous order.

#include "gamelist/GameListModel.h"
#include "gamelist/GridSort.h"

#include <QAbstractItemModelTester>
#include <QtTest>

namespace {

const QLocale C = QLocale::c();
const QLocale UnitedStates(QLocale::English, QLocale::UnitedStates);
const QLocale Germany(QLocale::German, QLocale::Germany);

QLocale LocaleNamed(const QString& name) {
    return name == QLatin1String("C") ? C : QLocale(name);
}

// Grid rows holding cells in column col; column 4 names each row ("r1", "r2", ...) so the
// order can be read back and every cell is seen to move with its row.
std::vector<QStringList> RowsWith(int col, const QStringList& cells) {
    std::vector<QStringList> rows{{QString(), QStringLiteral("Status"), QStringLiteral("Game Name"),
                                   QStringLiteral("File/Dir"), QString()}};
    for (qsizetype i = 0; i < cells.size(); ++i) {
        QStringList row(5);
        row[col] = cells[i];
        row[4] = QStringLiteral("r%1").arg(i + 1);
        rows.push_back(row);
    }
    return rows;
}

QStringList Names(const std::vector<QStringList>& rows, const std::vector<int>& order) {
    QStringList names;
    for (const int row : order)
        names.append(rows[static_cast<size_t>(row)].value(4));
    return names;
}

QStringList List(const char* words) {
    return QString::fromUtf8(words).split(QLatin1Char('|'));
}

} // namespace

class TestGridSort : public QObject {
    Q_OBJECT
  private slots:
    void detectsStyle_data();
    void detectsStyle();
    void sortsInOrder_data();
    void sortsInOrder();
    void customComparison();
    void equalKeysKeepTheirOrderPastSixteenRows_data();
    void equalKeysKeepTheirOrderPastSixteenRows();
    void sortsTheListModelRowsTogether();
    void listWithOneGameIsNotSorted();
};

void TestGridSort::detectsStyle_data() {
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QStringList>("cells");
    QTest::addColumn<int>("style");
    QTest::newRow("whole numbers") << "C" << List("720|1942|005") << int(ssNumeric);
    QTest::newRow("blanks around a number") << "C" << List(" 720 |1942") << int(ssNumeric);
    QTest::newRow("decimal comma") << "de_DE" << List("1,5|-2,25|3") << int(ssNumeric);
    QTest::newRow("decimal point is not German") << "de_DE" << List("1.5|2.25x") << int(ssAlphabetic);
    QTest::newRow("dates") << "en_US" << List("12/31/99|1/2/24") << int(ssDateTime);
    QTest::newRow("dates with times") << "en_US" << List("1/2/24 3:04:05 PM|12/31/99") << int(ssDateTime);
    QTest::newRow("times") << "en_US" << List("3:04:05 PM|9:30 AM") << int(ssTime);
    QTest::newRow("names") << "C" << List("Pac-Man|Galaga") << int(ssAlphabetic);
    QTest::newRow("number then name") << "C" << List("720|Pac-Man|1942") << int(ssAlphabetic);
    QTest::newRow("number and date") << "en_US" << List("720|1/2/24") << int(ssAlphabetic);
    QTest::newRow("an empty cell among numbers") << "C" << List("720||1942") << int(ssAlphabetic);
    QTest::newRow("empty Favourite cells") << "C" << List("||") << int(ssAlphabetic);
    QTest::newRow("infinity is no number") << "C" << List("1|inf") << int(ssAlphabetic);
    QTest::newRow("statuses") << "C" << List("Good|?|Bad") << int(ssAlphabetic);
}

void TestGridSort::detectsStyle() {
    QFETCH(QString, locale);
    QFETCH(QStringList, cells);
    QFETCH(int, style);
    QCOMPARE(int(DetectSortStyle(RowsWith(colGameName, cells), colGameName, LocaleNamed(locale))), style);
}

void TestGridSort::sortsInOrder_data() {
    QTest::addColumn<QString>("locale");
    QTest::addColumn<int>("col");
    QTest::addColumn<QStringList>("cells");
    QTest::addColumn<int>("style");
    QTest::addColumn<int>("direction");
    QTest::addColumn<QStringList>("order");
    const int up = sdAscending;
    const int down = sdDescending;
    const int name = colGameName;

    QTest::newRow("numbers, not texts")
        << "C" << name << List("1942|720|99.5") << int(ssAutomatic) << up << List("r3|r2|r1");
    QTest::newRow("numbers descending")
        << "C" << name << List("1942|720|99.5") << int(ssAutomatic) << down << List("r1|r2|r3");
    QTest::newRow("German numbers") << "de_DE" << name << List("1,5|1.000|-3") << int(ssAutomatic) << up
                                    << List("r3|r1|r2");
    QTest::newRow("dates, two-digit years") << "en_US" << name << List("1/2/24|12/31/99|6/15/05 3:00:00 PM")
                                            << int(ssAutomatic) << up << List("r2|r3|r1");
    QTest::newRow("times") << "en_US" << name << List("3:04:05 PM|9:30 AM|3:04:04 PM") << int(ssAutomatic)
                           << up << List("r2|r3|r1");
    QTest::newRow("names ignore case, equal keep order")
        << "C" << name << List("b|A|a|B") << int(ssAutomatic) << up << List("r2|r3|r1|r4");
    QTest::newRow("descending, equal keep order")
        << "C" << name << List("b|A|a|B") << int(ssAutomatic) << down << List("r1|r4|r2|r3");
    QTest::newRow("same name twice") << "C" << name << List("Pac-Man|Galaga|Pac-Man") << int(ssAutomatic)
                                     << down << List("r1|r3|r2");
    QTest::newRow("locale collation, not code points")
        << "en_US" << name << List("Zebra|\xC3\x89mile|Eagle") << int(ssAutomatic) << up << List("r3|r2|r1");
    QTest::newRow("Turkish upper-cases i to a dotted I, after I")
        << "tr_TR" << name << List("ia|Iz") << int(ssAutomatic) << up << List("r2|r1");
    QTest::newRow("Favourite: unmarked first")
        << "C" << colFavourite << List("true||TRUE|") << int(ssAutomatic) << up << List("r2|r4|r1|r3");
    QTest::newRow("Favourite descending: marked first")
        << "C" << colFavourite << List("true||TRUE|") << int(ssAutomatic) << down << List("r1|r3|r2|r4");
    QTest::newRow("Status: ? then BAD then GOOD") << "C" << colStatus << List("Good|Bad|?|Good|Bad")
                                                  << int(ssAutomatic) << up << List("r3|r2|r5|r1|r4");
    QTest::newRow("Status in a real locale")
        << "en_US" << colStatus << List("Good|Bad|?") << int(ssAutomatic) << up << List("r3|r2|r1");
    QTest::newRow("File/Dir") << "C" << colFileDir << List("pacman.zip|Galaga.7z|dkong") << int(ssAutomatic)
                              << up << List("r3|r2|r1");
    QTest::newRow("numeric style: unreadable cells stay put")
        << "C" << name << List("3|x|1|2") << int(ssNumeric) << up << List("r3|r2|r4|r1");
    QTest::newRow("alphabetic style on numbers")
        << "C" << name << List("1942|720") << int(ssAlphabetic) << up << List("r1|r2");
}

void TestGridSort::sortsInOrder() {
    QFETCH(QString, locale);
    QFETCH(int, col);
    QFETCH(QStringList, cells);
    QFETCH(int, style);
    QFETCH(int, direction);
    QFETCH(QStringList, order);
    TSortOptions options;
    options.SortStyle = TSortStyle(style);
    options.SortDirection = TSortDirection(direction);
    const std::vector<QStringList> rows = RowsWith(col, cells);
    QCOMPARE(Names(rows, SortedRowOrder(rows, col, options, LocaleNamed(locale))), order);
}

void TestGridSort::customComparison() {
    TSortOptions options;
    options.SortStyle = ssCustom;
    QStringList seen;
    options.SortCompare = [&seen](const QString& a, const QString& b) {
        seen << a << b;
        return int(a.size()) - int(b.size());
    };
    const std::vector<QStringList> rows = RowsWith(colGameName, List("ccc|a|bb|dd"));
    QCOMPARE(Names(rows, SortedRowOrder(rows, colGameName, options, C)), List("r2|r3|r4|r1"));
    // The function is given the texts upper-cased.
    QVERIFY(seen.contains(QStringLiteral("CCC")));
    QVERIFY(!seen.contains(QStringLiteral("ccc")));

    options.SortCompare = nullptr;
    QCOMPARE(Names(rows, SortedRowOrder(rows, colGameName, options, C)), List("r1|r2|r3|r4"));
}

void TestGridSort::equalKeysKeepTheirOrderPastSixteenRows_data() {
    QTest::addColumn<int>("style");
    QTest::addColumn<int>("direction");
    QTest::addColumn<QStringList>("keys");
    // 200 rows over three keys: far past the short runs an unstable sort happens to keep.
    QStringList statuses, numbers;
    for (int i = 0; i < 200; ++i) {
        statuses << List("Good|?|Bad|good").value((i * 7 + i / 3) % 4);
        numbers << QString::number((i * 5 + i / 4) % 3);
    }
    const int up = int(sdAscending), down = int(sdDescending);
    QTest::newRow("alphabetic, up") << int(ssAlphabetic) << up << statuses;
    QTest::newRow("alphabetic, down") << int(ssAlphabetic) << down << statuses;
    QTest::newRow("numeric, up") << int(ssNumeric) << up << numbers;
    QTest::newRow("numeric, down") << int(ssNumeric) << down << numbers;
    QTest::newRow("custom, down") << int(ssCustom) << down << statuses;
}

// Rows whose keys compare equal keep their previous order, here the row numbers, in either
// direction and every style.
void TestGridSort::equalKeysKeepTheirOrderPastSixteenRows() {
    QFETCH(int, style);
    QFETCH(int, direction);
    QFETCH(QStringList, keys);
    TSortOptions options;
    options.SortStyle = TSortStyle(style);
    options.SortDirection = TSortDirection(direction);
    options.SortCompare = [](const QString& a, const QString& b) { return a.compare(b); };
    const std::vector<QStringList> rows = RowsWith(colStatus, keys);
    const std::vector<int> order = SortedRowOrder(rows, colStatus, options, C);
    QCOMPARE(order.size(), size_t(keys.size()));
    for (size_t k = 1; k < order.size(); ++k) {
        const QString previous = rows[size_t(order[k - 1])][colStatus].toUpper();
        const QString current = rows[size_t(order[k])][colStatus].toUpper();
        if (previous == current)
            QVERIFY2(order[k - 1] < order[k], qPrintable(QStringLiteral("rows %1 and %2 with key %3 swapped")
                                                             .arg(order[k - 1])
                                                             .arg(order[k])
                                                             .arg(current)));
    }
}

void TestGridSort::sortsTheListModelRowsTogether() {
    TGameListModel model;
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
    int games = 0;
    games = model.AppendGame(games, QStringLiteral("Good"), QStringLiteral("Xevious"),
                             QStringLiteral("xevious.zip"));
    games =
        model.AppendGame(games, QStringLiteral("?"), QStringLiteral("Galaga"), QStringLiteral("galaga.zip"));
    games =
        model.AppendGame(games, QStringLiteral("Bad"), QStringLiteral("Pac-Man"), QStringLiteral("pacman"));
    model.SetHeaderTexts();
    TSortOptions options;
    QVERIFY(SortGameRows(model, colGameName, options, C));
    QCOMPARE(model.Cells(colGameName, 0), QStringLiteral("Game Name"));
    const QStringList galaga{QString(), QStringLiteral("?"), QStringLiteral("Galaga"),
                             QStringLiteral("galaga.zip")};
    QCOMPARE(model.Rows()[1], galaga);
    QCOMPARE(model.Cells(colFileDir, 2), QStringLiteral("pacman"));
    QCOMPARE(model.Cells(colStatus, 3), QStringLiteral("Good"));
}

void TestGridSort::listWithOneGameIsNotSorted() {
    TGameListModel model;
    model.AppendGame(0, QStringLiteral("Good"), QStringLiteral("Pong"), QStringLiteral("pong"));
    QVERIFY(!SortGameRows(model, colGameName, TSortOptions(), C));
    model.EmptyList();
    QVERIFY(!SortGameRows(model, colGameName, TSortOptions(), C));
}

QTEST_GUILESS_MAIN(TestGridSort)
#include "tst_gridsort.moc"
