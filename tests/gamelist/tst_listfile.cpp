// The list file: line syntax, encodings, loading and saving through the model, and the
// conversion of the old layout.

#include "base/AppError.h"
#include "gamelist/ConvertGameListFile.h"
#include "gamelist/GameListModel.h"
#include "gamelist/ListFileCodec.h"
#include "support/FileBytes.h"
#include "support/FileSizeLimit.h"

#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QtTest>

namespace {

const QChar Comma = QLatin1Char(',');

void WriteBytes(const QString& fileName, const QByteArray& bytes) {
    QFile file(fileName);
    QVERIFY2(file.open(QIODevice::WriteOnly), qPrintable(fileName));
    QCOMPARE(file.write(bytes), bytes.size());
}

QStringList RowOf(const TGameListModel& model, int row) {
    QStringList cells;
    for (int col = 0; col < model.ColCount(); ++col)
        cells.append(model.Cells(col, row));
    return cells;
}

QStringList HeaderTexts() {
    return {QString(), QStringLiteral("Status"), QStringLiteral("Game Name"), QStringLiteral("File/Dir")};
}

void VerifyEmptyList(const TGameListModel& model) {
    QCOMPARE(model.RowCount(), 2);
    QCOMPARE(model.GameCount(), 0);
    QCOMPARE(RowOf(model, 0).mid(0, 4), HeaderTexts());
    QCOMPARE(RowOf(model, 1).join(QString()), QString());
}

QStringList L(std::initializer_list<const char16_t*> cells) {
    QStringList list;
    for (const char16_t* cell : cells)
        list.append(QString::fromUtf16(cell));
    return list;
}

} // namespace

class TestListFile : public QObject {
    Q_OBJECT

  private slots:
    void splitLine_data();
    void splitLine();
    void joinLine_data();
    void joinLine();
    void roundTrip_data();
    void roundTrip();
    void lineBreakInCellKeepsOneLinePerRow();

    void savedFileIsByteExact();
    void saveAndLoadKeepEveryCell();
    void loadEncodingsAndLineEnds_data();
    void loadEncodingsAndLineEnds();
    void readerTakesBytesInAnyPieces_data();
    void readerTakesBytesInAnyPieces();
    void fewerThanTwoLinesGiveEmptyList_data();
    void fewerThanTwoLinesGiveEmptyList();
    void cellsPastTheFourthAreDropped();
    void damagedLineDoesNotWidenTheNextSave();
    void blankRowsAreDropped();
    void loadFailureKeepsGrid();
    void saveFailureThrowsAndKeepsOldFile();
    void badInputDoesNotCrash();

    void convertOldLayout();
    void convertLeavesOtherFilesUntouched_data();
    void convertLeavesOtherFilesUntouched();
    void convertWithoutListFileDoesNothing();
    void convertUnreadableListFileThrows();

  private:
    QTemporaryDir dir;
    QString Path(const QString& name) const { return dir.path() + QLatin1Char('/') + name; }
};

void TestListFile::splitLine_data() {
    QTest::addColumn<QString>("line");
    QTest::addColumn<QStringList>("fields");

    QTest::newRow("header line") << QStringLiteral(",Status,\"Game Name\",File/Dir") << HeaderTexts();
    QTest::newRow("game line") << QStringLiteral("true,Good,\"Pac-Man (Midway, set 2)\",pacman.zip")
                               << L({u"true", u"Good", u"Pac-Man (Midway, set 2)", u"pacman.zip"});
    QTest::newRow("doubled quotes") << QStringLiteral("\"say \"\"hi\"\"\",x") << L({u"say \"hi\"", u"x"});
    QTest::newRow("only a doubled quote") << QStringLiteral("\"\"\"\"") << L({u"\""});
    QTest::newRow("empty quoted") << QStringLiteral("\"\",x") << L({u"", u"x"});
    QTest::newRow("unclosed quote takes the rest") << QStringLiteral("a,\"b, c") << L({u"a", u"b, c"});
    QTest::newRow("unclosed quote with pair") << QStringLiteral("\"ab\"\"c") << L({u"ab\"c"});
    QTest::newRow("text after closing quote") << QStringLiteral("\"a\"b,c") << L({u"a", u"b", u"c"});
    QTest::newRow("quote inside bare cell") << QStringLiteral("a\"b,c") << L({u"a\"b", u"c"});
    QTest::newRow("blank splits bare cell") << QStringLiteral("a b,c") << L({u"a", u"b", u"c"});
    QTest::newRow("tab splits bare cell") << QStringLiteral("a\tb.zip") << L({u"a", u"b.zip"});
    QTest::newRow("control chars are spaces") << QStringLiteral("\x01"
                                                                "a\x1f,\x02"
                                                                "b")
                                              << L({u"a", u"b"});
    QTest::newRow("blanks around commas") << QStringLiteral("  a , b  ") << L({u"a", u"b"});
    QTest::newRow("blanks inside quotes kept") << QStringLiteral("\" a \",b") << L({u" a ", u"b"});
    QTest::newRow("comma splits bare cell")
        << QStringLiteral("x,Good,Name,a,b.zip") << L({u"x", u"Good", u"Name", u"a", u"b.zip"});
    QTest::newRow("trailing comma") << QStringLiteral("a,b,") << L({u"a", u"b", u""});
    QTest::newRow("two trailing commas") << QStringLiteral("a,,") << L({u"a", u"", u""});
    QTest::newRow("comma then blank at end") << QStringLiteral("a, ") << L({u"a"});
    QTest::newRow("leading comma") << QStringLiteral(",?,Name,x.zip") << L({u"", u"?", u"Name", u"x.zip"});
    QTest::newRow("only commas") << QStringLiteral(",,,") << L({u"", u"", u"", u""});
    QTest::newRow("short line") << QStringLiteral("x,Good,Name") << L({u"x", u"Good", u"Name"});
    QTest::newRow("NUL is ordinary") << QString(QStringLiteral("a") + QChar(0) + QStringLiteral("b,c"))
                                     << QStringList{
                                            QString(QStringLiteral("a") + QChar(0) + QStringLiteral("b")),
                                            QStringLiteral("c")};
    QTest::newRow("empty line") << QString() << QStringList();
    QTest::newRow("spaces only") << QStringLiteral("  \t \x01 ") << QStringList();
}

void TestListFile::splitLine() {
    QFETCH(QString, line);
    QFETCH(QStringList, fields);
    QCOMPARE(SplitListLine(line, Comma), fields);
}

void TestListFile::joinLine_data() {
    QTest::addColumn<QStringList>("cells");
    QTest::addColumn<QString>("line");

    // Ordinary lists stay exactly as they always were.
    QTest::newRow("header") << HeaderTexts() << QStringLiteral(",Status,\"Game Name\",File/Dir");
    QTest::newRow("favourite game") << L({u"true", u"Good", u"Some Game (set 1)", u"some.zip"})
                                    << QStringLiteral("true,Good,\"Some Game (set 1)\",some.zip");
    QTest::newRow("unknown game") << L({u"", u"?", u"[UNKNOWN GAME]", u"foo.7z"})
                                  << QStringLiteral(",?,\"[UNKNOWN GAME]\",foo.7z");
    QTest::newRow("blank and quote") << L({u"a \"b\""}) << QStringLiteral("\"a \"\"b\"\"\"");
    QTest::newRow("empty cells") << L({u"", u"", u"", u""}) << QStringLiteral(",,,");
    QTest::newRow("non-ASCII bare") << L({u"Ms. Pac-Man\u00e9", u"\u30d1\u30c3\u30af"})
                                    << QString::fromUtf16(u"\"Ms. Pac-Man\u00e9\",\u30d1\u30c3\u30af");
    // Cells that used to be written bare and came back changed.
    QTest::newRow("comma") << L({u"a,b.zip"}) << QStringLiteral("\"a,b.zip\"");
    QTest::newRow("tab") << L({u"a\tb"}) << QStringLiteral("\"a\tb\"");
    QTest::newRow("leading quote") << L({u"\"x\""}) << QStringLiteral("\"\"\"x\"\"\"");
    QTest::newRow("inner quote") << L({u"ab\"c"}) << QStringLiteral("\"ab\"\"c\"");
    QTest::newRow("control char") << L({u"a\x01"}) << QStringLiteral("\"a\x01\"");
}

void TestListFile::joinLine() {
    QFETCH(QStringList, cells);
    QFETCH(QString, line);
    QCOMPARE(JoinListLine(cells, Comma), line);
}

void TestListFile::roundTrip_data() {
    QTest::addColumn<QStringList>("cells");

    QTest::newRow("game") << L({u"true", u"Good", u"Pac-Man (Midway, set 2)", u"pacmanf.zip"});
    QTest::newRow("commas") << L({u"", u"?", u"a,b", u"a,b.zip"});
    QTest::newRow("quotes") << L({u"\"", u"\"\"", u"say \"hi\"", u"x\"y"});
    QTest::newRow("leading quote") << L({u"\"quoted\"", u"\"open", u"", u""});
    QTest::newRow("tabs and controls") << L({u"\t", u"a\tb", u"\x01\x1f", u"x\x7fy"});
    QTest::newRow("leading and trailing blanks") << L({u" a", u"b ", u"  ", u" "});
    QTest::newRow("empty cells at both ends") << L({u"", u"", u"x", u""});
    QTest::newRow("non-ASCII") << L({u"\u00e9t\u00e9", u"\u2028", u"\u00a0", u"\U0001F47E.zip"});
    QTest::newRow("NUL") << QStringList{QString(QChar(0)), QStringLiteral("a"), QString(), QString()};
}

void TestListFile::roundTrip() {
    QFETCH(QStringList, cells);
    QCOMPARE(SplitListLine(JoinListLine(cells, Comma), Comma), cells);

    // Through a file too: the encoding and the line ends must not change a cell.
    TGameListModel model;
    model.AppendGame(0, cells[1], cells[2], cells[3]);
    model.SetCell(colFavourite, 1, cells[0]);
    model.AppendGame(1, QStringLiteral("?"), QStringLiteral("Other"), QStringLiteral("other.zip"));
    const QString fileName = Path(QStringLiteral("roundtrip.dat"));
    model.SaveToFile(fileName, Comma);

    TGameListModel loaded;
    loaded.LoadFromFile(fileName, Comma);
    QCOMPARE(loaded.RowCount(), 3);
    QCOMPARE(loaded.ColCount(), 4);
    QCOMPARE(RowOf(loaded, 1), cells);
    QCOMPARE(loaded.Cells(colFileDir, 2), QStringLiteral("other.zip"));
}

void TestListFile::lineBreakInCellKeepsOneLinePerRow() {
    // The reader ends a line at every line break, quoted or not.
    QCOMPARE(JoinListLine(L({u"a\r\nb", u"c"}), Comma), QStringLiteral("\"a  b\",c"));

    TGameListModel model;
    model.AppendGame(0, QStringLiteral("?"), QStringLiteral("Two\nLines"), QStringLiteral("x\ry.zip"));
    const QString fileName = Path(QStringLiteral("linebreak.dat"));
    model.SaveToFile(fileName, Comma);
    TGameListModel loaded;
    loaded.LoadFromFile(fileName, Comma);
    QCOMPARE(loaded.RowCount(), 2);
    QCOMPARE(loaded.ColCount(), 4);
    QCOMPARE(RowOf(loaded, 1), L({u"", u"?", u"Two Lines", u"x y.zip"}));
}

void TestListFile::savedFileIsByteExact() {
    TGameListModel model;
    model.AppendGame(0, QStringLiteral("Good"), QStringLiteral("Some Game (set 1)"),
                     QStringLiteral("some.zip"));
    model.SetCell(colFavourite, 1, QStringLiteral("true"));
    model.AppendGame(1, QStringLiteral("?"), QStringLiteral("[UNKNOWN GAME]"), QStringLiteral("caf\u00e9"));
    model.AppendGame(2, QStringLiteral("Bad"), QString(), QStringLiteral("pacmanf.zip"));
    const QString fileName = Path(QStringLiteral("exact.dat"));
    model.SaveToFile(fileName, Comma);

    QCOMPARE(ReadBytes(fileName), QByteArray(",Status,\"Game Name\",File/Dir\r\n"
                                             "true,Good,\"Some Game (set 1)\",some.zip\r\n"
                                             ",?,\"[UNKNOWN GAME]\",caf\xC3\xA9\r\n"
                                             ",Bad,,pacmanf.zip\r\n"));

    // The empty list, as written after the last game is deleted.
    TGameListModel empty;
    empty.SaveToFile(fileName, Comma);
    QCOMPARE(ReadBytes(fileName), QByteArray(",Status,\"Game Name\",File/Dir\r\n,,,\r\n"));
}

void TestListFile::saveAndLoadKeepEveryCell() {
    TGameListModel model;
    int games = 0;
    for (int i = 0; i < 50; ++i)
        games = model.AppendGame(games, i % 3 ? QStringLiteral("Good") : QStringLiteral("?"),
                                 QStringLiteral("Game %1 (set, \"%2\")").arg(i).arg(i * 7),
                                 QStringLiteral("game%1.zip").arg(i));
    model.SetCell(colFavourite, 17, QStringLiteral("true"));
    model.SetCell(colFileDir, 30, QString()); // content but no File/Dir: kept
    const QString fileName = Path(QStringLiteral("many.dat"));
    model.SaveToFile(fileName, Comma);

    TGameListModel loaded;
    loaded.LoadFromFile(fileName, Comma);
    QCOMPARE(loaded.Rows(), model.Rows());
    QCOMPARE(loaded.GameCount(), 50);
}

void TestListFile::readerTakesBytesInAnyPieces_data() {
    loadEncodingsAndLineEnds_data();
}

void TestListFile::loadEncodingsAndLineEnds_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QStringList>("game1");
    QTest::addColumn<QStringList>("game2");

    const QStringList first = L({u"true", u"Good", u"\u00c9t\u00e9 Game", u"ete.zip"});
    const QStringList second = L({u"", u"?", u"B", u"b.zip"});
    const QByteArray utf8 = QByteArray("h\r\ntrue,Good,\"\xC3\x89t\xC3\xA9 Game\",ete.zip\r\n,?,B,b.zip\r\n");

    QTest::newRow("UTF-8 without mark") << utf8 << first << second;
    QTest::newRow("UTF-8 mark") << (QByteArray("\xEF\xBB\xBF") + utf8) << first << second;
    const QString text = QString::fromUtf8(utf8);
    QByteArray le("\xFF\xFE"), be("\xFE\xFF");
    for (const QChar ch : text) {
        le.append(char(ch.unicode() & 0xFF)).append(char(ch.unicode() >> 8));
        be.append(char(ch.unicode() >> 8)).append(char(ch.unicode() & 0xFF));
    }
    QTest::newRow("UTF-16 LE mark") << le << first << second;
    QTest::newRow("UTF-16 BE mark") << be << first << second;
    QTest::newRow("LF only") << QByteArray(utf8).replace("\r\n", "\n") << first << second;
    QTest::newRow("CR only") << QByteArray(utf8).replace("\r\n", "\r") << first << second;
    QTest::newRow("mixed, last line without ending")
        << QByteArray("h\rtrue,Good,\"\xC3\x89t\xC3\xA9 Game\",ete.zip\n,?,B,b.zip") << first << second;
}

void TestListFile::loadEncodingsAndLineEnds() {
    QFETCH(QByteArray, bytes);
    QFETCH(QStringList, game1);
    QFETCH(QStringList, game2);
    const QString fileName = Path(QStringLiteral("encoded.dat"));
    WriteBytes(fileName, bytes);

    TGameListModel model;
    model.LoadFromFile(fileName, Comma);
    QCOMPARE(model.RowCount(), 3);
    QCOMPARE(model.GameCount(), 2);
    QCOMPARE(model.Cells(0, 0),
             QStringLiteral("h")); // the file's own first line, until the caller sets the header
    QCOMPARE(RowOf(model, 1), game1);
    QCOMPARE(RowOf(model, 2), game2);
}

// The file is read in pieces: a piece may end inside CR LF, a UTF-8 sequence, a UTF-16 unit
// or the byte-order mark, and the rows are those of the whole.
void TestListFile::readerTakesBytesInAnyPieces() {
    QFETCH(QByteArray, bytes);
    QFETCH(QStringList, game1);
    QFETCH(QStringList, game2);
    for (const qsizetype piece : {1, 2, 3, 5}) {
        ListTextReader reader(Comma, 4);
        for (qsizetype at = 0; at < bytes.size(); at += piece)
            reader.Feed(QByteArrayView(bytes).sliced(at, qMin(piece, bytes.size() - at)));
        reader.Finish();
        const std::vector<QStringList> rows = reader.Rows();
        QCOMPARE(rows.size(), size_t(3));
        QCOMPARE(rows[1], game1);
        QCOMPARE(rows[2], game2);
    }
}

void TestListFile::fewerThanTwoLinesGiveEmptyList_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("empty file") << QByteArray();
    QTest::newRow("header with ending") << QByteArray(",Status,\"Game Name\",File/Dir\r\n");
    QTest::newRow("one line without ending") << QByteArray("true,Good,x,y.zip");
    QTest::newRow("header and empty cells") << QByteArray(",Status,\"Game Name\",File/Dir\r\n,,,\r\n");
    QTest::newRow("header and blank lines") << QByteArray("h\r\n\r\n   \r\n\"\"\r\n");
}

void TestListFile::fewerThanTwoLinesGiveEmptyList() {
    QFETCH(QByteArray, bytes);
    const QString fileName = Path(QStringLiteral("short.dat"));
    WriteBytes(fileName, bytes);

    TGameListModel model;
    model.AppendGame(0, QStringLiteral("Good"), QStringLiteral("Left Over"), QStringLiteral("left.zip"));
    model.AppendGame(1, QStringLiteral("Good"), QStringLiteral("Left Over"), QStringLiteral("left2.zip"));
    model.LoadFromFile(fileName, Comma);
    VerifyEmptyList(model);
    QCOMPARE(model.ColCount(), 4);
}

void TestListFile::cellsPastTheFourthAreDropped() {
    // An older version wrote the comma cell bare; a trailing comma adds an empty fifth cell.
    const QString fileName = Path(QStringLiteral("old.dat"));
    WriteBytes(fileName, ",Status,\"Game Name\",File/Dir\r\n"
                         ",?,\"Game A\",a,b.zip\r\n"
                         "true,Good,\"Game B\"\r\n"
                         ",?,Name,x.zip,\r\n");
    TGameListModel model;
    QCOMPARE(model.LoadFromFile(fileName, Comma), 2);
    QCOMPARE(model.ColCount(), 4);
    QCOMPARE(model.columnCount(), 4);
    QCOMPARE(model.Rows()[1], L({u"", u"?", u"Game A", u"a"}));
    QCOMPARE(RowOf(model, 2), L({u"true", u"Good", u"Game B", u""}));
    QCOMPARE(model.Rows()[3], L({u"", u"?", u"Name", u"x.zip"}));

    model.SaveToFile(fileName, Comma);
    QCOMPARE(ReadBytes(fileName), QByteArray(",Status,\"Game Name\",File/Dir\r\n"
                                             ",?,\"Game A\",a\r\n"
                                             "true,Good,\"Game B\",\r\n"
                                             ",?,Name,x.zip\r\n"));
    model.SaveToFile(fileName, Comma);
    QCOMPARE(model.LoadFromFile(fileName, Comma), 0);
}

// One line with 20,000 extra commas among 3,000 games: the next save is the size of the games,
// every game as it was.
void TestListFile::damagedLineDoesNotWidenTheNextSave() {
    QByteArray games;
    for (int i = 0; i < 3000; ++i)
        games += QByteArrayLiteral(",Good,\"Game ") + QByteArray::number(i) + "\",game" +
                 QByteArray::number(i) + ".zip\r\n";
    const QByteArray header(",Status,\"Game Name\",File/Dir\r\n");
    const QString fileName = Path(QStringLiteral("damaged.dat"));
    WriteBytes(fileName, header + games.left(games.indexOf("\r\n")) + QByteArray(20000, ',') +
                             games.mid(games.indexOf("\r\n")));
    TGameListModel model;
    QCOMPARE(model.LoadFromFile(fileName, Comma), 1);
    QCOMPARE(model.GameCount(), 3000);
    model.SetHeaderTexts();
    model.SaveToFile(fileName, Comma);
    QCOMPARE(ReadBytes(fileName), header + games);
}

void TestListFile::blankRowsAreDropped() {
    const QString fileName = Path(QStringLiteral("blanks.dat"));
    WriteBytes(fileName, ",Status,\"Game Name\",File/Dir\r\n"
                         "\r\n"
                         ",?,First,first.zip\r\n"
                         ",,,\r\n"
                         " \t \r\n"
                         ",?,\"No File\",\r\n"
                         ",Good,Last,last.zip\r\n"
                         ",,,");
    TGameListModel model;
    model.LoadFromFile(fileName, Comma);
    QCOMPARE(model.RowCount(), 4);
    QCOMPARE(model.GameCount(), 3);
    QCOMPARE(model.Cells(colGameName, 1), QStringLiteral("First"));
    QCOMPARE(RowOf(model, 2), L({u"", u"?", u"No File", u""}));
    QCOMPARE(model.Cells(colGameName, 3), QStringLiteral("Last"));
}

void TestListFile::loadFailureKeepsGrid() {
    TGameListModel model;
    model.AppendGame(0, QStringLiteral("Good"), QStringLiteral("Kept"), QStringLiteral("kept.zip"));
    const auto before = model.Rows();

    const QString missing = Path(QStringLiteral("missing.dat"));
    QVERIFY_THROWS_EXCEPTION(AppError, model.LoadFromFile(missing, Comma));
    try {
        model.LoadFromFile(missing, Comma);
    } catch (const AppError& error) {
        QVERIFY2(error.message().startsWith(QStringLiteral("Unable to read ") + missing),
                 qPrintable(error.message()));
    }
    QVERIFY(QDir().mkpath(Path(QStringLiteral("adir.dat"))));
    QVERIFY_THROWS_EXCEPTION(AppError, model.LoadFromFile(Path(QStringLiteral("adir.dat")), Comma));
    QCOMPARE(model.Rows(), before);
}

void TestListFile::saveFailureThrowsAndKeepsOldFile() {
    TGameListModel model;
    model.AppendGame(0, QStringLiteral("Good"), QStringLiteral("Game"), QStringLiteral("game.zip"));

    // The folder is a regular file.
    const QString notAFolder = Path(QStringLiteral("plainfile"));
    WriteBytes(notAFolder, "x");
    const QString impossible = notAFolder + QStringLiteral("/Pellmora.DAT");
    try {
        model.SaveToFile(impossible, Comma);
        QFAIL("no error for a file that cannot be written");
    } catch (const AppError& error) {
        QCOMPARE(error.message(), QStringLiteral("Unable to write to ") + impossible);
    }

    // The disk fills up halfway: the old list stays whole and no temporary file remains.
    QTemporaryDir folder;
    const QString fileName = folder.filePath(QStringLiteral("Pellmora.DAT"));
    const QByteArray old(",Status,\"Game Name\",File/Dir\r\n,?,Old,old.zip\r\n");
    WriteBytes(fileName, old);
    int games = model.GameCount();
    for (int i = 0; i < 2000; ++i)
        games = model.AppendGame(games, QStringLiteral("?"), QStringLiteral("Game %1").arg(i),
                                 QStringLiteral("g%1.zip").arg(i));
    {
        const FileSizeLimit limit(4096);
        QVERIFY_THROWS_EXCEPTION(AppError, model.SaveToFile(fileName, Comma));
    }
    QCOMPARE(ReadBytes(fileName), old);
    QCOMPARE(QDir(folder.path()).entryList(QDir::Files), QStringList{QStringLiteral("Pellmora.DAT")});
    QCOMPARE(model.GameCount(), 2001);
}

void TestListFile::badInputDoesNotCrash() {
    const QString fileName = Path(QStringLiteral("bad.dat"));
    TGameListModel model;

    // Garbage bytes with many line breaks.
    QByteArray garbage(1 << 20, Qt::Uninitialized);
    QRandomGenerator random(42);
    for (char& byte : garbage)
        byte = char(random.bounded(256));
    WriteBytes(fileName, garbage);
    model.LoadFromFile(fileName, Comma);
    QVERIFY(model.RowCount() >= 2);
    QVERIFY(model.ColCount() >= 4);
    model.SaveToFile(fileName, Comma);

    // A file of NULs is one line.
    WriteBytes(fileName, QByteArray(1 << 16, '\0'));
    model.LoadFromFile(fileName, Comma);
    VerifyEmptyList(model);

    // A 10 MB line below the header.
    QByteArray longLine(10 << 20, 'x');
    for (qsizetype i = 999; i < longLine.size(); i += 1000)
        longLine[i] = ' ';
    WriteBytes(fileName, QByteArray("h\r\n") + longLine);
    model.LoadFromFile(fileName, Comma);
    QCOMPARE(model.RowCount(), 2);
    // A row keeps four cells however many the line holds.
    QCOMPARE(model.ColCount(), 4);
    QCOMPARE(model.Cells(0, 1), QString(999, QLatin1Char('x')));

    // An unclosed quote swallowing a 10 MB line.
    WriteBytes(fileName, QByteArray("h\r\n\"") + longLine);
    model.LoadFromFile(fileName, Comma);
    QCOMPARE(model.ColCount(), 4);
    QCOMPARE(model.Cells(0, 1).size(), longLine.size());
}

void TestListFile::convertOldLayout() {
    QTemporaryDir folder;
    const QString path = folder.path() + QLatin1Char('/');
    const QByteArray old("GenerelSettings,0\n"
                         "setting 2\r\n"
                         "setting 3\n"
                         "setting 4\n"
                         "setting 5\n"
                         ",Status,\"Game Name\",File/Dir\n"
                         "true,Good,\"Game \xC3\xA9\",game.zip"); // last line without ending
    WriteBytes(path + QStringLiteral("pellmora.dat"), old);
    WriteBytes(path + QStringLiteral("Pellmora.DAT.BAK"), "stale backup");

    ConvertGameListFile(folder.path()); // without the trailing "/"

    QCOMPARE(ReadBytes(path + QStringLiteral("Pellmora.DAT")),
             QByteArray(",Status,\"Game Name\",File/Dir\r\ntrue,Good,\"Game \xC3\xA9\",game.zip\r\n"));
    QCOMPARE(ReadBytes(path + QStringLiteral("Pellmora.DAT.BAK")), old);
    QCOMPARE(QDir(path).entryList(QDir::Files),
             QStringList({QStringLiteral("Pellmora.DAT"), QStringLiteral("Pellmora.DAT.BAK")}));

    // Converted once: the next start leaves it alone.
    ConvertGameListFile(path);
    QCOMPARE(ReadBytes(path + QStringLiteral("Pellmora.DAT.BAK")), old);
}

void TestListFile::convertLeavesOtherFilesUntouched_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("current layout") << QByteArray(",Status,\"Game Name\",File/Dir\r\n,?,A,a.zip\r\n");
    QTest::newRow("other letter case") << QByteArray("generelSettings,0\n2\n3\n4\n5\n6\n7\n");
    QTest::newRow("trailing blank") << QByteArray("GenerelSettings,0 \n2\n3\n4\n5\n6\n7\n");
    QTest::newRow("lone CR ending") << QByteArray("GenerelSettings,0\r2\r3\r4\r5\r6\r7\r");
    QTest::newRow("with mark") << QByteArray("\xEF\xBB\xBFGenerelSettings,0\n2\n3\n4\n5\n6\n7\n");
    QTest::newRow("empty") << QByteArray();
}

void TestListFile::convertLeavesOtherFilesUntouched() {
    QFETCH(QByteArray, bytes);
    QTemporaryDir folder;
    const QString path = folder.path() + QLatin1Char('/');
    WriteBytes(path + QStringLiteral("Pellmora.DAT"), bytes);
    WriteBytes(path + QStringLiteral("Pellmora.~DAT"), "left by a crash");

    ConvertGameListFile(path);

    QCOMPARE(ReadBytes(path + QStringLiteral("Pellmora.DAT")), bytes);
    QCOMPARE(QDir(path).entryList(QDir::Files), QStringList{QStringLiteral("Pellmora.DAT")});
}

void TestListFile::convertWithoutListFileDoesNothing() {
    QTemporaryDir folder;
    ConvertGameListFile(folder.path() + QLatin1Char('/'));
    QVERIFY(QDir(folder.path()).isEmpty());
}

void TestListFile::convertUnreadableListFileThrows() {
    QTemporaryDir folder;
    const QString path = folder.path() + QLatin1Char('/');
    QVERIFY(QDir().mkpath(path + QStringLiteral("Pellmora.DAT")));
    QVERIFY_THROWS_EXCEPTION(AppError, ConvertGameListFile(path));
    QVERIFY(!QFile::exists(path + QStringLiteral("Pellmora.~DAT")));
}

QTEST_GUILESS_MAIN(TestListFile)
#include "tst_listfile.moc"
