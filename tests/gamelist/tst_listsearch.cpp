// Finding rows in the game list: the scan's exact lookup, the search box's start row and
// partial match, and the first-letter jump.

#include "gamelist/ListSearch.h"

#include <QtTest>

namespace {

// A small list: favourite mark, status, game name, File/Dir.
std::vector<QStringList> Games() {
    const auto row = [](const char* fav, const char* status, const char* name, const char* fileDir) {
        return QStringList{QString::fromUtf8(fav), QString::fromUtf8(status), QString::fromUtf8(name),
                           QString::fromUtf8(fileDir)};
    };
    return {row("", "Status", "Game Name", "File/Dir"),
            row("", "Good", "Galaga (Namco rev. B)", "galaga.zip"),
            row("true", "Good", "Ms. Pac-Man", "mspacman.zip"),
            row("", "?", "Pac-Man (Midway)", "PACMAN.7Z"),
            row("", "Bad", "1942 (Revision B)", "1942"),
            row("true", "Good", "\xC3\x89lan Vital", "elan.zip"),
            {QString(), QStringLiteral("Good")}}; // a short row: its missing cells are empty
}

} // namespace

class TestListSearch : public QObject {
    Q_OBJECT
  private slots:
    void findStringIsExact_data();
    void findStringIsExact();
    void searchStartRow_data();
    void searchStartRow();
    void findGameRow_data();
    void findGameRow();
    void jumpCharacter_data();
    void jumpCharacter();
    void firstLetterRow_data();
    void firstLetterRow();
};

void TestListSearch::findStringIsExact_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("col");
    QTest::addColumn<int>("row");
    QTest::newRow("found") << "1942" << 3 << 4;
    QTest::newRow("first of several") << "Good" << 1 << 1;
    QTest::newRow("letter case counts") << "pacman.7z" << 3 << 0;
    QTest::newRow("whole cell only") << "galaga" << 3 << 0;
    QTest::newRow("header row not searched") << "File/Dir" << 3 << 0;
    QTest::newRow("nowhere") << "dkong.zip" << 3 << 0;
    QTest::newRow("missing cell is empty") << "" << 3 << 6;
    QTest::newRow("column outside the rows") << "" << 9 << 1;
}

void TestListSearch::findStringIsExact() {
    QFETCH(QString, text);
    QFETCH(int, col);
    QFETCH(int, row);
    QCOMPARE(FindStringInSortGrid(Games(), text, col), row);
}

void TestListSearch::searchStartRow_data() {
    QTest::addColumn<int>("current");
    QTest::addColumn<int>("lastGridRow");
    QTest::addColumn<int>("start");
    // The list's last row is 6.
    QTest::newRow("first row, no match yet") << 1 << 0 << 1;
    QTest::newRow("first row held the last match") << 1 << 1 << 2;
    QTest::newRow("below the first row") << 3 << 0 << 4;
    QTest::newRow("last row wraps without asking") << 6 << 6 << 1;
    QTest::newRow("no current row") << 0 << 0 << 1;
}

void TestListSearch::searchStartRow() {
    QFETCH(int, current);
    QFETCH(int, lastGridRow);
    QFETCH(int, start);
    QCOMPARE(SearchStartRow(current, 6, lastGridRow), start);
}

void TestListSearch::findGameRow_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("startRow");
    QTest::addColumn<int>("row");
    QTest::newRow("part of a name, any case") << "pac" << 1 << 2;
    QTest::newRow("next one below") << "pac" << 3 << 3;
    QTest::newRow("capitals in the text") << "MIDWAY" << 1 << 3;
    QTest::newRow("File/Dir cell") << "7z" << 1 << 3;
    QTest::newRow("favourite mark") << "true" << 3 << 5;
    QTest::newRow("unverified status") << "?" << 1 << 3;
    QTest::newRow("status word") << "bad" << 1 << 4;
    QTest::newRow("nothing below the start") << "galaga" << 2 << 0;
    QTest::newRow("not found") << "donkey" << 1 << 0;
    QTest::newRow("empty text") << "" << 1 << 0;
    QTest::newRow("only A to Z fold") << "\xC3\xA9lan" << 1 << 0;
    QTest::newRow("the same accented letter") << "\xC3\x89lan" << 1 << 5;
    QTest::newRow("header not searched") << "status" << 0 << 0;
}

void TestListSearch::findGameRow() {
    QFETCH(QString, text);
    QFETCH(int, startRow);
    QFETCH(int, row);
    QCOMPARE(FindGameRow(Games(), text, startRow), row);
}

void TestListSearch::jumpCharacter_data() {
    QTest::addColumn<int>("key");
    QTest::addColumn<bool>("keypad");
    QTest::addColumn<QChar>("character");
    QTest::newRow("letter") << int(Qt::Key_P) << false << QChar(u'P');
    QTest::newRow("digit") << int(Qt::Key_1) << false << QChar(u'1');
    QTest::newRow("keypad digit") << int(Qt::Key_1) << true << QChar();
    QTest::newRow("punctuation") << int(Qt::Key_Question) << false << QChar();
    QTest::newRow("arrow") << int(Qt::Key_Down) << false << QChar();
    QTest::newRow("accented letter") << int(Qt::Key_Eacute) << false << QChar();
}

void TestListSearch::jumpCharacter() {
    QFETCH(int, key);
    QFETCH(bool, keypad);
    QFETCH(QChar, character);
    QCOMPARE(JumpCharacter(key, keypad), character);
}

void TestListSearch::firstLetterRow_data() {
    QTest::addColumn<int>("col");
    QTest::addColumn<QChar>("character");
    QTest::addColumn<int>("row");
    QTest::newRow("name beginning with m") << 2 << QChar(u'M') << 2;
    QTest::newRow("name beginning with a digit") << 2 << QChar(u'1') << 4;
    QTest::newRow("lower-case File/Dir") << 3 << QChar(u'P') << 3;
    QTest::newRow("no name begins with it") << 2 << QChar(u'Z') << 0;
    QTest::newRow("accented capital is not E") << 2 << QChar(u'E') << 0;
    QTest::newRow("header not looked at") << 1 << QChar(u'S') << 0;
    QTest::newRow("null character") << 2 << QChar() << 0;
}

void TestListSearch::firstLetterRow() {
    QFETCH(int, col);
    QFETCH(QChar, character);
    QFETCH(int, row);
    QCOMPARE(FirstLetterRow(Games(), col, character), row);
}

QTEST_GUILESS_MAIN(TestListSearch)
#include "tst_listsearch.moc"
