// Add Game in the main window over the fake emulator: the chooser, the extension test, the
// supported-games lookup, the duplicate and archive tests, the copy into rompath, the new row
// and what the viewer says. Nothing the user had may be lost on the way.

#include "../ArchiveFixtures.h"
#include "base/AppState.h"
#include "emulator/gui/TForm2.h"
#include "gamelist/GameListModel.h"
#include "gamelist/gui/TSortGrid.h"
#include "mainwindow/gui/TForm1.h"
#include "support/ListWindow.h"
#include "support/WindowRules.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QtTest>

namespace {

const char* const ChooserCaption = "Select Zip file(s) for one or more games to add...";

const QByteArray Games = ",Good,\"Xevious\",xevious.zip\r\n"
                         ",Good,\"Pac-Man (Midway)\",pacman.zip\r\n";

struct AddWindow : ListWindow {
    explicit AddWindow(const QByteArray& rows = Games,
                       const std::function<void(StartedWindow&)>& prepare = {})
        : ListWindow(rows, {}, prepare) {
        QDir().mkpath(Downloads());
    }
    QString Downloads() const { return env.userDataPath() + QStringLiteral("../my downloads/"); }
    // A valid zip of one item, where the user keeps it.
    QString GoodZip(const QString& folder, const QString& name) const {
        const QString path = folder + name;
        if (!WriteArchive(path, ARCHIVE_FORMAT_ZIP, "zip:compression=deflate",
                          {{"rom.bin", QByteArray(300, 'r')}}))
            qWarning("could not write %s", qPrintable(path));
        return path;
    }
    QStringList AddChosen(const QStringList& chosen) {
        dialogs.expectFiles(ChooserCaption, chosen);
        QStringList shown;
        CloseViewerWhenShown(&shown);
        form->Context().RunCommand(TCommand::AddGame);
        return shown;
    }
    QStringList RomFiles() const { return QDir(romPath()).entryList(QDir::Files | QDir::Hidden, QDir::Name); }
    int Row(const QString& fileDir) const {
        for (int row = 1; row < List().RowCount(); ++row)
            if (List().Cells(colFileDir, row) == fileDir)
                return row;
        return -1;
    }
};

QString Text(const char* text) {
    return QString::fromUtf8(text);
}

} // namespace

class TestAddGame : public QObject {
    Q_OBJECT
  private slots:
    void anythingButArchivesBlocksTheSelection();
    void ctrlAOnTheGridStartsAddGame();
    void addsUnderTheShortNameAndStopsAtAnUnknownGame();
    void addsA7zArchive();
    void duplicatesBadArchivesAndFilesInRompath();
    void failedCopyAddsNothingAndKeepsTheTarget();
    void severalFoldersCopyIntoTheFirst();
    void rowsWithoutAFileStayWhenGamesAreAdded();
    void debugModeShowsPlainBoxes();
    void cleanup() { VerifyNoWindowLeftOpen(); }
};

void TestAddGame::anythingButArchivesBlocksTheSelection() {
    AddWindow w;
    const QString zip = w.GoodZip(w.Downloads(), Text("galaga.zip"));
    w.env.writeFile(w.Downloads() + Text("README.TXT"), "read me");
    const QStringList before = w.RomFiles();
    w.dialogs.expectFiles(ChooserCaption, {zip, w.Downloads() + Text("README.TXT")});
    w.dialogs.expectMessage("The game file(s) must ALL be ZIP files.", mrOk);
    w.form->Context().RunCommand(TCommand::AddGame);
    const QList<ScriptedDialogs::Record> records = w.dialogs.records();
    QCOMPARE(records.size(), 2);
    QCOMPARE(records.last().text, Text("The game file(s) must ALL be ZIP files."));
    QCOMPARE(records.last().type, mtError);
    QCOMPARE(w.RomFiles(), before);
    QCOMPARE(w.Names().size(), 2);
    QVERIFY(w.runsOf(Text("-listfull")).isEmpty());
    // The chooser's folder is remembered all the same, and offered next time.
    QCOMPARE(QDir(w.form->Context().State.FileDialogPath), QDir(w.Downloads()));
    w.dialogs.expectFiles(ChooserCaption, {});
    w.form->Context().RunCommand(TCommand::AddGame);
    QCOMPARE(QDir(w.dialogs.records().last().startDir), QDir(w.Downloads()));
}

void TestAddGame::ctrlAOnTheGridStartsAddGame() {
    AddWindow w;
    w.Grid().setFocus();
    QTRY_VERIFY(w.Grid().hasFocus());
    w.dialogs.expectFiles(ChooserCaption, {});
    QTest::keyClick(&w.Grid(), Qt::Key_A, Qt::ControlModifier);
    QCOMPARE(w.Commands(), QList<TCommand>{TCommand::AddGame});
    // Not taken as the grid's own select-all: one row stays selected.
    QCOMPARE(w.Grid().selectionModel()->selectedRows().size(), 1);
}

void TestAddGame::addsUnderTheShortNameAndStopsAtAnUnknownGame() {
    AddWindow w;
    const QString galaga = w.GoodZip(w.Downloads(), Text("GALAGA.ZIP"));
    QFile::setPermissions(galaga, QFile::ReadOwner | QFile::ReadUser);
    w.env.writeFile(w.Downloads() + Text("notagame.zip"), "whatever");
    const QString third = w.GoodZip(w.Downloads(), Text("mspacman.zip"));

    const QStringList shown = w.AddChosen({galaga, w.Downloads() + Text("notagame.zip"), third});
    // Copied as the emulator will look for it, and writable.
    QCOMPARE(w.RomFiles(), (QStringList{Text("galaga.zip")}));
    QVERIFY(QFileInfo(w.romPath() + Text("galaga.zip")).isWritable());
    QCOMPARE(w.env.readFile(w.romPath() + Text("galaga.zip")), w.env.readFile(galaga));
    QCOMPARE(w.verifyRuns(), (QStringList{Text("galaga")}));
    const int row = w.Row(Text("galaga.zip"));
    QCOMPARE(w.List().Cells(colGameName, row), Text("Galaga (Namco rev. B)"));
    QCOMPARE(w.List().Cells(colStatus, row), Text("Good"));
    // Sorted in by Game Name, counted and saved.
    QCOMPARE(w.Names(),
             (QStringList{Text("Galaga (Namco rev. B)"), Text("Pac-Man (Midway)"), Text("Xevious")}));
    QCOMPARE(w.Setting(Text("GameCount")), 3);
    QCOMPARE(w.Setting(Text("nFound")), 3);
    QVERIFY(w.ListFile().contains("Galaga (Namco rev. B)\",galaga.zip") ||
            w.ListFile().contains("Galaga (Namco rev. B),galaga.zip"));
    QVERIFY(shown.contains(Text("The game Galaga (Namco rev. B) has been added.")));
    QCOMPARE(shown.last(), w.Downloads() + Text("notagame.zip - NOT A VALID GAME."));
    QVERIFY(!shown.join(u'\n').contains(Text("mspacman")));
    QVERIFY(w.form->Context().State.DisplayVerifyGame);
}

void TestAddGame::addsA7zArchive() {
    AddWindow w;
    const QString chosen = w.Downloads() + Text("DigDug.7Z");
    QVERIFY(WriteArchive(chosen, ARCHIVE_FORMAT_7ZIP, "",
                         {{"dd1.1", QByteArray(5000, 'd')}, {"dd1.2", QByteArray(3000, 'u')}}));

    const QStringList shown = w.AddChosen({chosen});
    const QString text = shown.join(u'\n');
    QCOMPARE(w.RomFiles(), (QStringList{Text("digdug.7z")}));
    QCOMPARE(w.env.readFile(w.romPath() + Text("digdug.7z")), w.env.readFile(chosen));
    QCOMPARE(w.verifyRuns(), (QStringList{Text("digdug")}));
    const int row = w.Row(Text("digdug.7z"));
    QVERIFY(row > 0);
    QCOMPARE(w.List().Cells(colGameName, row), Text("Dig Dug (rev 2)"));
    QCOMPARE(w.List().Cells(colStatus, row), Text("Good"));
    QCOMPARE(w.Setting(Text("GameCount")), 3);
    QVERIFY(w.ListFile().contains("digdug.7z"));
    QVERIFY2(text.contains(Text("The game Dig Dug (rev 2) has been added.")), qPrintable(text));
}

void TestAddGame::duplicatesBadArchivesAndFilesInRompath() {
    AddWindow w;
    // PacMan.zip: pacman.zip is listed. mspacman.zip: text, not an archive.
    const QString duplicate = w.GoodZip(w.Downloads(), Text("PacMan.zip"));
    w.env.writeFile(w.Downloads() + Text("mspacman.zip"), "not a zip");
    // galaga.zip dropped into rompath and not scanned yet: chosen there, it must stay whole.
    const QString dropped = w.GoodZip(w.romPath(), Text("galaga.zip"));
    const QByteArray droppedBytes = w.env.readFile(dropped);

    const QStringList shown = w.AddChosen({dropped, duplicate, w.Downloads() + Text("mspacman.zip")});
    const QString text = shown.join(u'\n');
    QVERIFY(text.contains(
        Text("The game PacMan.zip already exists in the list of games.\nNo further action taken.")));
    QVERIFY(text.contains(Text("ERROR The file is password protected \\ encrypted.")));
    QVERIFY(text.contains(Text("Zip file ") + w.Downloads() + Text("mspacman.zip contains a problem.")));
    QCOMPARE(w.RomFiles(), (QStringList{Text("galaga.zip")}));
    QCOMPARE(w.env.readFile(dropped), droppedBytes);
    QVERIFY(w.Row(Text("galaga.zip")) > 0);
    QCOMPARE(w.Row(Text("mspacman.zip")), -1);
    QCOMPARE(w.Names().size(), 3);
    // The verification of galaga started the viewer afresh; what came after it follows.
    QVERIFY(text.contains(Text("The game Galaga (Namco rev. B) has been added.")));
    QCOMPARE(shown.last(), Text("Zip file ") + w.Downloads() + Text("mspacman.zip contains a problem."));
}

// Every game folder is compared with the chosen names; a new game goes into the first folder,
// and one chosen inside another folder stays where it is.
void TestAddGame::severalFoldersCopyIntoTheFirst() {
    AddWindow w(Games, [](StartedWindow& s) { s.env.setRompath(QStringLiteral("roms;extra")); });
    const QString extra = w.env.mamePath() + Text("extra/");
    const QString held = w.GoodZip(extra, Text("galaga.zip"));
    const QByteArray heldBytes = w.env.readFile(held);
    const QString inSecond = w.GoodZip(extra, Text("mappy.zip"));
    const QString newGame = w.GoodZip(w.Downloads(), Text("joust.zip"));

    // Alone: each verification empties the viewer, so a later game would hide this one's lines.
    const QString text = w.AddChosen({w.GoodZip(w.Downloads(), Text("galaga.zip"))}).join(u'\n');
    QVERIFY2(text.contains(Text("The game galaga.zip already exists in the game folder ") + extra +
                           Text(".\nNo further action taken.")),
             qPrintable(text));
    QCOMPARE(w.env.readFile(held), heldBytes);
    QCOMPARE(w.Row(Text("galaga.zip")), -1);
    w.AddChosen({inSecond, newGame});
    QVERIFY(w.Row(Text("mappy.zip")) > 0);
    QVERIFY(w.Row(Text("joust.zip")) > 0);
    QCOMPARE(w.RomFiles(), QStringList{Text("joust.zip")});
    QCOMPARE(QDir(extra).entryList(QDir::Files, QDir::Name),
             (QStringList{Text("galaga.zip"), Text("mappy.zip")}));
}

void TestAddGame::failedCopyAddsNothingAndKeepsTheTarget() {
    AddWindow w;
    const QString chosen = w.GoodZip(w.Downloads(), Text("galaga.zip"));
    // Something the copy cannot replace sits where the game would go.
    QVERIFY(QDir().mkpath(w.romPath() + Text("galaga.zip")));
    w.putGame(Text("galaga.zip/keep.bin"), "keep");
    const QByteArray listBefore = w.ListFile();

    const QStringList shown = w.AddChosen({chosen});
    QVERIFY2(
        shown.join(u'\n').contains(Text(" could not be copied to ") + w.romPath() + Text("galaga.zip: ")),
        qPrintable(shown.join(u'|')));
    QCOMPARE(w.env.readFile(w.romPath() + Text("galaga.zip/keep.bin")), QByteArray("keep"));
    QCOMPARE(QDir(w.romPath()).entryList(QDir::Files | QDir::Hidden), QStringList());
    QCOMPARE(w.Row(Text("galaga.zip")), -1);
    QVERIFY(w.verifyRuns().isEmpty());
    QCOMPARE(w.ListFile(), listBefore);
}

void TestAddGame::rowsWithoutAFileStayWhenGamesAreAdded() {
    // A list file from elsewhere may hold a row without a File/Dir: the game count leaves it out,
    // and a new game must still go after the last row, not over it.
    AddWindow w(",Good,\"Xevious\",xevious.zip\r\n"
                ",?,\"Hand-made entry\",\r\n"
                ",Good,\"Pac-Man (Midway)\",pacman.zip\r\n");
    const QString galaga = w.GoodZip(w.Downloads(), Text("galaga.zip"));
    const QString mspacman = w.GoodZip(w.Downloads(), Text("mspacman.zip"));

    w.AddChosen({galaga, mspacman});
    QStringList names = w.Names();
    names.sort();
    QCOMPARE(names, (QStringList{Text("Galaga (Namco rev. B)"), Text("Hand-made entry"), Text("Ms. Pac-Man"),
                                 Text("Pac-Man (Midway)"), Text("Xevious")}));
    QCOMPARE(w.Setting(Text("GameCount")), 4);
    for (const char* kept : {"Xevious", "Hand-made entry", "Pac-Man (Midway)"})
        QVERIFY2(w.ListFile().contains(kept), kept);
}

QTEST_MAIN(TestAddGame)
#include "tst_addgame.moc"

void TestAddGame::debugModeShowsPlainBoxes() {
    AddWindow w;
    const QString galaga = w.GoodZip(w.Downloads(), Text("galaga.zip"));
    w.form->Context().State.debug = true;
    // Plain boxes (no icon, the program's title), in the order of the steps they come before.
    w.dialogs.expectFiles(ChooserCaption, {galaga});
    w.dialogs.expectPlain(Text("File selected = ") + galaga);
    w.dialogs.expectPlain(Text("Testing ZIP file ") + galaga);
    w.dialogs.expectPlain(Text("COPY FROM: ") + galaga + Text("\nCOPY TO: ") + w.romPath() +
                          Text("galaga.zip"));
    // Then Verify Game's own.
    w.dialogs.expectPlain("VERIFY GAME: GameName = Galaga (Namco rev. B)\nGameDir = galaga\nGameStatus = ?");
    w.dialogs.expectPlain("Result: GameGood = True");
    CloseViewerWhenShown();
    w.form->Context().RunCommand(TCommand::AddGame);
    QCOMPARE(w.RomFiles(), (QStringList{Text("galaga.zip")}));
}
