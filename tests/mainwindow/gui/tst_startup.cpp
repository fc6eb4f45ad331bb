// The start-up sequence, the first-paint step and the exit path, driven through the main
// window with scripted boxes.

#include "gamelist/GameListModel.h"
#include "gamelist/gui/TSortGrid.h"
#include "mainwindow/gui/TForm1.h"
#include "support/ScriptedDialogs.h"
#include "support/StartedWindow.h"
#include "support/TestEnvironment.h"
#include "support/WindowRules.h"

#include <QComboBox>
#include <QDialog>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScreen>
#include <QSignalSpy>
#include <QTabWidget>
#include <QtTest>

namespace {

const QString kListHeader = QStringLiteral(",Status,\"Game Name\",File/Dir\r\n");

// Shows the window and waits until its start-up has settled: the first-paint step has run,
// or the window has closed on its way out.
void ShowAndSettle(TForm1& form) {
    form.show();
    QTRY_VERIFY(form.Context().State.PostInitialiseDone || !form.isVisible());
}

// Runs everything queued so far (a paint's follow-up step, a queued close) and returns.
void RunQueuedWork() {
    QEventLoop loop;
    QTimer::singleShot(0, &loop, &QEventLoop::quit);
    loop.exec();
}

const QString kPathNotSet =
    QStringLiteral("The path to the M.A.M.E. program file MAME.EXE or MAME64.EXE has not been set.\n"
                   "Click on OK to initiate a search.");
const QString kListNotFound = QStringLiteral("The Pellmora game list file (Pellmora.DAT) was not found.\n");
const QString kNoNewGames = QStringLiteral("No new games found.");

// Records, for each box, its first line (a chooser: its caption) and whether the start-up sequence had
// finished (its last step shows the emulator folder and disables Save Settings) when it showed.
struct BoxLog {
    QStringList boxes;
    QList<bool> afterSequence;

    void watch(ScriptedDialogs& dialogs, const TForm1*& form, const QString& mamePath) {
        dialogs.setNestedLoops(true);
        dialogs.setOnShow([this, &form, mamePath](const ScriptedDialogs::Record& record) {
            boxes << record.text.section(QLatin1Char('\n'), 0, 0);
            afterSequence << (form && form->Ui().MAMEDirEdit->text() == mamePath &&
                              !form->Ui().SaveSettingsBitBtn->isEnabled());
        });
    }
};

} // namespace

class TestStartup : public QObject {
    Q_OBJECT
  private slots:
    void cleanup() { VerifyNoWindowLeftOpen(); }
    void firstRunWithoutSettingsEndsAfterTheSearch();
    void folderWithoutExecutablesEndsAfterTheSearch();
    void folderChosenInTheSearchRestartsTheSequence();
    void bothExecutablesPickMame64();
    void activePageShownExceptTheLog_data();
    void activePageShownExceptTheLog();
    void lastSelectedGameFoundTwiceSelectsTheLast();
    void lastSelectedGameMissingKeepsRowOne();
    void headerOnlyListIsRebuiltAtFirstPaintOnce();
    void closeWritesLastSelectedGameAndWindowSettings();
    void closeOnRowOneKeepsLastSelectedGame();
    void gameDataTabShowsCountersAndDates();
    void saveSettingsDisabledAfterStartUp();
    void unreadableListFileIsReportedAndTheWindowStillShows();
    void widenedListFileIsReadAsFourCellsWithOneWarning();
    void switchesBoxWritesEveryChange();
    void windowPositionCentredOrRestored();
    void shownWindowIsCentredWithItsFrame();
    void firstStartThroughTheFolderChooser();
    void firstStartThroughTheSearchDialog();
    void mameIniCreatedByTheEmulator();
    void failingStepEndsWithoutTheFirstPaintStep();
};

void TestStartup::firstRunWithoutSettingsEndsAfterTheSearch() {
    TestEnvironment env;
    ScriptedDialogs dialogs;
    dialogs.expectMessage(kPathNotSet, mrOk);
    TForm1 form(dialogs);
    int searches = 0;
    form.Context().Register(TCommand::MAMEDirSearch, [&] { ++searches; });
    ShowAndSettle(form);

    QCOMPARE(dialogs.records().size(), 1);
    QCOMPARE(dialogs.records()[0].text,
             QStringLiteral("The path to the M.A.M.E. program file MAME.EXE or MAME64.EXE has not been set.\n"
                            "Click on OK to initiate a search."));
    QCOMPARE(dialogs.records()[0].type, mtWarning);
    QCOMPARE(dialogs.records()[0].title, QStringLiteral("Pellmora"));
    QCOMPARE(searches, 1);
    QVERIFY(form.ExitRequested());
    QVERIFY(!form.isVisible());
    QVERIFY(!form.Context().State.PostInitialiseDone);
    // Only the window settings were written on the way out.
    const QByteArray settings = env.readFile(env.userDataPath() + QStringLiteral("Pellmora.INI"));
    QVERIFY(settings.contains("Left="));
    QVERIFY(settings.contains("Top="));
    QVERIFY(settings.contains("StyleName=Obsidian"));
    QVERIFY(settings.contains("Width="));
    QVERIFY(settings.contains("Height="));
    QVERIFY(settings.contains("Maximised=0"));
    QCOMPARE(settings.count('='), 6);
}

void TestStartup::folderWithoutExecutablesEndsAfterTheSearch() {
    TestEnvironment env;
    env.writeSettings({QStringLiteral("MAMEPath=") + env.mamePath().chopped(1)});
    ScriptedDialogs dialogs;
    dialogs.expectMessage("The M.A.M.E. program file MAME.EXE or MAME64.EXE was not found in the path ",
                          mrOk);
    TForm1 form(dialogs);
    form.Context().Register(TCommand::MAMEDirSearch, [] {});
    ShowAndSettle(form);

    QCOMPARE(dialogs.records().size(), 1);
    QCOMPARE(dialogs.records()[0].text,
             QStringLiteral("The M.A.M.E. program file MAME.EXE or MAME64.EXE was not found in the path ") +
                 env.mamePath() + QStringLiteral("\nClick on OK to initiate a search."));
    QVERIFY(form.ExitRequested());
}

void TestStartup::folderChosenInTheSearchRestartsTheSequence() {
    TestEnvironment env;
    env.writeMameIni();
    ScriptedDialogs dialogs;
    dialogs.expectMessage(kPathNotSet, mrOk);
    dialogs.expectMessage(kListNotFound, mrOk); // at the first paint
    dialogs.expectMessage(kNoNewGames, mrOk);   // the first scan
    TForm1 form(dialogs);
    form.Context().Register(TCommand::MAMEDirSearch, [&] {
        env.installEmulator();
        form.Context().State.MAMEPath = env.mamePath();
        env.writeSettings({QStringLiteral("MAMEPath=") + env.mamePath()});
    });
    ShowAndSettle(form);

    QVERIFY(!form.ExitRequested());
    QCOMPARE(form.Context().State.MAMEEXE, QStringLiteral("mame"));
    QCOMPARE(form.Context().State.rompath, env.mamePath() + QStringLiteral("roms/"));
    QCOMPARE(form.Ui().MAMEDirEdit->text(), env.mamePath());
    QVERIFY(form.Context().State.PostInitialiseDone);
    QCOMPARE(dialogs.records().size(), 3);
}

void TestStartup::bothExecutablesPickMame64() {
    TestEnvironment env;
    env.installEmulator(QStringLiteral("mame"));
    env.installEmulator(QStringLiteral("mame64"));
    env.writeMameIni();
    env.writeSettings({QStringLiteral("MAMEPath=") + env.mamePath()});
    env.writeFile(env.userDataPath() + QStringLiteral("Pellmora.DAT"),
                  kListHeader.toUtf8() + "true,Good,\"Pac-Man (Midway)\",pacman.zip\r\n");
    ScriptedDialogs dialogs;
    TForm1 form(dialogs);
    ShowAndSettle(form);

    QCOMPARE(form.Context().State.MAMEEXE, QStringLiteral("mame64"));
    QCOMPARE(form.Context().State.GameCount, 1);
}

void TestStartup::activePageShownExceptTheLog_data() {
    QTest::addColumn<int>("stored");
    QTest::addColumn<int>("shown");
    QTest::newRow("log becomes game image") << 1 << 0;
    QTest::newRow("controls") << 3 << 3;
    QTest::newRow("game data") << 2 << 2;
}

void TestStartup::activePageShownExceptTheLog() {
    QFETCH(int, stored);
    QFETCH(int, shown);
    TestEnvironment env;
    env.prepareReadyStart({QStringLiteral("ActivePage=%1").arg(stored)}, ",?,\"Pac-Man\",pacman.zip\r\n");
    ScriptedDialogs dialogs;
    TForm1 form(dialogs);
    ShowAndSettle(form);

    QCOMPARE(form.Ui().PageControl1->currentIndex(), shown);
    // The program's own tab change is not the user's: the stored value stays.
    QVERIFY(env.readFile(env.userDataPath() + QStringLiteral("Pellmora.INI"))
                .contains(QStringLiteral("ActivePage=%1").arg(stored).toUtf8()));
}

void TestStartup::lastSelectedGameFoundTwiceSelectsTheLast() {
    TestEnvironment env;
    // The list is sorted first (File/Dir descending here), then the last match in that order wins.
    env.prepareReadyStart({QStringLiteral("LastSelectedGame=galaga (NAMCO)"), QStringLiteral("SortColumn=3"),
                           QStringLiteral("SortDirection=1")},
                          ",?,\"Galaga (Namco)\",galaga.zip\r\n"
                          ",?,\"Pac-Man\",pacman.zip\r\n"
                          ",?,\"GALAGA (namco)\",galagao.zip\r\n"
                          ",?,\"Xevious\",xevious.zip\r\n");
    ScriptedDialogs dialogs;
    TForm1 form(dialogs);
    ShowAndSettle(form);

    const TGameListModel& list = form.Context().GameList;
    QCOMPARE(list.Cells(colFileDir, 1), QStringLiteral("xevious.zip"));
    QCOMPARE(list.Cells(colFileDir, 3), QStringLiteral("galagao.zip"));
    QCOMPARE(form.Ui().SortGrid1->Row(), 4);
    QCOMPARE(list.Cells(colFileDir, 4), QStringLiteral("galaga.zip"));
    QCOMPARE(form.Ui().SortGrid1->horizontalHeader()->sortIndicatorSection(), colFileDir);
}

void TestStartup::lastSelectedGameMissingKeepsRowOne() {
    TestEnvironment env;
    env.prepareReadyStart({QStringLiteral("LastSelectedGame=Donkey Kong")},
                          ",?,\"Galaga\",galaga.zip\r\n,?,\"Pac-Man\",pacman.zip\r\n");
    ScriptedDialogs dialogs;
    TForm1 form(dialogs);
    ShowAndSettle(form);

    QCOMPARE(form.Ui().SortGrid1->Row(), 1);
}

void TestStartup::headerOnlyListIsRebuiltAtFirstPaintOnce() {
    TestEnvironment env;
    env.prepareReadyStart({QStringLiteral("nGames=7"), QStringLiteral("nFound=3")}, QByteArray());
    ScriptedDialogs dialogs;
    dialogs.expectMessage(kListNotFound, mrOk);
    dialogs.expectMessage(kNoNewGames, mrOk); // the first scan
    TForm1 form(dialogs);
    QSignalSpy commands(&form, &TForm1::commandRun);
    ShowAndSettle(form);

    QCOMPARE(dialogs.records().size(), 2);
    QCOMPARE(dialogs.records()[0].type, mtConfirmation);
    QCOMPARE(dialogs.records()[0].title, QStringLiteral("Confirm"));
    QCOMPARE(dialogs.records()[0].buttons, int(mbOK));
    QVERIFY(dialogs.records()[0].text.startsWith(
        QStringLiteral("The Pellmora game list file (Pellmora.DAT) was not found.\n")));
    QCOMPARE(form.Context().State.nGames, 0);
    QCOMPARE(form.Context().State.nFound, 0);
    QVERIFY(!form.Context().State.GenerateGameList);
    QCOMPARE(commands.size(), 1);
    QCOMPARE(commands[0][0].value<TCommand>(), TCommand::ScanForGames);

    // Painting again never repeats the step.
    form.repaint();
    RunQueuedWork();
    QCOMPARE(dialogs.records().size(), 2);
}

void TestStartup::closeWritesLastSelectedGameAndWindowSettings() {
    TestEnvironment env;
    env.prepareReadyStart({QStringLiteral("StyleName=Carbon")},
                          ",?,\"Galaga\",galaga.zip\r\n,?,\"Pac-Man\",pacman.zip\r\n"
                          ",?,\"[UNKNOWN GAME]\",junk.zip\r\n");
    ScriptedDialogs dialogs;
    {
        TForm1 form(dialogs);
        ShowAndSettle(form);
        form.Ui().SortGrid1->SetRow(3);
        form.close();
        QByteArray settings = env.readFile(env.userDataPath() + QStringLiteral("Pellmora.INI"));
        QVERIFY2(!settings.contains("LastSelectedGame"), settings.constData()); // unknown game kept out
        QVERIFY(settings.contains("StyleName=Carbon"));
    }
    {
        TForm1 form(dialogs);
        ShowAndSettle(form);
        form.Ui().SortGrid1->SetRow(2);
        form.close();
        QVERIFY(env.readFile(env.userDataPath() + QStringLiteral("Pellmora.INI"))
                    .contains("LastSelectedGame=Pac-Man"));
    }
}

void TestStartup::closeOnRowOneKeepsLastSelectedGame() {
    TestEnvironment env;
    env.prepareReadyStart({QStringLiteral("LastSelectedGame=Xevious")},
                          ",?,\"Galaga\",galaga.zip\r\n,?,\"Pac-Man\",pacman.zip\r\n");
    ScriptedDialogs dialogs;
    TForm1 form(dialogs);
    ShowAndSettle(form);
    form.Ui().SortGrid1->SetRow(1);
    form.close();
    QVERIFY(env.readFile(env.userDataPath() + QStringLiteral("Pellmora.INI"))
                .contains("LastSelectedGame=Xevious"));
}

void TestStartup::gameDataTabShowsCountersAndDates() {
    TestEnvironment env;
    // No counters stored: each shows -1; no dates: "None" and no report to view.
    env.prepareReadyStart({QStringLiteral("GameCount=500")}, ",?,\"Galaga\",galaga.zip\r\n");
    ScriptedDialogs dialogs;
    TForm1 form(dialogs);
    ShowAndSettle(form);
    QCOMPARE(form.Ui().TotalGamesLabel->text(), QStringLiteral("-1"));
    QCOMPARE(form.Ui().KnownGamesLabel->text(), QStringLiteral("-1"));
    QCOMPARE(form.Ui().UnknownGamesLabel->text(), QStringLiteral("-1"));
    QCOMPARE(form.Ui().ImportDateLabel->text(), QStringLiteral("None"));
    QCOMPARE(form.Ui().VerifyDateLabel->text(), QStringLiteral("None"));
    QVERIFY(!form.Ui().ViewVerifyReportBitBtn->isEnabled());
    QCOMPARE(form.Context().State.GameCount, 1); // the list file wins over the stored count
}

void TestStartup::saveSettingsDisabledAfterStartUp() {
    TestEnvironment env;
    env.installEmulator();
    env.writeMameIni(QStringLiteral("cheat                     1\r\n"));
    env.writeSettings({QStringLiteral("MAMEPath=") + env.mamePath()});
    env.writeFile(env.userDataPath() + QStringLiteral("Pellmora.DAT"),
                  kListHeader.toUtf8() + ",?,\"Galaga\",galaga.zip\r\n");
    ScriptedDialogs dialogs;
    TForm1 form(dialogs);
    ShowAndSettle(form);
    QVERIFY(!form.Ui().SaveSettingsBitBtn->isEnabled());
}

void TestStartup::unreadableListFileIsReportedAndTheWindowStillShows() {
    TestEnvironment env;
    env.installEmulator();
    env.writeMameIni();
    env.writeSettings({QStringLiteral("MAMEPath=") + env.mamePath()});
    QVERIFY(QDir().mkpath(env.userDataPath() + QStringLiteral("Pellmora.DAT"))); // a folder cannot be read
    ScriptedDialogs dialogs;
    dialogs.expectMessage("GENERAL EXCEPTION ERROR: ", mrOk);
    TForm1 form(dialogs);
    ShowAndSettle(form);

    QCOMPARE(dialogs.records().size(), 1);
    QCOMPARE(dialogs.records()[0].title, QStringLiteral("GENERAL EXCEPTION ERROR"));
    QVERIFY(dialogs.records()[0].text.startsWith(QStringLiteral("GENERAL EXCEPTION ERROR: ")));
    QVERIFY(dialogs.records()[0].text.contains(QStringLiteral("Pellmora.DAT")));
    QVERIFY(form.isVisible());
    QVERIFY(!form.ExitRequested());
    QVERIFY(QFileInfo(env.userDataPath() + QStringLiteral("Pellmora.DAT")).isDir());
}

// A damaged list file whose lines hold extra cells starts with one warning on the Log tab, and
// the next save writes four cells a row instead of carrying the extra ones on.
void TestStartup::widenedListFileIsReadAsFourCellsWithOneWarning() {
    StartedWindow s("true,Good,\"Galaga\",galaga.zip,x,y\r\n"
                    ",Bad,\"Mappy\",mappy.zip\r\n"
                    ",?,\"Pong\",pong," +
                    QByteArray(20000, ',') + "\r\n");
    const QString listFile = s.env.userDataPath() + QStringLiteral("Pellmora.DAT");
    const QString warning =
        QStringLiteral("Warning: 2 line(s) of ") + listFile +
        QStringLiteral(" had more than four cells; the cells past the fourth were dropped.");
    const QString logTab = s.form->Ui().LogRichEdit->toPlainText();
    QCOMPARE(logTab.count(warning), 1);
    QCOMPARE(s.list().ColCount(), 4);
    s.context().RunCommand(TCommand::FavouriteGame);
    const QByteArray saved = s.env.readFile(listFile);
    QVERIFY2(saved.size() < 200, saved.left(200).constData());
    QVERIFY(!saved.contains(",x,"));
}

void TestStartup::switchesBoxWritesEveryChange() {
    TestEnvironment env;
    env.prepareReadyStart({QStringLiteral("CommandLineSwitches=  -nothrottle  ")},
                          ",?,\"Galaga\",galaga.zip\r\n");
    ScriptedDialogs dialogs;
    TForm1 form(dialogs);
    ShowAndSettle(form);
    // Read back without its blanks, and written back as read.
    QCOMPARE(form.Ui().CommandLineSwitchesEdit->text(), QStringLiteral("-nothrottle"));
    QTest::keyClicks(form.Ui().CommandLineSwitchesEdit, QStringLiteral(" -x "));
    QVERIFY(env.readFile(env.userDataPath() + QStringLiteral("Pellmora.INI"))
                .contains("CommandLineSwitches=-nothrottle -x \r\n"));
}

void TestStartup::windowPositionCentredOrRestored() {
    TestEnvironment env;
    ScriptedDialogs dialogs;
    {
        TForm1 form(dialogs); // not shown: creation alone reads the window settings
        const QSize screen = QGuiApplication::primaryScreen()->size();
        QCOMPARE(form.pos(), QPoint((screen.width() - form.frameGeometry().width()) / 2,
                                    (screen.height() - form.frameGeometry().height()) / 2));
        QCOMPARE(form.Context().State.StyleName, QStringLiteral("Obsidian"));
        QVERIFY(form.Context().State.FormSettingsRead);
    }
    env.writeSettings({QStringLiteral("Left=17"), QStringLiteral("Top=0x20")});
    TForm1 form(dialogs);
    QCOMPARE(form.pos(), QPoint(17, 32));
}

void TestStartup::shownWindowIsCentredWithItsFrame() {
    TestEnvironment env;
    env.prepareReadyStart({}, ",?,\"Galaga\",galaga.zip\r\n");
    ScriptedDialogs dialogs;
    TForm1 form(dialogs);
    form.show();
    QTRY_VERIFY(form.Context().State.PostInitialiseDone);
    const QRect frame = form.frameGeometry();
    QVERIFY(frame.size() != form.size()); // the test platform draws a frame once shown
    const QSize screen = QGuiApplication::primaryScreen()->size();
    QCOMPARE(frame.topLeft(),
             QPoint((screen.width() - frame.width()) / 2, (screen.height() - frame.height()) / 2));
}

// The four paths below run every box as a real one does, with a nested event loop, so the
// window's first paint arrives in the middle of the sequence.

void TestStartup::firstStartThroughTheFolderChooser() {
    TestEnvironment env;
    env.installEmulator();
    env.writeMameIni();
    ScriptedDialogs dialogs;
    const TForm1* watched = nullptr;
    BoxLog log;
    log.watch(dialogs, watched, env.mamePath());
    dialogs.expectMessage(kPathNotSet, mrOk);
    dialogs.expectFolder("Select folder where MAME.EXE or MAME64.EXE is located.",
                         env.mamePath());       // Search Path in the search dialog
    dialogs.expectMessage(kListNotFound, mrOk); // at the first paint
    dialogs.expectMessage(kNoNewGames, mrOk);   // the first scan
    TForm1 form(dialogs);
    watched = &form;
    QSignalSpy commands(&form, &TForm1::commandRun);
    WhenModal([](QWidget* search) {
        search->findChild<QPushButton*>(QStringLiteral("SearchPathButton"))->click();
        auto* results = search->findChild<QListWidget*>(QStringLiteral("ListBox1"));
        QCOMPARE(results->count(), 1);
        results->item(0)->setSelected(true);
        search->findChild<QPushButton*>(QStringLiteral("SelectBitBtn"))->click();
        search->findChild<QPushButton*>(QStringLiteral("CloseBitBtn"))->click();
    });
    form.show();

    QTRY_VERIFY(form.Context().State.PostInitialiseDone);
    QTRY_COMPARE(commands.size(), 1);
    QCOMPARE(log.boxes, QStringList({kPathNotSet.section(QLatin1Char('\n'), 0, 0),
                                     QStringLiteral("Select folder where MAME.EXE or MAME64.EXE is located."),
                                     kListNotFound.chopped(1), kNoNewGames}));
    // (the scan's own box comes after the sequence; the scan then has switched controls back on)
    QCOMPARE(log.afterSequence.mid(0, 3), QList<bool>({false, false, true}));
    QCOMPARE(commands[0][0].value<TCommand>(), TCommand::ScanForGames);
    QVERIFY(!form.ExitRequested());
    form.repaint();
    RunQueuedWork();
    QCOMPARE(dialogs.records().size(), 4);
}

void TestStartup::firstStartThroughTheSearchDialog() {
    TestEnvironment env;
    env.installEmulator();
    env.writeMameIni();
    const QString emptyFolder = env.userDataPath() + QStringLiteral("old/");
    QDir().mkpath(emptyFolder);
    env.writeSettings({QStringLiteral("MAMEPath=") + emptyFolder});
    ScriptedDialogs dialogs;
    const TForm1* watched = nullptr;
    BoxLog log;
    log.watch(dialogs, watched, env.mamePath());
    dialogs.expectMessage("The M.A.M.E. program file MAME.EXE or MAME64.EXE was not found in the path ",
                          mrOk);
    dialogs.expectMessage(kListNotFound, mrOk); // at the first paint
    dialogs.expectMessage(kNoNewGames, mrOk);   // the first scan
    TForm1 form(dialogs);
    watched = &form;
    QSignalSpy commands(&form, &TForm1::commandRun);
    const QString searchRoot = QFileInfo(env.mamePath().chopped(1)).path();
    WhenModal([searchRoot](QWidget* search) {
        // The test's folder stands for a drive of its own.
        auto* drives = search->findChild<QComboBox*>(QStringLiteral("DriveComboBox1"));
        drives->addItem(searchRoot, searchRoot);
        drives->setCurrentIndex(drives->count() - 1);
        search->findChild<QPushButton*>(QStringLiteral("SearchDriveButton"))->click();
        auto* results = search->findChild<QListWidget*>(QStringLiteral("ListBox1"));
        QCOMPARE(results->count(), 1);
        results->item(0)->setSelected(true);
        search->findChild<QPushButton*>(QStringLiteral("SelectBitBtn"))->click();
        search->findChild<QPushButton*>(QStringLiteral("CloseBitBtn"))->click();
    });
    form.show();

    QTRY_VERIFY(form.Context().State.PostInitialiseDone);
    QTRY_COMPARE(commands.size(), 1);
    QCOMPARE(log.boxes,
             QStringList({QStringLiteral("The M.A.M.E. program file MAME.EXE or MAME64.EXE was not "
                                         "found in the path ") +
                              emptyFolder,
                          kListNotFound.chopped(1), kNoNewGames}));
    QCOMPARE(log.afterSequence.mid(0, 2), QList<bool>({false, true}));
    QCOMPARE(form.Context().State.MAMEPath, env.mamePath());
}

void TestStartup::mameIniCreatedByTheEmulator() {
    TestEnvironment env;
    env.installEmulator();
    for (const char* folder : {"roms", "snap", "cfg"})
        QDir().mkpath(env.mamePath() + QLatin1String(folder));
    env.writeSettings({QStringLiteral("MAMEPath=") + env.mamePath()});
    ScriptedDialogs dialogs;
    const TForm1* watched = nullptr;
    BoxLog log;
    log.watch(dialogs, watched, env.mamePath());
    dialogs.expectMessage(kListNotFound, mrOk); // at the first paint
    dialogs.expectMessage(kNoNewGames, mrOk);   // the first scan
    TForm1 form(dialogs);
    watched = &form;
    QSignalSpy commands(&form, &TForm1::commandRun);
    form.show();

    QTRY_VERIFY(form.Context().State.PostInitialiseDone);
    QTRY_COMPARE(commands.size(), 1);
    QVERIFY(QFileInfo::exists(env.mamePath() + QStringLiteral("mame.ini")));
    QCOMPARE(log.boxes, QStringList({kListNotFound.chopped(1), kNoNewGames}));
    QCOMPARE(log.afterSequence.mid(0, 1), QList<bool>({true}));
}

void TestStartup::failingStepEndsWithoutTheFirstPaintStep() {
    TestEnvironment env;
    env.installEmulator();
    // The emulator writes a mame.ini whose game folder is not there.
    for (const char* folder : {"snap", "cfg"})
        QDir().mkpath(env.mamePath() + QLatin1String(folder));
    env.writeSettings({QStringLiteral("MAMEPath=") + env.mamePath()});
    ScriptedDialogs dialogs;
    const TForm1* watched = nullptr;
    BoxLog log;
    log.watch(dialogs, watched, env.mamePath());
    dialogs.expectMessage("The directory where all your games are supposed to be located (ie. rompath) "
                          "could not be found.",
                          mrOk);
    TForm1 form(dialogs);
    watched = &form;
    QSignalSpy commands(&form, &TForm1::commandRun);
    form.show();

    QTRY_VERIFY(!form.isVisible());
    QVERIFY(form.ExitRequested());
    RunQueuedWork();
    QCOMPARE(log.boxes, QStringList({QStringLiteral("The directory where all your games are supposed to be "
                                                    "located (ie. rompath) could not be found.")}));
    QVERIFY(!form.Context().State.PostInitialiseDone);
    QCOMPARE(commands.size(), 0);
}

QTEST_MAIN(TestStartup)
#include "tst_startup.moc"
