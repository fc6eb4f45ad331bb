// Delete Game, Reset Game, Rename File/Directory and Test ZIP File in the main window, on
// folders made by the test: what goes, what stays, what the boxes and the viewer say.

#include "../ArchiveFixtures.h"
#include "base/AppState.h"
#include "emulator/gui/TForm2.h"
#include "gamelist/GameListModel.h"
#include "gamelist/gui/TSortGrid.h"
#include "mainwindow/gui/GameDataPage.h"
#include "mainwindow/gui/TForm1.h"
#include "support/ListWindow.h"
#include "support/UndeletableFile.h"
#include "support/WindowRules.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QtTest>

namespace {

// In File/Dir order (SortColumn=3), so row numbers are known.
const QByteArray Games = ",Good,\"Dig Dug\",digdug\r\n"
                         ",Good,\"Galaga\",galaga.7z\r\n"
                         ",Bad,\"Pac-Man\",pacman.zip\r\n"
                         ",?,\"[UNKNOWN GAME]\",unknown.zip\r\n"
                         ",?,\"Xevious\",xevious.zip\r\n";

struct GameFilesWindow : ListWindow {
    explicit GameFilesWindow(const QByteArray& rows = Games,
                             const std::function<void(StartedWindow&)>& prepare = {})
        : ListWindow(rows, {QStringLiteral("SortColumn=3"), QStringLiteral("SortDirection=0")}, prepare) {}
    QString Path(const QString& relative) const { return env.mamePath() + relative; }
    void Put(const QString& relative, const QByteArray& bytes = "x") { env.writeFile(Path(relative), bytes); }
    bool Exists(const QString& relative) const { return QFileInfo::exists(Path(relative)); }
    void PutPerGameFiles(const QString& shortName) {
        Put(QStringLiteral("cfg/") + shortName + QStringLiteral(".cfg"));
        Put(QStringLiteral("nvram/") + shortName + QStringLiteral(".nv"));
        Put(QStringLiteral("snap/") + shortName + QStringLiteral(".png"));
    }
    bool AnyPerGameFile(const QString& shortName) const {
        return Exists(QStringLiteral("cfg/") + shortName + QStringLiteral(".cfg")) ||
               Exists(QStringLiteral("nvram/") + shortName + QStringLiteral(".nv")) ||
               Exists(QStringLiteral("snap/") + shortName + QStringLiteral(".png"));
    }
    void Run(TCommand command) { form->Context().RunCommand(command); }
    void SelectRow(int row) { form->Context().Window.SelectGridRow(row); }
    QString FileDir(int row) const { return List().Cells(colFileDir, row); }
};

QString Text(const char* text) {
    return QString::fromUtf8(text);
}

const char* const DeleteQuestion = "Are you certain you wish to delete the game: ";
const char* const ResetQuestion = "Are you certain you wish to reset the game ";
const char* const RenamePrompt = "Enter the new name for ";

} // namespace

class TestGameFileCommands : public QObject {
    Q_OBJECT
  private slots:
    void deleteRemovesGameFilesAndRow();
    void deleteFolderGamesTheLastGameAndTheBlankRow();
    void deleteThatCannotRemoveTheGameKeepsEverything();
    void resetRemovesOnlyPerGameFiles();
    void renameMovesGameAndSnapshot();
    void renameRefusesAndFailsWithoutChange_data();
    void renameRefusesAndFailsWithoutChange();
    void testZipShowsTheReport();
    void severalFoldersActOnTheFileTheEmulatorUses();
    void debugModeShowsPlainBoxes();
    void cleanup() { VerifyNoWindowLeftOpen(); }
};

void TestGameFileCommands::deleteRemovesGameFilesAndRow() {
    GameFilesWindow w;
    w.putGame(QStringLiteral("pacman.zip"));
    w.PutPerGameFiles(QStringLiteral("pacman"));
    w.PutPerGameFiles(QStringLiteral("galaga"));
    w.SelectRow(3);

    w.dialogs.expectMessage(DeleteQuestion, mrNo);
    w.Run(TCommand::DeleteGame);
    QVERIFY(w.Exists(QStringLiteral("roms/pacman.zip")));
    QCOMPARE(w.FileDir(3), Text("pacman.zip"));
    QCOMPARE(w.dialogs.records().last().text,
             Text("Are you certain you wish to delete the game: \n\nName:\tPac-Man\nFile/Dir: \tpacman.zip"));

    w.dialogs.expectMessage(DeleteQuestion, mrYes);
    w.Run(TCommand::DeleteGame);
    QVERIFY(!w.Exists(QStringLiteral("roms/pacman.zip")));
    QVERIFY(!w.AnyPerGameFile(QStringLiteral("pacman")));
    QVERIFY(w.Exists(QStringLiteral("snap/galaga.png")));
    QCOMPARE(w.Names(),
             (QStringList{Text("Dig Dug"), Text("Galaga"), Text("[UNKNOWN GAME]"), Text("Xevious")}));
    QCOMPARE(w.Grid().Row(), 2);
    QCOMPARE(w.Setting(QStringLiteral("GameCount")), 4);
    QCOMPARE(w.Setting(QStringLiteral("nFound")), 3);
    QCOMPARE(w.Setting(QStringLiteral("nUnknown")), 1);
    QVERIFY(!w.ListFile().contains("pacman.zip"));

    // A game whose file is already gone: the warning names it and the row still goes.
    w.SelectRow(4);
    w.dialogs.expectMessage(DeleteQuestion, mrYes);
    w.dialogs.expectMessage("The file ", mrOk);
    w.Run(TCommand::DeleteGame);
    QCOMPARE(w.dialogs.records().last().text,
             Text("The file ") + w.romPath() + Text("xevious.zip does not exist."));
    QCOMPARE(w.dialogs.records().last().type, mtWarning);
    QCOMPARE(w.Names().size(), 3);
    QCOMPARE(w.Grid().Row(), 3);
}

void TestGameFileCommands::deleteFolderGamesTheLastGameAndTheBlankRow() {
    GameFilesWindow w(",Good,\"Dig Dug\",digdug\r\n,Good,\"Galaga\",galaga\r\n");
    // digdug: a folder with a sub-folder; galaga: a link to a folder outside rompath.
    QVERIFY(QDir().mkpath(w.romPath() + QStringLiteral("digdug/samples")));
    w.putGame(QStringLiteral("digdug/dd1.bin"));
    w.putGame(QStringLiteral("digdug/samples/keep.wav"));
    const QString outside = w.env.userDataPath() + QStringLiteral("../elsewhere/");
    QVERIFY(QDir().mkpath(outside));
    w.env.writeFile(outside + QStringLiteral("gg1.bin"), "x");
    QVERIFY(QFile::link(outside, w.romPath() + QStringLiteral("galaga")));

    w.SelectRow(2);
    w.dialogs.expectMessage(DeleteQuestion, mrYes);
    w.Run(TCommand::DeleteGame);
    QVERIFY(!QFileInfo(w.romPath() + QStringLiteral("galaga")).isSymLink());
    QVERIFY(QFileInfo::exists(outside + QStringLiteral("gg1.bin")));
    QCOMPARE(w.Grid().Row(), 1);

    w.dialogs.expectMessage(DeleteQuestion, mrYes);
    w.Run(TCommand::DeleteGame);
    QVERIFY(!w.Exists(QStringLiteral("roms/digdug/dd1.bin")));
    QVERIFY(w.Exists(QStringLiteral("roms/digdug/samples/keep.wav")));
    // The only game gone: the empty list's blank row, every counter 0.
    QCOMPARE(w.List().RowCount(), 2);
    QCOMPARE(w.FileDir(1), QString());
    QCOMPARE(w.Grid().Row(), 1);
    for (const char* key : {"GameCount", "nFound", "nUnknown"})
        QCOMPARE(w.Setting(QLatin1String(key)), 0);

    // The blank row names no game: no box (any would fail the test), rompath untouched.
    w.putGame(QStringLiteral("pacman.zip"));
    for (const TCommand command : {TCommand::DeleteGame, TCommand::ResetGame, TCommand::RenameGame})
        w.Run(command);
    QVERIFY(QFileInfo(w.romPath()).isDir());
    QVERIFY(w.Exists(QStringLiteral("roms/pacman.zip")));
}

void TestGameFileCommands::deleteThatCannotRemoveTheGameKeepsEverything() {
    GameFilesWindow w;
    w.putGame(QStringLiteral("pacman.zip"), "PK-pacman");
    w.PutPerGameFiles(QStringLiteral("pacman"));
    const QByteArray listBefore = w.ListFile();
    const UndeletableFile locked(w.romPath() + QStringLiteral("pacman.zip"));
    if (!locked.holds())
        QSKIP("this file system lets root delete any file");
    w.SelectRow(3);
    w.dialogs.expectMessage(DeleteQuestion, mrYes);
    w.dialogs.expectMessage("The file ", mrOk);
    w.Run(TCommand::DeleteGame);

    const ScriptedDialogs::Record& box = w.dialogs.records().last();
    QVERIFY2(box.text.startsWith(Text("The file ") + w.romPath() + Text("pacman.zip could not be deleted: ")),
             qPrintable(box.text));
    QCOMPARE(box.type, mtError);
    QCOMPARE(w.env.readFile(w.romPath() + QStringLiteral("pacman.zip")), QByteArray("PK-pacman"));
    QVERIFY(w.Exists(QStringLiteral("cfg/pacman.cfg")));
    QVERIFY(w.Exists(QStringLiteral("nvram/pacman.nv")));
    QVERIFY(w.Exists(QStringLiteral("snap/pacman.png")));
    QCOMPARE(w.FileDir(3), Text("pacman.zip"));
    QCOMPARE(w.Names().size(), 5);
    QCOMPARE(w.Grid().Row(), 3);
    QCOMPARE(w.ListFile(), listBefore);
}

void TestGameFileCommands::resetRemovesOnlyPerGameFiles() {
    GameFilesWindow w;
    w.putGame(QStringLiteral("pacman.zip"));
    w.PutPerGameFiles(QStringLiteral("pacman"));
    const QByteArray listBefore = w.ListFile();
    w.SelectRow(3);
    w.dialogs.expectMessage(ResetQuestion, mrNo);
    w.Run(TCommand::ResetGame);
    QVERIFY(w.Exists(QStringLiteral("cfg/pacman.cfg")));
    QCOMPARE(w.dialogs.records().last().text, Text("Are you certain you wish to reset the game Pac-Man ?"));

    w.dialogs.expectMessage(ResetQuestion, mrYes);
    w.Run(TCommand::ResetGame);
    QVERIFY(!w.AnyPerGameFile(QStringLiteral("pacman")));
    QVERIFY(w.Exists(QStringLiteral("roms/pacman.zip")));
    QCOMPARE(w.ListFile(), listBefore);
    QCOMPARE(w.Names().size(), 5);
}

void TestGameFileCommands::renameMovesGameAndSnapshot() {
    GameFilesWindow w;
    w.putGame(QStringLiteral("pacman.zip"), "PK-pacman");
    w.PutPerGameFiles(QStringLiteral("pacman"));
    w.SelectRow(3);

    // Cancel, then the same name: nothing changes.
    w.dialogs.expectInput(RenamePrompt, false, QStringLiteral("ignored"));
    w.dialogs.expectInput(RenamePrompt, true, QStringLiteral(" pacman "));
    w.Run(TCommand::RenameGame);
    w.Run(TCommand::RenameGame);
    QVERIFY(w.Exists(QStringLiteral("roms/pacman.zip")));

    w.dialogs.expectInput(RenamePrompt, true, QStringLiteral("  puckman "));
    w.Run(TCommand::RenameGame);
    const ScriptedDialogs::Record& box = w.dialogs.records().last();
    QCOMPARE(box.title, Text("Rename.."));
    QCOMPARE(box.text, Text("Enter the new name for Pac-Man"));
    QCOMPARE(w.env.readFile(w.romPath() + QStringLiteral("puckman.zip")), QByteArray("PK-pacman"));
    QVERIFY(!w.Exists(QStringLiteral("roms/pacman.zip")));
    QVERIFY(w.Exists(QStringLiteral("snap/puckman.png")));
    QVERIFY(!w.Exists(QStringLiteral("snap/pacman.png")));
    QVERIFY(w.Exists(QStringLiteral("cfg/pacman.cfg")));
    QCOMPARE(w.FileDir(3), Text("puckman.zip"));
    QCOMPARE(w.List().Cells(colGameName, 3), Text("Pac-Man"));
    QVERIFY(w.ListFile().contains(",Bad,Pac-Man,puckman.zip"));
}

void TestGameFileCommands::renameRefusesAndFailsWithoutChange_data() {
    QTest::addColumn<QString>("answer");
    QTest::addColumn<QString>("box");
    const QString refused = Text("The name \"");
    const QString failed = Text("Error renaming file/directory!\n\nYou either do not have permission");
    QTest::newRow("empty") << QString() << refused;
    QTest::newRow("blanks") << Text("   ") << refused;
    QTest::newRow("slash") << Text("a/b") << refused;
    QTest::newRow("parent") << Text("..") << refused;
    QTest::newRow("hidden") << Text(".pacman") << refused;
    QTest::newRow("option") << Text("-help") << refused;
    QTest::newRow("taken") << Text("xevious") << failed;
    QTest::newRow("taken, other case") << Text("XEVIOUS") << failed;
}

void TestGameFileCommands::renameRefusesAndFailsWithoutChange() {
    QFETCH(QString, answer);
    QFETCH(QString, box);
    GameFilesWindow w;
    w.putGame(QStringLiteral("pacman.zip"), "PK-pacman");
    w.putGame(QStringLiteral("xevious.zip"), "PK-xevious");
    w.Put(QStringLiteral("snap/pacman.png"), "pac");
    w.Put(QStringLiteral("snap/xevious.png"), "xev");
    const QStringList before = QDir(w.romPath()).entryList(QDir::AllEntries | QDir::Hidden);
    const QByteArray listBefore = w.ListFile();
    w.SelectRow(3);
    w.dialogs.expectInput(RenamePrompt, true, answer);
    w.dialogs.expectMessage(box, mrOk);
    w.Run(TCommand::RenameGame);
    QCOMPARE(w.dialogs.records().last().type, mtError);
    QCOMPARE(QDir(w.romPath()).entryList(QDir::AllEntries | QDir::Hidden), before);
    QCOMPARE(w.env.readFile(w.romPath() + QStringLiteral("xevious.zip")), QByteArray("PK-xevious"));
    QCOMPARE(w.env.readFile(w.Path(QStringLiteral("snap/xevious.png"))), QByteArray("xev"));
    QCOMPARE(w.FileDir(3), Text("pacman.zip"));
    QCOMPARE(w.ListFile(), listBefore);
}

void TestGameFileCommands::testZipShowsTheReport() {
    GameFilesWindow w;
    QVERIFY(WriteArchive(w.romPath() + QStringLiteral("pacman.zip"), ARCHIVE_FORMAT_ZIP,
                         "zip:compression=deflate",
                         {{"pacman.6e", QByteArray(4000, 'a')}, {"pacman.6f", "b"}, {"pacman.6h", "c"}}));
    QVERIFY(
        WriteArchive(w.romPath() + QStringLiteral("galaga.7z"), ARCHIVE_FORMAT_7ZIP, "", {{"gg1.bin", "g"}}));
    w.putGame(QStringLiteral("xevious.zip"), "This is text, not an archive.");
    QVERIFY(QDir().mkpath(w.romPath() + QStringLiteral("digdug")));
    const QByteArray listBefore = w.ListFile();

    struct Case {
        int row;
        QStringList tail;
    };
    const QString rom = w.romPath();
    const QList<Case> cases = {
        {3,
         {Text("Item Count: 3"), QString(), Text("Testing Item 1: pacman.6e"),
          Text("Testing Item 2: pacman.6f"), Text("Testing Item 3: pacman.6h"), QString(),
          Text("No errors in ") + rom + Text("pacman.zip"), Text("Return Code = 0"), QString(),
          Text("Zip file ") + rom + Text("pacman.zip is OK.")}},
        {2,
         {Text("Testing Item 1: gg1.bin"), QString(), Text("No errors in ") + rom + Text("galaga.7z"),
          Text("Return Code = 0"), QString(), Text("Zip file ") + rom + Text("galaga.7z is OK.")}},
        {5,
         {Text("ERROR The file is password protected \\ encrypted."), QString(),
          Text("Zip file ") + rom + Text("xevious.zip contains a problem.")}},
        {1,
         {Text("ERROR Could not determine the Format of ") + rom + Text("digdug"), QString(),
          Text("Zip file ") + rom + Text("digdug contains a problem.")}},
    };
    for (const Case& c : cases) {
        w.SelectRow(c.row);
        QStringList shown;
        CloseViewerWhenShown(&shown);
        w.Run(TCommand::TestZipFile);
        QVERIFY2(shown.size() > c.tail.size(), qPrintable(shown.join(u'|')));
        QCOMPARE(shown.first(), QString());
        QVERIFY(shown.at(1).startsWith(Text("TESTING FILE: ") + rom));
        QCOMPARE(shown.mid(shown.size() - c.tail.size()), c.tail);
    }
    // The test changes no row and no file.
    QCOMPARE(w.ListFile(), listBefore);
    QCOMPARE(w.List().Cells(colStatus, 3), Text("Bad"));
}

// A game in two folders is the file the emulator would use, the first folder's: Test ZIP,
// Delete and Rename act on that one only. A new name taken in any folder is refused.
void TestGameFileCommands::severalFoldersActOnTheFileTheEmulatorUses() {
    GameFilesWindow w(Games, [](StartedWindow& s) { s.env.setRompath(QStringLiteral("roms;extra")); });
    w.putGame(QStringLiteral("pacman.zip"), "PK-first");
    w.Put(QStringLiteral("extra/pacman.zip"), "PK-second");
    w.Put(QStringLiteral("extra/xevious.zip"), "PK-xevious");
    w.putGame(QStringLiteral("mappy.zip"), "PK-mappy");
    const QString extra = w.Path(QStringLiteral("extra/"));

    // The Game Data tab names the folder of the selected game: the first that holds it.
    w.form->Ui().PageControl1->setCurrentIndex(int(TPage::GameData));
    QLineEdit* folder = w.form->Ui().GameData->GameFolderEdit;
    w.SelectRow(3);
    QCOMPARE(folder->text(), w.romPath());
    w.SelectRow(5);
    QCOMPARE(folder->text(), extra);
    w.SelectRow(1);
    QCOMPARE(folder->text(), QString());

    w.SelectRow(5);
    QStringList shown;
    CloseViewerWhenShown(&shown);
    w.Run(TCommand::TestZipFile);
    QVERIFY2(!shown.isEmpty() && shown.last().startsWith(Text("Zip file ") + extra + Text("xevious.zip ")),
             qPrintable(shown.join(u'|')));

    w.SelectRow(3);
    w.dialogs.expectMessage(DeleteQuestion, mrYes);
    w.Run(TCommand::DeleteGame);
    QVERIFY(!w.Exists(QStringLiteral("roms/pacman.zip")));
    QCOMPARE(w.env.readFile(extra + Text("pacman.zip")), QByteArray("PK-second"));
    QCOMPARE(w.FileDir(3), Text("unknown.zip"));

    // xevious.zip lives in the second folder and is renamed there.
    w.SelectRow(4);
    w.dialogs.expectInput(RenamePrompt, true, QStringLiteral("xev2"));
    w.Run(TCommand::RenameGame);
    QCOMPARE(w.env.readFile(extra + Text("xev2.zip")), QByteArray("PK-xevious"));
    QVERIFY(!w.Exists(QStringLiteral("roms/xev2.zip")));
    QCOMPARE(w.FileDir(4), Text("xev2.zip"));

    // mappy.zip in the first folder would hide the renamed game, or be one row with it.
    w.dialogs.expectInput(RenamePrompt, true, QStringLiteral("MAPPY"));
    w.dialogs.expectMessage("Error renaming file/directory!", mrOk);
    w.Run(TCommand::RenameGame);
    QVERIFY(w.Exists(QStringLiteral("extra/xev2.zip")));
    QCOMPARE(w.env.readFile(w.romPath() + Text("mappy.zip")), QByteArray("PK-mappy"));
    QCOMPARE(w.FileDir(4), Text("xev2.zip"));
}

QTEST_MAIN(TestGameFileCommands)
#include "tst_gamefilecommands.moc"

void TestGameFileCommands::debugModeShowsPlainBoxes() {
    GameFilesWindow w;
    QVERIFY(QDir().mkpath(w.romPath() + QStringLiteral("digdug")));
    w.putGame(QStringLiteral("digdug/dd1.bin"));
    w.putGame(QStringLiteral("pacman.zip"));
    w.form->Context().State.debug = true;

    // Plain boxes (no icon, the program's title), each before the step it describes.
    w.SelectRow(3);
    w.dialogs.expectPlain("RESET GAME: GameName = Pac-Man\nGameDir = pacman.zip\nGameStatus = Bad");
    w.dialogs.expectMessage(ResetQuestion, mrNo);
    w.Run(TCommand::ResetGame);
    w.dialogs.expectPlain("GAME: GameName = Pac-Man\nGameDir = pacman.zip\nGameStatus = Bad");
    w.dialogs.expectInput(RenamePrompt, false, QString());
    w.Run(TCommand::RenameGame);

    w.SelectRow(1);
    w.dialogs.expectPlain("DELETE GAME: GameName = Dig Dug\nGameDir = digdug\nGameStatus = Good");
    w.dialogs.expectMessage(DeleteQuestion, mrYes);
    w.dialogs.expectPlain(Text("DELETING ") + w.romPath() + Text("digdug/dd1.bin"));
    w.Run(TCommand::DeleteGame);
    QVERIFY(!w.Exists(QStringLiteral("roms/digdug/dd1.bin")));
}
