// The grid on its own: header clicks and the arrow, the current game kept through a sort,
// the events it raises for keys and the mouse, the Favourite cell's hit area, and the
// colours it draws.

#include "gamelist/GameListModel.h"
#include "gamelist/gui/GameListDelegate.h"
#include "gamelist/gui/TSortGrid.h"
#include "support/WindowRules.h"

#include <QHeaderView>
#include <QStyleOptionHeader>
#include <QtTest>

#include <memory>

namespace {

struct Grid {
    TGameListModel list;
    TSortGrid grid;
    QList<int> selected;
    QList<TSortOptions> clickSorts;

    explicit Grid(const QList<QStringList>& games) {
        int count = 0;
        for (const QStringList& game : games) {
            count = list.AppendGame(count, game.value(1), game.value(2), game.value(3));
            list.SetCell(colFavourite, count, game.value(0));
        }
        list.SetHeaderTexts();
        grid.setModel(&list);
        grid.SetColumnWidths();
        grid.resize(377, 259);
        grid.OnSelectCell = [this](int row) { selected.append(row); };
        grid.OnClickSort = [this](int, int, TSortOptions& options) { clickSorts.append(options); };
        grid.show();
        QVERIFY(QTest::qWaitForWindowExposed(&grid));
    }

    QString NameAt(int row) const { return list.Cells(colGameName, row); }
    QPoint HeaderPoint(int col) const {
        const QHeaderView* header = grid.horizontalHeader();
        return QPoint(header->sectionViewportPosition(col) + header->sectionSize(col) / 2,
                      header->height() / 2);
    }
    void ClickHeader(int col, Qt::MouseButton button = Qt::LeftButton, Qt::KeyboardModifiers keys = {}) {
        QTest::mouseClick(grid.horizontalHeader()->viewport(), button, keys, HeaderPoint(col));
    }
    // The arrow the header draws in a column: up, down or none.
    QStyleOptionHeader::SortIndicator ArrowOf(int col) const {
        auto* header = dynamic_cast<TSortGridHeader*>(grid.horizontalHeader());
        if (!header)
            return QStyleOptionHeader::None;
        QStyleOptionHeader option;
        header->initStyleOptionForIndex(&option, col);
        return option.sortIndicator;
    }
    // No filter is on: grid row r is the grid's row r - 1.
    QRect CellRect(int col, int row) const { return grid.visualRect(grid.model()->index(row - 1, col)); }
    QColor PixelAt(QPoint point) { return grid.viewport()->grab().toImage().pixelColor(point); }
};

QStringList Game(const char* fav, const char* status, const char* name) {
    const QString n = QString::fromUtf8(name);
    return {QString::fromUtf8(fav), QString::fromUtf8(status), n, n.toLower() + QStringLiteral(".zip")};
}

const QList<QStringList> ThreeGames{Game("", "Good", "Xevious"), Game("true", "?", "Galaga"),
                                    Game("", "Bad", "Pac-Man")};

} // namespace

class TestSortGrid : public QObject {
    Q_OBJECT
  private slots:
    void cleanup() { VerifyNoWindowLeftOpen(); }
    void headerClickSortsKeepingTheCurrentGame();
    void headerClickOptionsFollowTheButton();
    void heldKeyResizeOrReleaseOffTheHeaderIsNoClick();
    void oneGameIsNeverSorted();
    void keysReachTheOwnerThenTheGrid();
    void everyPressIsReportedEvenInADoubleClick();
    void favouriteCellHitArea();
    void statusColoursAndFavouriteBox();
    void statusTextReadsOnTheHighlightedRow();
};

void TestSortGrid::headerClickSortsKeepingTheCurrentGame() {
    Grid g(ThreeGames);
    g.grid.SetRow(3); // Pac-Man
    g.selected.clear();
    QCOMPARE(g.grid.SortedColumn(), -1);
    g.ClickHeader(colGameName);
    QCOMPARE(g.clickSorts.size(), 1);
    QCOMPARE(g.NameAt(1), QStringLiteral("Galaga"));
    QCOMPARE(g.NameAt(3), QStringLiteral("Xevious"));
    QCOMPARE(g.grid.Row(), 2);
    QCOMPARE(g.NameAt(g.grid.Row()), QStringLiteral("Pac-Man"));
    QCOMPARE(g.selected, QList<int>{2});
    QCOMPARE(g.grid.SortedColumn(), colGameName);
    QVERIFY(g.grid.horizontalHeader()->isSortIndicatorShown());
    QCOMPARE(g.grid.horizontalHeader()->sortIndicatorSection(), colGameName);
    QCOMPARE(g.grid.horizontalHeader()->sortIndicatorOrder(), Qt::AscendingOrder);
    QCOMPARE(g.ArrowOf(colGameName), QStyleOptionHeader::SortUp);
    QCOMPARE(g.ArrowOf(colStatus), QStyleOptionHeader::None);
}

void TestSortGrid::headerClickOptionsFollowTheButton() {
    Grid g(ThreeGames);
    g.ClickHeader(colStatus, Qt::RightButton);
    QCOMPARE(g.clickSorts.size(), 1);
    QCOMPARE(g.clickSorts[0].SortDirection, sdDescending);
    QCOMPARE(g.clickSorts[0].SortStyle, ssAutomatic);
    QCOMPARE(g.NameAt(1), QStringLiteral("Xevious")); // GOOD first when descending
    QCOMPARE(g.grid.horizontalHeader()->sortIndicatorOrder(), Qt::DescendingOrder);
    QCOMPARE(g.ArrowOf(colStatus), QStyleOptionHeader::SortDown);
    // The owner's options are the ones sorted with.
    g.grid.OnClickSort = [](int, int, TSortOptions& options) { options.SortDirection = sdAscending; };
    g.ClickHeader(colStatus, Qt::RightButton);
    QCOMPARE(g.NameAt(1), QStringLiteral("Galaga")); // "?" first
}

void TestSortGrid::heldKeyResizeOrReleaseOffTheHeaderIsNoClick() {
    Grid g(ThreeGames);
    for (const Qt::KeyboardModifier key : {Qt::ShiftModifier, Qt::ControlModifier, Qt::AltModifier})
        g.ClickHeader(colGameName, Qt::LeftButton, key);
    QCOMPARE(g.clickSorts.size(), 0);

    // A drag on the border between two columns resizes the first and sorts nothing.
    QWidget* header = g.grid.horizontalHeader()->viewport();
    const QPoint border(g.grid.horizontalHeader()->sectionViewportPosition(colStatus) +
                            g.grid.horizontalHeader()->sectionSize(colStatus) - 1,
                        g.HeaderPoint(colStatus).y());
    QTest::mousePress(header, Qt::LeftButton, {}, border);
    QMouseEvent move(QEvent::MouseMove, border + QPoint(20, 0), header->mapToGlobal(border + QPoint(20, 0)),
                     Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(header, &move);
    QTest::mouseRelease(header, Qt::LeftButton, {}, border + QPoint(20, 0));
    QVERIFY(g.grid.columnWidth(colStatus) > 39);
    QCOMPARE(g.clickSorts.size(), 0);

    // Pressed on the header, let go over the rows.
    QTest::mousePress(header, Qt::LeftButton, {}, g.HeaderPoint(colGameName));
    QTest::mouseRelease(header, Qt::LeftButton, {},
                        g.HeaderPoint(colGameName) + QPoint(0, header->height() + 20));
    QCOMPARE(g.clickSorts.size(), 0);
    QCOMPARE(g.grid.SortedColumn(), -1);
}

void TestSortGrid::oneGameIsNeverSorted() {
    Grid g({Game("", "Good", "Pong")});
    g.ClickHeader(colGameName);
    QCOMPARE(g.clickSorts.size(), 1); // the owner still hears of it
    QCOMPARE(g.grid.SortedColumn(), -1);
    QVERIFY(!g.grid.horizontalHeader()->isSortIndicatorShown());
}

void TestSortGrid::keysReachTheOwnerThenTheGrid() {
    Grid g(ThreeGames);
    g.grid.setFocus();
    g.grid.SetRow(1);
    QList<int> keys;
    g.grid.OnKeyDown = [&keys](QKeyEvent* event) { keys.append(event->key()); };
    QTest::keyClick(&g.grid, Qt::Key_Down);
    QCOMPARE(keys, QList<int>{Qt::Key_Down});
    QCOMPARE(g.grid.Row(), 2);
    // A letter moves nothing by itself: the owner's jump decides.
    QTest::keyClick(&g.grid, Qt::Key_X);
    QCOMPARE(g.grid.Row(), 2);
    QCOMPARE(keys.size(), 2);
}

void TestSortGrid::everyPressIsReportedEvenInADoubleClick() {
    Grid g(ThreeGames);
    QList<int> rowsAtPress;
    g.grid.OnMouseDown = [&](const QMouseEvent* event) {
        if (event->button() == Qt::LeftButton)
            rowsAtPress.append(g.grid.Row());
    };
    const QPoint cell = g.CellRect(colGameName, 3).center();
    // What a widget sees of a double click: press, release, double click, release.
    QTest::mouseClick(g.grid.viewport(), Qt::LeftButton, {}, cell);
    QTest::mouseDClick(g.grid.viewport(), Qt::LeftButton, {}, cell);
    QTest::mouseRelease(g.grid.viewport(), Qt::LeftButton, {}, cell);
    // The pressed row is current before the owner hears of each press.
    QCOMPARE(rowsAtPress, (QList<int>{3, 3}));
}

void TestSortGrid::favouriteCellHitArea() {
    Grid g(ThreeGames);
    const QRect cell = g.CellRect(colFavourite, 2);
    QCOMPARE(g.grid.FavouriteCellAt(cell.center()), 2);
    QCOMPARE(g.grid.FavouriteCellAt(QPoint(cell.right(), cell.center().y())), 2);
    // The grid line after the cell belongs to it; the next pixel is the Status cell.
    QCOMPARE(g.grid.FavouriteCellAt(QPoint(cell.right() + 1, cell.center().y())), 2);
    QCOMPARE(g.grid.FavouriteCellAt(QPoint(g.CellRect(colStatus, 2).left(), cell.center().y())), 0);
    QCOMPARE(g.grid.FavouriteCellAt(g.CellRect(colGameName, 2).center()), 0);
    QCOMPARE(g.grid.FavouriteCellAt(QPoint(cell.center().x(), g.CellRect(colFavourite, 3).bottom() + 5)), 0);

    QList<QPoint> clicks;
    g.grid.OnClick = [&clicks](QPoint position) { clicks.append(position); };
    QTest::mouseClick(g.grid.viewport(), Qt::LeftButton, {}, cell.center());
    QCOMPARE(clicks, QList<QPoint>{cell.center()});
}

void TestSortGrid::statusColoursAndFavouriteBox() {
    Grid g({Game("true", "Good", "A"), Game("", "Bad", "B"), Game("", "?", "C"), Game("", "good", "D")});
    g.grid.SetRow(1);
    const auto inside = [&g](int col, int row) {
        const QRect cell = g.CellRect(col, row);
        return QPoint(cell.right() - 2, cell.bottom() - 2); // clear of the text
    };
    QCOMPARE(g.PixelAt(inside(colStatus, 1)), QColor(0, 134, 67)); // on the highlighted row too
    QCOMPARE(g.PixelAt(inside(colStatus, 2)), QColor(255, 99, 99));
    QCOMPARE(g.PixelAt(inside(colStatus, 3)), QColor(205, 205, 68));
    QVERIFY(!GameListDelegate::StatusColour(QStringLiteral("good")).isValid());
    QCOMPARE(g.PixelAt(inside(colStatus, 4)), g.grid.palette().color(QPalette::Base));
    // The Favourite cell is white even on the highlighted row, with the box 1 pixel in.
    const QRect fav = g.CellRect(colFavourite, 1);
    QCOMPARE(g.PixelAt(QPoint(fav.left(), fav.top())), QColor(Qt::white));
    QVERIFY(g.PixelAt(QPoint(fav.left() + 1, fav.center().y())) != QColor(Qt::white));
}

void TestSortGrid::statusTextReadsOnTheHighlightedRow() {
    Grid g({Game("", "Good", "A"), Game("", "?", "B")});
    // The darkest and the lightest pixel of a row's Status cell (the text is the odd one out).
    const auto extremes = [&g](int row) {
        const QImage image = g.grid.viewport()->grab().toImage();
        const QRect cell = g.CellRect(colStatus, row).intersected(image.rect());
        int darkest = 255, lightest = 0;
        for (int y = cell.top(); y <= cell.bottom(); ++y) {
            for (int x = cell.left(); x <= cell.right(); ++x) {
                const int grey = qGray(image.pixel(x, y));
                darkest = qMin(darkest, grey);
                lightest = qMax(lightest, grey);
            }
        }
        return std::pair{darkest, lightest};
    };
    const QColor highlightedText = g.grid.palette().color(QPalette::HighlightedText);
    QVERIFY(qGray(highlightedText.rgb()) > 200); // the check below assumes light highlighted text
    g.grid.SetRow(1);
    QVERIFY(extremes(1).second > 200); // light text on green, as the grid chose
    g.grid.SetRow(2);
    QVERIFY(extremes(2).first < 80); // dark text on yellow: white would not read there
}

QTEST_MAIN(TestSortGrid)
#include "tst_sortgrid.moc"
