// A game row as values: the cells' texts in both directions, the model's typed access, and
// real list files written back byte for byte through it.

#include "gamelist/GameListModel.h"
#include "gamelist/ListFileCodec.h"
#include "support/FileBytes.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

namespace {

const QChar Comma = QLatin1Char(',');

QString ListFixtures() {
    return qEnvironmentVariable("PELLMORA_FIXTURES") + QStringLiteral("/lists");
}

} // namespace

class TestGameRow : public QObject {
    Q_OBJECT
  private slots:
    void statusTexts();
    void favouriteRule_data();
    void favouriteRule();
    void realFilesWriteBackUnchanged_data();
    void realFilesWriteBackUnchanged();
    void settersRewriteOnlyWhatChangesMeaning();
    void appendedGameHasItsValues();
};

void TestGameRow::statusTexts() {
    for (const GameStatus status : {GameStatus::None, GameStatus::Good, GameStatus::Bad, GameStatus::Unknown})
        QCOMPARE(StatusOfText(StatusText(status)), status);
    // The file's texts are compared exactly, as the drawing and the random draw always did.
    for (const char* other : {"good", "BAD", " ?", "DELETE", "Unknown"})
        QCOMPARE(StatusOfText(QString::fromLatin1(other)), GameStatus::None);
}

void TestGameRow::favouriteRule_data() {
    QTest::addColumn<QString>("cell");
    QTest::addColumn<bool>("favourite");
    QTest::newRow("written by the program") << QStringLiteral("true") << true;
    QTest::newRow("capitals") << QStringLiteral("TRUE") << true;
    QTest::newRow("mixed") << QStringLiteral("True") << true;
    QTest::newRow("empty") << QString() << false;
    // Shown unchecked, so the click and the command must both take it as no mark.
    QTest::newRow("other text") << QStringLiteral("yes") << false;
    QTest::newRow("false") << QStringLiteral("false") << false;
}

void TestGameRow::favouriteRule() {
    QFETCH(QString, cell);
    QFETCH(bool, favourite);
    QCOMPARE(IsFavouriteText(cell), favourite);
    QCOMPARE(GameRowOfCells({cell, QStringLiteral("Good"), QStringLiteral("N"), QStringLiteral("n.zip")})
                 .favourite,
             favourite);
}

void TestGameRow::realFilesWriteBackUnchanged_data() {
    QTest::addColumn<QString>("fileName");
    const QDir fixtures(ListFixtures());
    const QStringList files = fixtures.entryList({QStringLiteral("*.DAT")}, QDir::Files, QDir::Name);
    QVERIFY2(!files.isEmpty(), qPrintable(fixtures.path()));
    for (const QString& name : files)
        QTest::newRow(qPrintable(name)) << fixtures.filePath(name);
}

// Every game read as values and written back through the model: the file keeps every byte.
void TestGameRow::realFilesWriteBackUnchanged() {
    QFETCH(QString, fileName);
    TGameListModel model;
    model.LoadFromFile(fileName, Comma);
    model.SetHeaderTexts();
    for (int row = 1; row < model.RowCount(); ++row) {
        const GameRow game = model.Game(row);
        QCOMPARE(GameRowOfCells(GameRowCells(game)), game);
        model.SetGame(row, game);
    }
    QTemporaryDir dir;
    const QString saved = dir.filePath(QStringLiteral("Pellmora.DAT"));
    model.SaveToFile(saved, Comma);
    QCOMPARE(ReadBytes(saved), ReadBytes(fileName));
}

void TestGameRow::settersRewriteOnlyWhatChangesMeaning() {
    TGameListModel model;
    model.AppendGame(0, QStringLiteral("Was"), QStringLiteral("Galaga"), QStringLiteral("galaga.zip"));
    model.SetCell(colFavourite, 1, QStringLiteral("TRUE"));

    const GameRow read = model.Game(1);
    QCOMPARE(read, (GameRow{true, GameStatus::None, QStringLiteral("Galaga"), QStringLiteral("galaga.zip")}));
    model.SetGame(1, read);
    QCOMPARE(model.Cells(colFavourite, 1), QStringLiteral("TRUE"));
    QCOMPARE(model.Cells(colStatus, 1), QStringLiteral("Was"));

    model.SetStatus(1, GameStatus::Good);
    model.SetFavourite(1, false);
    model.SetGameName(1, QStringLiteral("Galaga (Namco rev. B)"));
    model.SetFileDir(1, QStringLiteral("galaga"));
    QCOMPARE(model.Rows()[1],
             (QStringList{QString(), QStringLiteral("Good"), QStringLiteral("Galaga (Namco rev. B)"),
                          QStringLiteral("galaga")}));
    model.SetFavourite(1, true);
    QCOMPARE(model.Cells(colFavourite, 1), QStringLiteral("true"));

    // The header row and rows past the end are no games.
    model.SetStatus(0, GameStatus::Bad);
    model.SetFavourite(2, true);
    QCOMPARE(model.Cells(colStatus, 0), QStringLiteral("Status"));
    QCOMPARE(model.RowCount(), 2);
    QCOMPARE(model.Game(0), GameRow{});
    QCOMPARE(model.Game(2), GameRow{});
}

void TestGameRow::appendedGameHasItsValues() {
    TGameListModel model;
    const GameRow game{true, GameStatus::Unknown, UnknownGameName(), QStringLiteral("x.zip")};
    QCOMPARE(model.AppendGame(0, game), 1);
    QCOMPARE(model.Game(1), game);
    QCOMPARE(model.Rows()[1], (QStringList{QStringLiteral("true"), QStringLiteral("?"),
                                           QStringLiteral("[UNKNOWN GAME]"), QStringLiteral("x.zip")}));
}

QTEST_GUILESS_MAIN(TestGameRow)
#include "tst_gamerow.moc"
