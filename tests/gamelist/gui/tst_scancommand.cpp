// Scan for Games through the main window, over game folders made in the test.

#include "support/StartedWindow.h"

#include <QFile>
#include <QtTest>

#include <algorithm>
#include <cstdio>

namespace {

const QString kUnknown = QStringLiteral("[UNKNOWN GAME]");

// Every row as "Favourite|Status|Game Name|File/Dir", sorted: the rows whatever their order.
QStringList RowTexts(const TGameListModel& list) {
    QStringList rows;
    for (int row = 1; row < list.RowCount(); ++row)
        rows << QStringList{list.Cells(colFavourite, row), list.Cells(colStatus, row),
                            list.Cells(colGameName, row), list.Cells(colFileDir, row)}
                    .join(u'|');
    std::sort(rows.begin(), rows.end());
    return rows;
}

QString ListFile(StartedWindow& s) {
    return s.env.userDataPath() + QStringLiteral("Pellmora.DAT");
}

} // namespace

class TestScanCommand : public QObject {
    Q_OBJECT
  private slots:
    void cleanup();
    void newNamesAreNamedAndAppended();
    void missingGamesGoAndNamesWithCapitalsStay();
    void unreadableGameFolderChangesNothing();
    void emptyGameFolderAsksBeforeRemovingEveryGame();
    void everySkipSaysWhyAndLineBreaksStayOut();
    void scanWalksEveryGameFolder();
    void rowWithoutFileNeverCostsAGame();
    void firstStartScansAndVerifies();
};

void TestScanCommand::cleanup() {
    QTRY_VERIFY(!QApplication::activeModalWidget());
    VerifyNoWindowLeftOpen();
}

void TestScanCommand::newNamesAreNamedAndAppended() {
    StartedWindow s(
        ",Good,\"Galaga (Namco rev. B)\",galaga.zip\r\n",
        {QStringLiteral("nFound=1"), QStringLiteral("nUnknown=0"), QStringLiteral("GameCount=1")});
    for (const char* file :
         {"GALAGA.ZIP", "MAPPY.Zip", "pacman.zip", "x.y.zip", "abc.rar", "abc.z", ".hidden.zip"})
        s.putGame(QString::fromLatin1(file));
    for (const char* folder : {"pacman", "joust.old", "-x", "y.zip"})
        QDir().mkpath(s.romPath() + QString::fromLatin1(folder));
    s.dialogs.expectMessage("6 new games added to the list.", mrNo);
    s.context().RunCommand(TCommand::ScanForGames);

    QCOMPARE(s.dialogs.records().size(), 1);
    QCOMPARE(s.dialogs.records()[0].text,
             QStringLiteral(
                 "6 new games added to the list.\n\nBefore you can run any game, you must \"verify\" it."
                 "\n\nWould you like to verify ALL GAMES now?"));
    QCOMPARE(s.dialogs.records()[0].buttons, int(mbYes | mbNo));
    QCOMPARE(RowTexts(s.list()), (QStringList{
                                     QStringLiteral("|?|Joust (Green label)|joust.old"),
                                     QStringLiteral("|?|Mappy (US)|mappy.zip"),
                                     QStringLiteral("|?|Pac-Man (Midway)|pacman"),
                                     QStringLiteral("|?|Pac-Man (Midway)|pacman.zip"),
                                     QStringLiteral("|?|[UNKNOWN GAME]|abc.z"),
                                     QStringLiteral("|?|[UNKNOWN GAME]|x.y.zip"),
                                     QStringLiteral("|Good|Galaga (Namco rev. B)|galaga.zip"),
                                 }));
    const AppState& state = s.context().State;
    QCOMPARE(state.GameCount, 7);
    QCOMPARE(state.nFound, 5);
    QCOMPARE(state.nUnknown, 2);
    QCOMPARE(state.nGames, 32);
    QVERIFY(state.ImportDate > 0);
    const QString log = s.logText();
    QVERIFY(log.contains(QStringLiteral("Adding \"Mappy (US)\" mappy")));
    QVERIFY(log.contains(QStringLiteral("Adding [UNKNOWN GAME] x.y.zip")));
    const QByteArray settings = s.env.readFile(s.env.userDataPath() + QStringLiteral("Pellmora.INI"));
    QVERIFY(settings.contains("GameCount=7") && settings.contains("nGames=32") &&
            settings.contains("ImportDate="));
    QVERIFY(s.env.readFile(ListFile(s)).contains(",?,\"Joust (Green label)\",joust.old"));
}

void TestScanCommand::missingGamesGoAndNamesWithCapitalsStay() {
    StartedWindow s("true,Good,\"Galaga (Namco rev. B)\",galaga.zip\r\n,Bad,\"Mappy (US)\",mappy.zip\r\n",
                    {QStringLiteral("GameCount=2"), QStringLiteral("nFound=2")});
    s.putGame(QStringLiteral("GALAGA.ZIP"));
    s.dialogs.expectMessage("1 missing game(s) removed from the list.", mrOk);
    s.dialogs.expectMessage("No new games found.", mrOk);
    s.context().RunCommand(TCommand::ScanForGames);
    QCOMPARE(s.dialogs.records()[0].text, QStringLiteral("1 missing game(s) removed from the list."));
    QCOMPARE(s.dialogs.records()[1].text, QStringLiteral("No new games found."));
    QVERIFY(s.logText().contains(QStringLiteral("Removing \"Mappy (US)\" mappy.zip")));
    QCOMPARE(RowTexts(s.list()), QStringList{QStringLiteral("true|Good|Galaga (Namco rev. B)|galaga.zip")});
    QCOMPARE(s.context().State.GameCount, 1);
    QVERIFY(s.env.readFile(ListFile(s)).contains("true,Good,"));

    // The last game goes, once the user lets it: the list file goes with it.
    QFile::remove(s.romPath() + QStringLiteral("GALAGA.ZIP"));
    s.dialogs.expectMessage("The game folder ", mrYes);
    s.dialogs.expectMessage("1 missing game(s) removed from the list.", mrOk);
    s.dialogs.expectMessage("No new games found.", mrOk);
    s.context().RunCommand(TCommand::ScanForGames);
    QCOMPARE(s.context().State.GameCount, 0);
    QCOMPARE(s.context().State.nFound, 0);
    QCOMPARE(s.list().RowCount(), 2);
    QVERIFY(!QFile::exists(ListFile(s)));
    QVERIFY(s.runsOf(QStringLiteral("-listfull")).isEmpty());
}

void TestScanCommand::unreadableGameFolderChangesNothing() {
    StartedWindow s("true,Good,\"Galaga (Namco rev. B)\",galaga.zip\r\n");
    const QByteArray listBefore = s.env.readFile(ListFile(s));
    QDir(s.romPath()).removeRecursively();
    s.dialogs.expectMessage("The game folder ", mrOk);
    s.context().RunCommand(TCommand::ScanForGames);
    QCOMPARE(s.dialogs.records()[0].type, mtError);
    QCOMPARE(s.dialogs.records()[0].text,
             QStringLiteral("The game folder ") + s.romPath() +
                 QStringLiteral(" cannot be read, so the game list was left as it is."));
    QCOMPARE(s.list().RowCount(), 2);
    QCOMPARE(s.list().Cells(colFavourite, 1), QStringLiteral("true"));
    QCOMPARE(s.env.readFile(ListFile(s)), listBefore);
    QVERIFY(s.form->Ui().ScanForGamesBitBtn->isEnabled());
}

// A game folder that is there but empty (an unmounted disk's mount point) would cost every game
// its mark and status: the scan asks, No being the default, and No changes nothing.
void TestScanCommand::emptyGameFolderAsksBeforeRemovingEveryGame() {
    StartedWindow s("true,Good,\"Galaga (Namco rev. B)\",galaga.zip\r\n,Bad,\"Mappy (US)\",mappy.zip\r\n"
                    ",?,\"No file\",\r\n",
                    {QStringLiteral("GameCount=2"), QStringLiteral("nFound=2")});
    const QByteArray listBefore = s.env.readFile(ListFile(s));
    const QStringList rowsBefore = RowTexts(s.list());
    const int countBefore = s.context().State.GameCount;
    s.dialogs.expectMessage("The game folder ", mrNo);
    s.context().RunCommand(TCommand::ScanForGames);
    QCOMPARE(s.dialogs.records().size(), 1);
    const ScriptedDialogs::Record& box = s.dialogs.records()[0];
    QCOMPARE(box.text,
             QStringLiteral("The game folder ") + s.romPath() +
                 QStringLiteral(" holds none of the 2 game(s) in the list.\n\nIf the folder is on a disk "
                                "that is not mounted, or is not the right folder, removing them loses every "
                                "favourite mark and status.\n\nRemove all the games from the list?"));
    QCOMPARE(box.type, mtConfirmation);
    QCOMPARE(box.title, QStringLiteral("Confirm"));
    QCOMPARE(box.buttons, int(mbYes | mbNo));
    QCOMPARE(box.defaultButton, int(mbNo));
    QCOMPARE(RowTexts(s.list()), rowsBefore);
    QCOMPARE(s.env.readFile(ListFile(s)), listBefore);
    QCOMPARE(s.context().State.GameCount, countBefore);
    QVERIFY(!s.logText().contains(QStringLiteral("Removing")));
    QVERIFY(s.form->Ui().ScanForGamesBitBtn->isEnabled());

    // Yes: the games go, the row without a file stays.
    s.dialogs.expectMessage("The game folder ", mrYes);
    s.dialogs.expectMessage("2 missing game(s) removed from the list.", mrOk);
    s.dialogs.expectMessage("No new games found.", mrOk);
    s.context().RunCommand(TCommand::ScanForGames);
    QCOMPARE(RowTexts(s.list()), QStringList{QStringLiteral("|?|No file|")});
    QCOMPARE(s.context().State.GameCount, 0);
}

// Names the scan leaves out each get one log line; a new name with capitals is listed with a
// line telling how the emulator would find it. A name holding a line feed never reaches the
// list, so the verify report keeps CR LF on every line and the next scan changes nothing.
void TestScanCommand::everySkipSaysWhyAndLineBreaksStayOut() {
    QStringList report;
    StartedWindow s(",Good,\"Galaga (Namco rev. B)\",galaga.zip\r\n", {QStringLiteral("GameCount=1")});
    for (const char* file : {"galaga.zip", "MAPPY.Zip", "-x.zip", "two\nlines.zip"})
        s.putGame(QString::fromUtf8(file));
    QVERIFY(QDir().mkpath(s.romPath() + QStringLiteral("y.zip")));
    // Latin-1 bytes, not valid in the UTF-8 the system uses: made by name bytes, as Qt would
    // write the name in UTF-8.
    std::FILE* latin1 = std::fopen((QFile::encodeName(s.romPath()) + "caf\xe9.zip").constData(), "w");
    QVERIFY(latin1);
    std::fclose(latin1);
    s.dialogs.expectMessage("1 new games added to the list.", mrYes);
    s.dialogs.expectMessage("Verifying unknown games may take some time", mrAll);
    CloseViewerWhenShown(&report);
    s.context().RunCommand(TCommand::ScanForGames);

    const QStringList expected{
        QStringLiteral(
            "Skipped \"-x.zip\": a name beginning with \"-\" would reach the emulator as an option."),
        QStringLiteral(
            "Skipped \"two\\nlines.zip\": a name holding a line break cannot be kept in the game list."),
        QStringLiteral(
            "Skipped folder \"y.zip\": the emulator takes a name ending in .zip or .7z for an archive, "
            "not a folder."),
        QStringLiteral(
            "Skipped \"caf\uFFFD.zip\": the name is not valid text in the system's encoding, so it "
            "cannot be given to the emulator."),
        QStringLiteral(
            "\"MAPPY.Zip\": the emulator looks for \"mappy.zip\" and on this system will not find the game "
            "under a name with capitals; rename the file to mappy.zip (mv \"MAPPY.Zip\" \"mappy.zip\" in "
            "the game folder)."),
    };
    const QString log = s.logText();
    for (const QString& line : expected)
        QVERIFY2(log.count(line) == 1, qPrintable(line + QStringLiteral("\n---\n") + log));
    // The emulator does not find MAPPY.Zip under mappy.zip, as its log line warned.
    QCOMPARE(RowTexts(s.list()), (QStringList{QStringLiteral("|?|Mappy (US)|mappy.zip"),
                                              QStringLiteral("|Good|Galaga (Namco rev. B)|galaga.zip")}));
    const QByteArray ver = s.env.readFile(s.env.userDataPath() + QStringLiteral("Pellmora.VER"));
    QVERIFY(!ver.isEmpty());
    QCOMPARE(ver.count('\n'), ver.count("\r\n"));
    QCOMPARE(ver.count('\r'), ver.count("\r\n"));

    const qsizetype logBefore = s.logText().size();
    s.dialogs.expectMessage("No new games found.", mrOk);
    s.context().RunCommand(TCommand::ScanForGames);
    const QString again = s.logText().mid(logBefore);
    QVERIFY2(!again.contains(QStringLiteral("Removing")) && !again.contains(QStringLiteral("Adding")),
             qPrintable(again));
    QCOMPARE(again.count(QStringLiteral("two\\nlines.zip")), 1);
}

// Games are found in each folder and a name in two folders is one row; while a folder is gone (a
// disk not mounted) no row is removed, as its games may be there.
void TestScanCommand::scanWalksEveryGameFolder() {
    StartedWindow s(",Good,\"Galaga (Namco rev. B)\",galaga.zip\r\n,Bad,\"Mappy (US)\",mappy.zip\r\n",
                    {QStringLiteral("GameCount=2"), QStringLiteral("nFound=2"), QStringLiteral("nUnknown=0")},
                    {}, [](StartedWindow& w) { w.env.setRompath(QStringLiteral("roms;extra")); });
    const QString extra = s.env.mamePath() + QStringLiteral("extra/");
    s.putGame(QStringLiteral("galaga.zip"));
    s.putGame(QStringLiteral("abc.zip"));
    for (const char* file : {"mappy.zip", "pacman.zip", "GALAGA.ZIP", "ABC.zip"})
        s.env.writeFile(extra + QString::fromLatin1(file), "PK");
    s.dialogs.expectMessage("2 new games added to the list.", mrNo);
    s.context().RunCommand(TCommand::ScanForGames);
    QCOMPARE(RowTexts(s.list()), (QStringList{
                                     QStringLiteral("|?|Pac-Man (Midway)|pacman.zip"),
                                     QStringLiteral("|?|[UNKNOWN GAME]|abc.zip"),
                                     QStringLiteral("|Bad|Mappy (US)|mappy.zip"),
                                     QStringLiteral("|Good|Galaga (Namco rev. B)|galaga.zip"),
                                 }));
    QCOMPARE(s.context().State.GameCount, 4);
    QCOMPARE(s.context().State.nFound, 3);
    QCOMPARE(s.context().State.nUnknown, 1);

    // The second folder goes, and abc.zip leaves the first: every row stays.
    QVERIFY(QDir(extra).removeRecursively());
    QFile::remove(s.romPath() + QStringLiteral("abc.zip"));
    const QByteArray listBefore = s.env.readFile(ListFile(s));
    s.dialogs.expectMessage("No new games found.", mrOk);
    s.context().RunCommand(TCommand::ScanForGames);
    QCOMPARE(s.dialogs.records().size(), 2);
    QCOMPARE(s.list().RowCount(), 5);
    QCOMPARE(s.env.readFile(ListFile(s)), listBefore);
    QVERIFY(s.logText().contains(
        QStringLiteral("The game folder ") + extra +
        QStringLiteral(" cannot be read: no game is removed from the list until it is back.")));

    // Back, without pacman.zip: now the games no folder holds go.
    QVERIFY(QDir().mkpath(extra));
    s.env.writeFile(extra + QStringLiteral("mappy.zip"), "PK");
    s.dialogs.expectMessage("2 missing game(s) removed from the list.", mrOk);
    s.dialogs.expectMessage("No new games found.", mrOk);
    s.context().RunCommand(TCommand::ScanForGames);
    QCOMPARE(RowTexts(s.list()), (QStringList{
                                     QStringLiteral("|Bad|Mappy (US)|mappy.zip"),
                                     QStringLiteral("|Good|Galaga (Namco rev. B)|galaga.zip"),
                                 }));
}

// A row without File/Dir (a damaged line) is kept but not counted, so after the removals the
// count is below the rows: the new game must still go after them, not over the game in its place.
void TestScanCommand::rowWithoutFileNeverCostsAGame() {
    StartedWindow s(",?,\"Alpha without a file\",\r\n"
                    ",Good,\"Galaga (Namco rev. B)\",galaga.zip\r\n"
                    ",Bad,\"Mappy (US)\",mappy.zip\r\n",
                    {QStringLiteral("SortColumn=2"), QStringLiteral("SortDirection=0")});
    s.putGame(QStringLiteral("galaga.zip"));
    s.putGame(QStringLiteral("pacman.zip"));
    s.dialogs.expectMessage("1 missing game(s) removed from the list.", mrOk);
    s.dialogs.expectMessage("1 new games added to the list.", mrNo);
    s.context().RunCommand(TCommand::ScanForGames);
    QCOMPARE(RowTexts(s.list()), (QStringList{
                                     QStringLiteral("|?|Alpha without a file|"),
                                     QStringLiteral("|?|Pac-Man (Midway)|pacman.zip"),
                                     QStringLiteral("|Good|Galaga (Namco rev. B)|galaga.zip"),
                                 }));
    QVERIFY(s.env.readFile(ListFile(s)).contains(",Good,\"Galaga (Namco rev. B)\",galaga.zip\r\n"));
}

// A newcomer's first start: the list is built from the game folder and verified at once.
void TestScanCommand::firstStartScansAndVerifies() {
    QStringList report;
    CloseViewerWhenShown(&report);
    StartedWindow s(QByteArray(), {},
                    {{QStringLiteral("The Pellmora game list file"), mrOk},
                     {QStringLiteral("1 new games added to the list."), mrYes},
                     {QStringLiteral("Verifying unknown games may take some time"), mrAll}},
                    [](StartedWindow& w) { w.putGame(QStringLiteral("galaga.zip")); });
    QCOMPARE(s.dialogs.records()[1].text.section(u'\n', 0, 0),
             QStringLiteral("1 new games added to the list."));
    QCOMPARE(RowTexts(s.list()), QStringList{QStringLiteral("|Good|Galaga (Namco rev. B)|galaga.zip")});
    QCOMPARE(report.value(1), QStringLiteral("galaga - Galaga (Namco rev. B)"));
    QCOMPARE(s.context().State.GameCount, 1);
}

QTEST_MAIN(TestScanCommand)
#include "tst_scancommand.moc"
