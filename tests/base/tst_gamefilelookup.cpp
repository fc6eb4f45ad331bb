// Names compared ignoring ASCII case, the archive rule, finding a game's file on disk
// whatever its letter case, and deleting a file with a bounded wait.

#include "base/AsciiCase.h"
#include "base/DeleteFileAndWait.h"
#include "base/GameFileLookup.h"
#include "base/NameText.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

namespace {

QString s(const char* text) {
    return QString::fromUtf8(text);
}

void Touch(const QString& path) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
}

} // namespace

class TestGameFileLookup : public QObject {
    Q_OBJECT

  private slots:
    void asciiCaseLeavesOtherLettersAlone();
    void archiveName_data();
    void archiveName();
    void findGame_data();
    void findGame();
    void sameLettersWinOverOtherCase();
    void onlyAsciiLettersIgnoreCase();
    void folderThatCannotBeListed();
    void locateGame_data();
    void locateGame();
    void deleteFileAndWait();
    void deleteFileAndWaitGivesUp();
};

void TestGameFileLookup::asciiCaseLeavesOtherLettersAlone() {
    QCOMPARE(AsciiUpper(u"abc-\u00e9\u00df.zip"), s("ABC-\u00e9\u00df.ZIP"));
    QCOMPARE(AsciiLower(u"ABC-\u00c9.ZIP"), s("abc-\u00c9.zip"));
    QVERIFY(SameTextIgnoringAsciiCase(u"Pacman.ZIP", u"pacMAN.zip"));
    QVERIFY(!SameTextIgnoringAsciiCase(u"\u00e9", u"\u00c9"));
    QVERIFY(!SameTextIgnoringAsciiCase(u"abc", u"abcd"));
    QCOMPARE(TrimBlanksAndControls(u" \t\x01 abc d\r\n").toString(), s("abc d"));
}

void TestGameFileLookup::archiveName_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("archive");
    QTest::newRow("zip") << s("abc.zip") << true;
    QTest::newRow("7z capitals") << s("ABC.7Z") << true;
    QTest::newRow("Zip mixed") << s("abc.Zip") << true;
    QTest::newRow(".z is a piece of .ZIP") << s("abc.z") << true;
    QTest::newRow(".7 too") << s("abc.7") << true;
    QTest::newRow("last dot counts") << s("x.zip.old") << false;
    QTest::newRow("rar") << s("abc.rar") << false;
    QTest::newRow("no extension") << s("abc") << false;
    QTest::newRow("zipx") << s("abc.zipx") << false;
}

void TestGameFileLookup::archiveName() {
    QFETCH(QString, name);
    QFETCH(bool, archive);
    QCOMPARE(IsArchiveName(name), archive);
}

void TestGameFileLookup::findGame_data() {
    QTest::addColumn<QString>("fileDir");
    QTest::addColumn<QString>("found"); // the name on disk, empty for none
    QTest::newRow("same letters") << s("pong.zip") << s("pong.zip");
    QTest::newRow("capitals on disk") << s("abc.zip") << s("ABC.Zip");
    QTest::newRow("capitals in the list") << s("PONG.ZIP") << s("pong.zip");
    QTest::newRow("folder with capitals") << s("breakout") << s("BreakOut");
    QTest::newRow("a folder is no archive") << s("x.zip") << s("");
    QTest::newRow("a file is no folder") << s("plain") << s("");
    QTest::newRow("missing") << s("gone.zip") << s("");
    QTest::newRow("empty names nothing") << s("") << s("");
}

void TestGameFileLookup::findGame() {
    QFETCH(QString, fileDir);
    QFETCH(QString, found);
    QTemporaryDir dir;
    const QString rompath = dir.path() + u'/';
    Touch(rompath + s("pong.zip"));
    Touch(rompath + s("ABC.Zip"));
    Touch(rompath + s("plain"));
    QVERIFY(QDir().mkpath(rompath + s("BreakOut")));
    QVERIFY(QDir().mkpath(rompath + s("x.zip")));

    const TFolderListing listing(rompath);
    QVERIFY(listing.IsListed());
    QCOMPARE(FindGame(listing, fileDir), found);
    QCOMPARE(FindGameFile(rompath, fileDir), found.isEmpty() ? QString() : rompath + found);
}

void TestGameFileLookup::locateGame_data() {
    QTest::addColumn<QString>("fileDir");
    QTest::addColumn<int>("folder"); // 0 the first folder, 1 the second, -1 none
    QTest::addColumn<QString>("found");
    QTest::newRow("first folder only") << s("pacman.zip") << 0 << s("pacman.zip");
    QTest::newRow("second folder only") << s("pong.zip") << 1 << s("pong.zip");
    QTest::newRow("both: the first wins") << s("galaga.zip") << 0 << s("galaga.zip");
    QTest::newRow("first by another case") << s("GALAXIAN.zip") << 0 << s("Galaxian.ZIP");
    QTest::newRow("a folder in the first is no archive") << s("dkong.zip") << 1 << s("dkong.zip");
    QTest::newRow("folder game in the second") << s("breakout") << 1 << s("BREAKOUT");
    QTest::newRow("in no folder") << s("gone.zip") << -1 << s("");
}

// The file the emulator would use: the first folder in order that holds the game; a folder
// that does not exist is passed over.
void TestGameFileLookup::locateGame() {
    QFETCH(QString, fileDir);
    QFETCH(int, folder);
    QFETCH(QString, found);
    QTemporaryDir dir;
    const QStringList folders = {dir.path() + s("/first/"), dir.path() + s("/gone/"),
                                 dir.path() + s("/second/")};
    QVERIFY(QDir().mkpath(folders[0]));
    QVERIFY(QDir().mkpath(folders[2]));
    for (const char* name : {"pacman.zip", "galaga.zip", "Galaxian.ZIP"})
        Touch(folders[0] + s(name));
    QVERIFY(QDir().mkpath(folders[0] + s("dkong.zip")));
    for (const char* name : {"pong.zip", "galaga.zip", "galaxian.zip", "dkong.zip"})
        Touch(folders[2] + s(name));
    QVERIFY(QDir().mkpath(folders[2] + s("BREAKOUT")));

    const GameLocation location = LocateGame(folders, fileDir);
    const QString expectedFolder = folder < 0 ? QString() : folders[folder == 0 ? 0 : 2];
    QCOMPARE(location.folder, expectedFolder);
    QCOMPARE(location.path, found.isEmpty() ? QString() : expectedFolder + found);
}

void TestGameFileLookup::sameLettersWinOverOtherCase() {
    QTemporaryDir dir;
    const QString rompath = dir.path() + u'/';
    for (const char* name : {"ABC.ZIP", "Abc.zip", "abc.zip"})
        Touch(rompath + s(name));
    const TFolderListing listing(rompath);
    QCOMPARE(FindGame(listing, u"abc.zip"), s("abc.zip"));
    QCOMPARE(FindGame(listing, u"aBC.zip"), s("ABC.ZIP"));
    QCOMPARE(FindGameFile(rompath, s("Abc.zip")), rompath + s("Abc.zip"));
    QCOMPARE(FindFileIgnoringCase(rompath, s("aBc.ZIP")), rompath + s("ABC.ZIP"));
}

// Only the letters A to Z change case, as in every name comparison.
void TestGameFileLookup::onlyAsciiLettersIgnoreCase() {
    QTemporaryDir dir;
    const QString folder = dir.path() + u'/';
    Touch(folder + s("\xC3\x89t\xC3\xA9.ZIP"));
    QCOMPARE(FindFileIgnoringCase(folder, s("\xC3\x89T\xC3\xA9.zip")), folder + s("\xC3\x89t\xC3\xA9.ZIP"));
    QCOMPARE(FindFileIgnoringCase(folder, s("\xC3\xA9t\xC3\xA9.zip")), folder + s("\xC3\xA9t\xC3\xA9.zip"));
    QCOMPARE(FindFileIgnoringCase(folder, s("missing")), folder + s("missing"));
}

void TestGameFileLookup::folderThatCannotBeListed() {
    QTemporaryDir dir;
    const TFolderListing missing(dir.path() + s("/unplugged/"));
    QVERIFY(!missing.IsListed());
    QVERIFY(missing.Entries().empty());
    const TFolderListing empty(dir.path() + u'/');
    QVERIFY(empty.IsListed());
}

void TestGameFileLookup::deleteFileAndWait() {
    QTemporaryDir dir;
    const QString file = dir.path() + s("/Pellmora.GAM");
    Touch(file);
    QVERIFY(DeleteFileAndWait(file));
    QVERIFY(!QFile::exists(file));
    QVERIFY(DeleteFileAndWait(file)); // nothing to delete
}

// A name that cannot be deleted (here a folder holding a file) ends the wait after the bound.
void TestGameFileLookup::deleteFileAndWaitGivesUp() {
    QTemporaryDir dir;
    const QString file = dir.path() + s("/Pellmora.GAM");
    QVERIFY(QDir().mkpath(file));
    Touch(file + s("/inside"));
    QElapsedTimer timer;
    timer.start();
    QVERIFY(!DeleteFileAndWait(file, 200));
    QVERIFY(timer.elapsed() < 5000);
    QVERIFY(QFileInfo::exists(file));
}

QTEST_GUILESS_MAIN(TestGameFileLookup)
#include "tst_gamefilelookup.moc"
