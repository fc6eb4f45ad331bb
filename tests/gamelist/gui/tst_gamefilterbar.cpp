// The filter above the grid in the main window: words typed, the views, the count, and the
// commands that keep working on the rows shown or on the whole list.

#include "gamelist/GameListModel.h"
#include "gamelist/ListFileCodec.h"
#include "gamelist/gui/GameFilterBar.h"
#include "gamelist/gui/TSortGrid.h"
#include "mainwindow/gui/TForm1.h"
#include "support/ListWindow.h"
#include "support/WindowRules.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QToolButton>
#include <QtTest>

namespace {

const QByteArray Games = ",Good,\"Galaga (Namco rev. B)\",galaga.zip\r\n"
                         "true,Good,\"Ms. Pac-Man\",mspacman.zip\r\n"
                         ",?,\"Pac-Man (Midway)\",puckman.zip\r\n"
                         "true,Bad,\"Dig Dug\",digdug.zip\r\n"
                         ",Good,\"[UNKNOWN GAME]\",mystery.zip\r\n"
                         "true,?,\"Xevious\",xevious.zip\r\n";

const QString kVerifyAllQuestion =
    QStringLiteral("Verifying unknown games may take some time to complete.\n"
                   "Do you want to ignore verifying [UNKNOWN] games or verify ALL games?");

struct FilterWindow : ListWindow {
    explicit FilterWindow(const QByteArray& rows = Games, const QStringList& settings = {})
        : ListWindow(rows, settings) {}
    TGameFilterBar& Bar() const { return *form->Ui().FilterBar; }
    // The Game Names the grid shows, top to bottom.
    QStringList Shown() const {
        QStringList names;
        const QAbstractItemModel* model = Grid().model();
        for (int r = 0; r < model->rowCount(); ++r)
            names << model->index(r, colGameName).data().toString();
        return names;
    }
    void Type(const QString& text) const {
        Bar().FilterEdit->setFocus();
        QTest::keyClicks(Bar().FilterEdit, text);
    }
    void ChooseView(const QString& name) const {
        const int index = Bar().GameViewBox->findText(name);
        QVERIFY2(index >= 0, qPrintable(name));
        Bar().GameViewBox->setCurrentIndex(index);
    }
    QString Count() const { return Bar().FilterCountLabel->text(); }
};

QStringList Names(std::initializer_list<const char*> names) {
    QStringList list;
    for (const char* name : names)
        list << QString::fromUtf8(name);
    return list;
}

QStringList Sorted(QStringList names) {
    names.sort();
    return names;
}

} // namespace

class TestGameFilterBar : public QObject {
    Q_OBJECT
  private slots:
    void cleanup();
    void typedWordsNarrowAtEachKey();
    void views_data();
    void views();
    void selectionKeptOrMovedToTheFirstShownRow();
    void emptyResultLeavesNoRowToActOn();
    void searchJumpAndRandomStayAmongTheRowsShown();
    void verifyAllVerifiesHiddenRowsToo();
    void viewIsRemembered();
};

void TestGameFilterBar::cleanup() {
    QTRY_VERIFY(!QApplication::activeModalWidget());
    VerifyNoWindowLeftOpen();
}

void TestGameFilterBar::typedWordsNarrowAtEachKey() {
    FilterWindow w;
    QCOMPARE(w.Count(), QStringLiteral("6 of 6"));
    w.Type(QStringLiteral("pa"));
    QCOMPARE(Sorted(w.Shown()),
             (QStringList{QStringLiteral("Ms. Pac-Man"), QStringLiteral("Pac-Man (Midway)")}));
    QCOMPARE(w.Count(), QStringLiteral("2 of 6"));
    // Capitals, a second word, and a word found only in File/Dir.
    w.Type(QStringLiteral("C MIDWAY"));
    QCOMPARE(w.Shown(), QStringList{QStringLiteral("Pac-Man (Midway)")});
    w.Bar().FilterEdit->clear();
    w.Type(QStringLiteral("puck"));
    QCOMPARE(w.Shown(), QStringList{QStringLiteral("Pac-Man (Midway)")});
    QCOMPARE(w.Count(), QStringLiteral("1 of 6"));
    // Escape shows every row again, and so does the clear button.
    QTest::keyClick(w.Bar().FilterEdit, Qt::Key_Escape);
    QCOMPARE(w.Bar().FilterEdit->text(), QString());
    QCOMPARE(w.Shown().size(), 6);
    w.Type(QStringLiteral("dig"));
    QCOMPARE(w.Shown().size(), 1);
    auto* clearButton = w.Bar().FilterEdit->findChild<QToolButton*>();
    QVERIFY(clearButton);
    QTest::mouseClick(clearButton, Qt::LeftButton);
    QCOMPARE(w.Shown().size(), 6);
    QCOMPARE(w.Count(), QStringLiteral("6 of 6"));
    // The list file is never touched by the filter.
    QCOMPARE(w.ListFile().count("\r\n"), 7);
}

void TestGameFilterBar::views_data() {
    QTest::addColumn<QString>("view");
    QTest::addColumn<QString>("words");
    QTest::addColumn<QStringList>("shown");
    QTest::newRow("all games") << QStringLiteral("All games") << QString()
                               << Names({"Dig Dug", "Galaga (Namco rev. B)", "Ms. Pac-Man",
                                         "Pac-Man (Midway)", "Xevious", "[UNKNOWN GAME]"});
    QTest::newRow("favourites") << QStringLiteral("Favourites") << QString()
                                << Names({"Dig Dug", "Ms. Pac-Man", "Xevious"});
    QTest::newRow("good") << QStringLiteral("Good") << QString()
                          << Names({"Galaga (Namco rev. B)", "Ms. Pac-Man", "[UNKNOWN GAME]"});
    QTest::newRow("bad") << QStringLiteral("Bad") << QString() << Names({"Dig Dug"});
    QTest::newRow("not verified") << QStringLiteral("Not verified (\"?\")") << QString()
                                  << Names({"Pac-Man (Midway)", "Xevious"});
    QTest::newRow("unknown games") << QStringLiteral("Unknown games") << QString()
                                   << Names({"[UNKNOWN GAME]"});
    QTest::newRow("view and words") << QStringLiteral("Favourites") << QStringLiteral("man")
                                    << Names({"Ms. Pac-Man"});
    QTest::newRow("view and a word of another kind")
        << QStringLiteral("Good") << QStringLiteral("xevious") << QStringList{};
}

void TestGameFilterBar::views() {
    QFETCH(QString, view);
    QFETCH(QString, words);
    QFETCH(QStringList, shown);
    FilterWindow w;
    w.ChooseView(view);
    w.Type(words);
    QCOMPARE(Sorted(w.Shown()), Sorted(shown));
    QCOMPARE(w.Count(), QString::number(shown.size()) + QStringLiteral(" of 6"));
    // Sorting works on the rows shown as on the whole list: each header click reverses them.
    if (shown.size() > 1) {
        const QStringList before = w.Shown();
        w.ClickHeader(colGameName);
        QStringList reversed = before;
        std::reverse(reversed.begin(), reversed.end());
        QCOMPARE(w.Shown(), reversed);
    }
}

void TestGameFilterBar::selectionKeptOrMovedToTheFirstShownRow() {
    FilterWindow w;
    QSignalSpy rowChanges(&w.form->Context().Events, &TWindowEvents::gridRowChanged);
    QVERIFY(w.SelectGame(QStringLiteral("Pac-Man (Midway)")));
    rowChanges.clear();
    w.Type(QStringLiteral("pac"));
    QCOMPARE(w.CurrentName(), QStringLiteral("Pac-Man (Midway)"));
    QCOMPARE(rowChanges.size(), 0);
    // Still shown in the view: kept. Hidden by it: the first row shown takes its place, and
    // its snapshot is asked for.
    w.ChooseView(QStringLiteral("Not verified (\"?\")"));
    QCOMPARE(w.CurrentName(), QStringLiteral("Pac-Man (Midway)"));
    w.ChooseView(QStringLiteral("Favourites"));
    QCOMPARE(w.CurrentName(), QStringLiteral("Ms. Pac-Man"));
    QCOMPARE(w.Grid().currentIndex().row(), 0);
    QCOMPARE(rowChanges.size(), 1);
    QCOMPARE(rowChanges.last().at(0).toInt(), w.Grid().Row());
    // A game leaving the view (its mark cleared) leaves the grid; the file keeps it.
    w.form->Context().RunCommand(TCommand::FavouriteGame);
    QCOMPARE(w.Shown(), QStringList{});
    QVERIFY(w.ListFile().contains("\r\n,Good,\"Ms. Pac-Man\",mspacman.zip\r\n"));
    QCOMPARE(w.Count(), QStringLiteral("0 of 6"));
}

void TestGameFilterBar::emptyResultLeavesNoRowToActOn() {
    FilterWindow w;
    w.putGame(QStringLiteral("galaga.zip"));
    const QByteArray file = w.ListFile();
    w.Type(QStringLiteral("zzz"));
    QCOMPARE(w.Shown(), QStringList{});
    QCOMPARE(w.Count(), QStringLiteral("0 of 6"));
    QCOMPARE(w.Grid().Row(), 0);
    // No row: the commands on the selected game find none and do nothing.
    for (TCommand command : {TCommand::PlayGame, TCommand::FavouriteGame, TCommand::DeleteGame,
                             TCommand::RenameGame, TCommand::ChangeStatus})
        w.form->Context().RunCommand(command);
    QCOMPARE(w.dialogs.records().size(), 0);
    QVERIFY(w.runsOf(QStringLiteral("galaga.zip")).isEmpty());
    QCOMPARE(w.ListFile(), file);
}

void TestGameFilterBar::searchJumpAndRandomStayAmongTheRowsShown() {
    FilterWindow w;
    w.ChooseView(QStringLiteral("Favourites"));
    QVERIFY(w.SelectGame(QStringLiteral("Dig Dug")));
    // Search: the next row holding "pac" after Ms. Pac-Man is Pac-Man (Midway), which the
    // view hides.
    w.form->Ui().SearchEdit->setText(QStringLiteral("pac"));
    QTest::mouseClick(w.form->Ui().SearchGameBitBtn, Qt::LeftButton);
    QCOMPARE(w.CurrentName(), QStringLiteral("Ms. Pac-Man"));
    w.dialogs.expectMessage("End of search reached.", mrNo);
    QTest::mouseClick(w.form->Ui().SearchGameBitBtn, Qt::LeftButton);
    QCOMPARE(w.CurrentName(), QStringLiteral("Ms. Pac-Man"));
    // The first-letter jump: G names no favourite; X does.
    w.Grid().setFocus();
    QTest::keyClick(&w.Grid(), Qt::Key_G);
    QCOMPARE(w.CurrentName(), QStringLiteral("Ms. Pac-Man"));
    QTest::keyClick(&w.Grid(), Qt::Key_X);
    QCOMPARE(w.CurrentName(), QStringLiteral("Xevious"));
    // Random: among the favourites only Ms. Pac-Man may be drawn (Dig Dug is bad, Xevious
    // unverified), though Galaga and the unknown game are good too.
    QStringList played;
    w.form->Context().Register(TCommand::PlayGame, [&] { played << w.CurrentName(); });
    w.form->Context().RunCommand(TCommand::PlayRandomGame);
    QCOMPARE(played, QStringList{QStringLiteral("Ms. Pac-Man")});
    w.ChooseView(QStringLiteral("Bad"));
    w.dialogs.expectMessage("No games to choose from.", mrOk);
    w.form->Context().RunCommand(TCommand::PlayRandomGame);
    QCOMPARE(played.size(), 1);
}

void TestGameFilterBar::verifyAllVerifiesHiddenRowsToo() {
    FilterWindow w;
    for (const char* file :
         {"galaga.zip", "mspacman.zip", "puckman.zip", "digdug.zip", "mystery.zip", "xevious.zip"})
        w.putGame(QString::fromLatin1(file));
    w.ChooseView(QStringLiteral("Favourites"));
    w.Type(QStringLiteral("xevious"));
    QStringList texts;
    QTimer watch;
    QObject::connect(&watch, &QTimer::timeout, &watch, [&] {
        const QString text = w.form->Ui().StatusHintPanel->text();
        if (text.startsWith(QStringLiteral("Verifying all games")) && !texts.contains(text))
            texts << text;
    });
    watch.start(0);
    w.dialogs.expectMessage(kVerifyAllQuestion, mrAll);
    CloseViewerWhenShown();
    w.form->Context().RunCommand(TCommand::VerifyAllGames);
    watch.stop();
    // Every row was verified, the hidden ones too.
    QStringList verified = w.verifyRuns().join(u' ').split(u' ');
    verified.removeDuplicates();
    QCOMPARE(Sorted(verified), (Names({"digdug", "galaga", "mspacman", "mystery", "puckman", "xevious"})));
    QVERIFY(!texts.isEmpty());
    for (const QString& text : std::as_const(texts))
        QVERIFY2(text.endsWith(QStringLiteral("% Complete (including 5 games the filter hides)")),
                 qPrintable(text));
}

void TestGameFilterBar::viewIsRemembered() {
    {
        FilterWindow w;
        QCOMPARE(w.Bar().GameViewBox->currentText(), QStringLiteral("All games"));
        QCOMPARE(w.Setting(QStringLiteral("GameView")), -1);
        w.ChooseView(QStringLiteral("Good"));
        QCOMPARE(w.Setting(QStringLiteral("GameView")), 2);
        w.Type(QStringLiteral("galaga"));
        w.form->close();
    }
    FilterWindow again(Games, {QStringLiteral("GameView=2")});
    QCOMPARE(again.Bar().GameViewBox->currentText(), QStringLiteral("Good"));
    QCOMPARE(Sorted(again.Shown()), (Names({"Galaga (Namco rev. B)", "Ms. Pac-Man", "[UNKNOWN GAME]"})));
    QCOMPARE(again.Count(), QStringLiteral("3 of 6"));
    // The words typed are not remembered; a view number no view has shows all games.
    QCOMPARE(again.Bar().FilterEdit->text(), QString());
    again.form->close();
    FilterWindow damaged(Games, {QStringLiteral("GameView=77")});
    QCOMPARE(damaged.Bar().GameViewBox->currentText(), QStringLiteral("All games"));
    QCOMPARE(damaged.Shown().size(), 6);
}

QTEST_MAIN(TestGameFilterBar)
#include "tst_gamefilterbar.moc"
