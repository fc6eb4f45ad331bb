// The game list grid: its rows and columns, the empty list, and what a QTableView sees.

#include "gamelist/GameListModel.h"

#include <QAbstractItemModelTester>
#include <QSignalSpy>
#include <QtTest>

#include <stdexcept>

namespace {

QStringList RowOf(const TGameListModel& model, int row) {
    QStringList cells;
    for (int col = 0; col < model.ColCount(); ++col)
        cells.append(model.Cells(col, row));
    return cells;
}

const QStringList BlankRow{QString(), QString(), QString(), QString()};

QStringList Game(const char* name) {
    return {QString(), QStringLiteral("?"), QString::fromLatin1(name),
            QString::fromLatin1(name) + QStringLiteral(".zip")};
}

} // namespace

class TestGameListModel : public QObject {
    Q_OBJECT

  private slots:
    void init();
    void startsAsEmptyList();
    void appendFillsBlankRowThenAddsRows();
    void deleteRowMovesRowsUp();
    void deletingOnlyGameLeavesEmptyList();
    void clearAndRowCount();
    void cellsOutsideGridAreEmpty();
    void qtViewSeesGameRows();
    void permuteGameRows();
    void permuteRejectsBadOrder_data();
    void permuteRejectsBadOrder();

  private:
    std::unique_ptr<TGameListModel> model;
    std::unique_ptr<QAbstractItemModelTester> tester;
};

void TestGameListModel::init() {
    model = std::make_unique<TGameListModel>();
    // Checks every signal the model emits against its state, through every test.
    tester = std::make_unique<QAbstractItemModelTester>(
        model.get(), QAbstractItemModelTester::FailureReportingMode::QtTest);
}

void TestGameListModel::startsAsEmptyList() {
    QCOMPARE(model->RowCount(), 2);
    QCOMPARE(model->ColCount(), 4);
    QCOMPARE(model->GameCount(), 0);
    QCOMPARE(RowOf(*model, 0), QStringList({QString(), QStringLiteral("Status"), QStringLiteral("Game Name"),
                                            QStringLiteral("File/Dir")}));
    QCOMPARE(RowOf(*model, 1), BlankRow);
}

void TestGameListModel::appendFillsBlankRowThenAddsRows() {
    QSignalSpy inserted(model.get(), &QAbstractItemModel::rowsInserted);
    QSignalSpy changed(model.get(), &QAbstractItemModel::dataChanged);

    QCOMPARE(model->AppendGame(0, QStringLiteral("?"), QStringLiteral("Alpha"), QStringLiteral("Alpha.zip")),
             1);
    QCOMPARE(model->RowCount(), 2);
    QCOMPARE(model->GameCount(), 1);
    QCOMPARE(RowOf(*model, 1), Game("Alpha"));
    QCOMPARE(inserted.count(), 0);
    QCOMPARE(changed.count(), 1);

    QCOMPARE(model->AppendGame(1, QStringLiteral("?"), QStringLiteral("Beta"), QStringLiteral("Beta.zip")),
             2);
    QCOMPARE(model->RowCount(), 3);
    QCOMPARE(RowOf(*model, 2), Game("Beta"));
    QCOMPARE(inserted.count(), 1);
    QCOMPARE(inserted.at(0).at(1).toInt(), 1); // Qt row of grid row 2

    // The count the caller keeps decides the row, as it always has.
    QCOMPARE(model->AppendGame(4, QStringLiteral("Good"), QStringLiteral("Gamma"), QStringLiteral("g.zip")),
             5);
    QCOMPARE(model->RowCount(), 6);
    QCOMPARE(RowOf(*model, 3), BlankRow);
    QCOMPARE(model->Cells(colStatus, 5), QStringLiteral("Good"));
}

void TestGameListModel::deleteRowMovesRowsUp() {
    int games = 0;
    for (const char* name : {"A", "B", "C"})
        games = model->AppendGame(games, QStringLiteral("?"), QString::fromLatin1(name),
                                  QString::fromLatin1(name) + QStringLiteral(".zip"));
    QSignalSpy removed(model.get(), &QAbstractItemModel::rowsRemoved);
    model->DeleteRow(2);
    QCOMPARE(model->RowCount(), 3);
    QCOMPARE(RowOf(*model, 1), Game("A"));
    QCOMPARE(RowOf(*model, 2), Game("C"));
    QCOMPARE(removed.count(), 1);
    QCOMPARE(removed.at(0).at(1).toInt(), 1);

    // The header row and rows outside the grid are not game rows.
    model->DeleteRow(0);
    model->DeleteRow(3);
    QCOMPARE(model->RowCount(), 3);
    QCOMPARE(model->Cells(colGameName, 0), QStringLiteral("Game Name"));
}

void TestGameListModel::deletingOnlyGameLeavesEmptyList() {
    model->AppendGame(0, QStringLiteral("Good"), QStringLiteral("Only"), QStringLiteral("only.zip"));
    model->SetCell(colFavourite, 1, QStringLiteral("true"));
    model->SetCell(colStatus, 0, QStringLiteral("changed header"));
    model->DeleteRow(1);
    QCOMPARE(model->RowCount(), 2);
    QCOMPARE(model->GameCount(), 0);
    QCOMPARE(RowOf(*model, 1), BlankRow);
    QCOMPARE(model->Cells(colStatus, 0), QStringLiteral("Status"));

    // And a game appended afterwards takes row 1 again.
    model->AppendGame(model->GameCount(), QStringLiteral("?"), QStringLiteral("Next"),
                      QStringLiteral("next.zip"));
    QCOMPARE(model->RowCount(), 2);
    QCOMPARE(model->GameCount(), 1);
}

void TestGameListModel::clearAndRowCount() {
    int games = 0;
    for (const char* name : {"A", "B", "C"})
        games = model->AppendGame(games, QStringLiteral("?"), QString::fromLatin1(name), QString());
    model->Clear();
    QCOMPARE(model->RowCount(), 4);
    for (int row = 0; row < 4; ++row)
        QCOMPARE(RowOf(*model, row), BlankRow);
    QCOMPARE(model->GameCount(), 3);

    model->SetHeaderTexts();
    QCOMPARE(model->Cells(colFileDir, 0), QStringLiteral("File/Dir"));

    model->SetRowCount(0);
    QCOMPARE(model->RowCount(), 2);
    QCOMPARE(model->GameCount(), 0);
    model->SetRowCount(5);
    QCOMPARE(model->RowCount(), 5);
    QCOMPARE(model->GameCount(), 4);

    model->EmptyList();
    QCOMPARE(model->RowCount(), 2);
    QCOMPARE(model->GameCount(), 0);
}

void TestGameListModel::cellsOutsideGridAreEmpty() {
    model->SetCell(4, 1, QStringLiteral("x"));
    model->SetCell(0, 2, QStringLiteral("x"));
    model->SetCell(-1, 0, QStringLiteral("x"));
    QCOMPARE(model->Cells(4, 1), QString());
    QCOMPARE(model->Cells(0, 2), QString());
    QCOMPARE(model->Cells(-1, 0), QString());
    QCOMPARE(model->ColCount(), 4);
    QCOMPARE(model->RowCount(), 2);
}

void TestGameListModel::qtViewSeesGameRows() {
    QCOMPARE(model->rowCount(), 1); // the blank row of the empty list
    model->AppendGame(0, QStringLiteral("Good"), QStringLiteral("Alpha"), QStringLiteral("a.zip"));
    model->AppendGame(1, QStringLiteral("Bad"), QStringLiteral("Beta"), QStringLiteral("b.zip"));
    QCOMPARE(model->rowCount(), 2);
    QCOMPARE(model->columnCount(), 4);
    QCOMPARE(model->data(model->index(1, colGameName)).toString(), QStringLiteral("Beta"));
    QCOMPARE(model->headerData(colGameName, Qt::Horizontal).toString(), QStringLiteral("Game Name"));

    QSignalSpy changed(model.get(), &QAbstractItemModel::dataChanged);
    QSignalSpy header(model.get(), &QAbstractItemModel::headerDataChanged);
    model->SetCell(colStatus, 2, QStringLiteral("?"));
    QCOMPARE(changed.count(), 1);
    QCOMPARE(changed.at(0).at(0).toModelIndex(), model->index(1, colStatus));
    model->SetCell(colStatus, 0, QStringLiteral("State"));
    QCOMPARE(header.count(), 1);
    QCOMPARE(model->headerData(colStatus, Qt::Horizontal).toString(), QStringLiteral("State"));
}

void TestGameListModel::permuteGameRows() {
    int games = 0;
    for (const char* name : {"A", "B", "C", "D"})
        games = model->AppendGame(games, QStringLiteral("?"), QString::fromLatin1(name),
                                  QString::fromLatin1(name) + QStringLiteral(".zip"));
    const QPersistentModelIndex selected = model->index(1, colGameName); // grid row 2, "B"

    model->PermuteGameRows({4, 2, 1, 3});
    QCOMPARE(model->Cells(colGameName, 0), QStringLiteral("Game Name"));
    QCOMPARE(model->Cells(colGameName, 1), QStringLiteral("D"));
    QCOMPARE(model->Cells(colGameName, 2), QStringLiteral("B"));
    QCOMPARE(model->Cells(colGameName, 3), QStringLiteral("A"));
    QCOMPARE(model->Cells(colGameName, 4), QStringLiteral("C"));
    QCOMPARE(model->Cells(colFileDir, 4), QStringLiteral("C.zip"));
    QCOMPARE(selected.data().toString(), QStringLiteral("B"));

    const QPersistentModelIndex first = model->index(0, colGameName); // "D"
    model->PermuteGameRows({3, 1, 4, 2});
    QCOMPARE(first.row(), 1);
    QCOMPARE(first.data().toString(), QStringLiteral("D"));
}

void TestGameListModel::permuteRejectsBadOrder_data() {
    QTest::addColumn<std::vector<int>>("order");
    QTest::newRow("too short") << std::vector<int>{1, 2};
    QTest::newRow("header row") << std::vector<int>{0, 1, 2};
    QTest::newRow("beyond the grid") << std::vector<int>{1, 2, 4};
    QTest::newRow("twice") << std::vector<int>{1, 1, 2};
}

void TestGameListModel::permuteRejectsBadOrder() {
    QFETCH(std::vector<int>, order);
    int games = 0;
    for (const char* name : {"A", "B", "C"})
        games = model->AppendGame(games, QStringLiteral("?"), QString::fromLatin1(name), QString());
    const auto before = model->Rows();
    QVERIFY_THROWS_EXCEPTION(std::invalid_argument, model->PermuteGameRows(order));
    QCOMPARE(model->Rows(), before);
}

QTEST_GUILESS_MAIN(TestGameListModel)
#include "tst_gamelistmodel.moc"
