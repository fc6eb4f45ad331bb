// What Delete Game and Reset Game do on disk, against folders made here: which entries go,
// which stay, and the warning given.

#include "gamefiles/GameFileActions.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

namespace {

QString S(const char* text) {
    return QString::fromUtf8(text);
}

// Makes a tree under root from entries: "a/b/" a folder, "a/f" a file holding its own
// name, "a/l -> t" a symbolic link to t (relative to root).
bool MakeTree(const QString& root, const QStringList& entries) {
    for (const QString& entry : entries) {
        const QString path = root + entry.section(QStringLiteral(" -> "), 0, 0);
        QDir().mkpath(QFileInfo(path).path());
        if (entry.contains(QStringLiteral(" -> "))) {
            if (!QFile::link(root + entry.section(QStringLiteral(" -> "), 1), path))
                return false;
        } else if (entry.endsWith(QLatin1Char('/'))) {
            if (!QDir().mkpath(path))
                return false;
        } else {
            QFile file(path);
            if (!file.open(QIODevice::WriteOnly) || file.write(entry.toUtf8()) != entry.toUtf8().size())
                return false;
        }
    }
    return true;
}

// Every entry under root, folders ending in "/", links as "name -> ", sorted.
QStringList Tree(const QString& root) {
    QStringList entries;
    QDirIterator it(root, QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        const QFileInfo info = it.fileInfo();
        QString entry = path.mid(root.size());
        if (info.isSymLink())
            entry += QStringLiteral(" -> ");
        else if (info.isDir())
            entry += QLatin1Char('/');
        entries << entry;
    }
    entries.sort();
    return entries;
}

const QStringList Others = {S("roms/galaga.zip"), S("cfg/galaga.cfg"), S("nvram/galaga.nv"),
                            S("snap/galaga.png"), S("cfg/pacman.cfg.bak")};

} // namespace

class TestGameFileActions : public QObject {
    Q_OBJECT

  private:
    QTemporaryDir temp;
    QString root;
    GameFolders folders;

  private slots:
    void init();
    void DeleteTakesTheGameAndItsFilesOnly_data();
    void DeleteTakesTheGameAndItsFilesOnly();
    void ResetTakesThePerGameFilesOnly();
    void UnsetFoldersAreNotTheWorkingFolder();
    void RenameNeverReplacesNorLeavesRompath_data();
    void RenameNeverReplacesNorLeavesRompath();
    void SnapshotFollowsTheRenameButNeverOverAnother_data();
    void SnapshotFollowsTheRenameButNeverOverAnother();
};

void TestGameFileActions::init() {
    root = temp.path() + QLatin1Char('/') +
           QString::fromUtf8(QTest::currentDataTag()).replace(QLatin1Char('/'), QLatin1Char('_')) +
           QString::fromUtf8(QTest::currentTestFunction()) + QLatin1Char('/');
    folders = {root + S("roms/"), root + S("cfg/"), root + S("nvram/"), root + S("snap/")};
    QVERIFY(MakeTree(root, Others));
}

void TestGameFileActions::DeleteTakesTheGameAndItsFilesOnly_data() {
    QTest::addColumn<QString>("fileDir");
    QTest::addColumn<QStringList>("made");
    QTest::addColumn<QStringList>("left"); // besides the other games' files
    QTest::addColumn<QString>("warning");  // %1 rompath
    const QStringList pacmanFiles = {S("cfg/pacman.cfg"), S("nvram/pacman.nv"), S("snap/pacman.png")};
    QTest::newRow("zip") << S("pacman.zip") << QStringList{S("roms/pacman.zip")} + pacmanFiles
                         << QStringList() << QString();
    QTest::newRow("7z") << S("pacman.7z")
                        << QStringList{S("roms/pacman.7z"), S("roms/pacman.zip")} + pacmanFiles
                        << QStringList{S("roms/pacman.zip")} << QString();
    QTest::newRow("names on disk in other letter case")
        << S("pacman.zip") << QStringList{S("roms/PACMAN.ZIP"), S("cfg/PacMan.cfg"), S("snap/pacman.PNG")}
        << QStringList() << QString();
    QTest::newRow("archive missing: warned, its files still go")
        << S("pacman.zip") << pacmanFiles << QStringList() << S("The file %1pacman.zip does not exist.");
    QTest::newRow("read-only archive")
        << S("pacman.zip") << QStringList{S("roms/pacman.zip")} << QStringList() << QString();
    QTest::newRow("archive that is a link: only the link goes")
        << S("pacman.zip") << QStringList{S("store/pacman.zip"), S("roms/pacman.zip -> store/pacman.zip")}
        << QStringList{S("store/"), S("store/pacman.zip")} << QString();
    QTest::newRow("folder with a sub-folder: its top files go")
        << S("abc")
        << QStringList{S("roms/abc/a.bin"), S("roms/abc/b.bin"), S("roms/abc/sub/c.bin"), S("cfg/abc.cfg")}
        << QStringList{S("roms/abc/"), S("roms/abc/sub/"), S("roms/abc/sub/c.bin")} << QString();
    QTest::newRow("folder of files only: it goes")
        << S("abc") << QStringList{S("roms/abc/a.bin"), S("roms/abc/b.bin")} << QStringList() << QString();
    QTest::newRow("folder with a dot: its own files, not abc's")
        << S("abc.old")
        << QStringList{S("roms/abc.old/a.bin"), S("cfg/abc.old.cfg"), S("cfg/abc.cfg"), S("snap/abc.png")}
        << QStringList{S("cfg/abc.cfg"), S("snap/abc.png")} << QString();
    QTest::newRow("folder that is a link: only the link goes")
        << S("xyz") << QStringList{S("store/xyz/rom.bin"), S("roms/xyz -> store/xyz")}
        << QStringList{S("store/"), S("store/xyz/"), S("store/xyz/rom.bin")} << QString();
    QTest::newRow("folder missing") << S("abc") << QStringList() << QStringList()
                                    << S("The directory %1abc does not exist.");
    QTest::newRow("placeholder row: nothing at all")
        << S("") << QStringList{S("roms/pacman.zip"), S("roms/abc/a.bin")}
        << QStringList{S("roms/pacman.zip"), S("roms/abc/"), S("roms/abc/a.bin")} << QString();
    QTest::newRow("a path out of rompath: nothing at all")
        << S("../store") << QStringList{S("store/a.bin"), S("cfg/../store.cfg")}
        << QStringList{S("store/"), S("store/a.bin"), S("store.cfg")} << QString();
}

void TestGameFileActions::DeleteTakesTheGameAndItsFilesOnly() {
    QFETCH(QString, fileDir);
    QFETCH(QStringList, made);
    QFETCH(QStringList, left);
    QFETCH(QString, warning);
    QVERIFY(MakeTree(root, made));
    if (QString::fromUtf8(QTest::currentDataTag()).startsWith(QLatin1String("read-only")))
        QVERIFY(QFile::setPermissions(root + made.first(), QFile::ReadOwner));
    QStringList told;
    const DeleteResult given =
        DeleteGameEntry(folders, fileDir, [&told](const QString& path) { told << path; });
    DeletePerGameFiles(folders, fileDir);

    QCOMPARE(given.outcome, warning.isEmpty() ? DeleteOutcome::Deleted : DeleteOutcome::Missing);
    QCOMPARE(given.message,
             warning.isEmpty() ? QString() : QString(warning).replace(QStringLiteral("%1"), folders.rompath));
    QStringList expected =
        Others + left + QStringList{S("cfg/"), S("nvram/"), S("roms/"), S("roms/galaga.zip"), S("snap/")};
    expected.removeDuplicates();
    expected.sort();
    QCOMPARE(Tree(root), expected);
    for (const QString& path : told)
        QVERIFY2(path.startsWith(folders.rompath + fileDir + QLatin1Char('/')), qPrintable(path));
}

void TestGameFileActions::ResetTakesThePerGameFilesOnly() {
    QVERIFY(MakeTree(
        root, {S("roms/pacman.zip"), S("cfg/pacman.cfg"), S("nvram/PACMAN.nv"), S("snap/pacman.png")}));
    DeletePerGameFiles(folders, S("pacman.zip"));
    QStringList expected =
        Others + QStringList{S("roms/pacman.zip"), S("cfg/"), S("nvram/"), S("roms/"), S("snap/")};
    expected.sort();
    QCOMPARE(Tree(root), expected);
    DeletePerGameFiles(folders, S("pacman.zip")); // none left: nothing happens
    QCOMPARE(Tree(root), expected);
}

void TestGameFileActions::UnsetFoldersAreNotTheWorkingFolder() {
    QVERIFY(MakeTree(root, {S("work/pacman.cfg"), S("work/pacman.nv"), S("work/pacman.png")}));
    const QString saved = QDir::currentPath();
    QVERIFY(QDir::setCurrent(root + S("work")));
    DeletePerGameFiles(GameFolders{folders.rompath, QString(), QString(), QString()}, S("pacman.zip"));
    QVERIFY(QDir::setCurrent(saved));
    QCOMPARE(QDir(root + S("work")).entryList(QDir::Files).size(), 3);
}

void TestGameFileActions::RenameNeverReplacesNorLeavesRompath_data() {
    QTest::addColumn<QString>("fileDir");
    QTest::addColumn<QString>("answer");
    QTest::addColumn<int>("outcome");
    QTest::addColumn<QString>("newFileDir");
    QTest::addColumn<QStringList>(
        "roms"); // rompath afterwards, made as pacman.zip, galaga.zip, abc.old/, abd.old/
    const int unchanged = int(RenameOutcome::Unchanged), refused = int(RenameOutcome::Refused),
              failed = int(RenameOutcome::Failed), renamed = int(RenameOutcome::Renamed);
    const QStringList untouched = {S("abc.old/"), S("abc.old/a.bin"), S("abd.old/"), S("galaga.zip"),
                                   S("pacman.zip")};
    const auto with = [&untouched](const char* gone, const char* come) {
        QStringList roms = untouched;
        roms.removeOne(S(gone));
        roms << S(come);
        roms.sort();
        return roms;
    };
    QTest::newRow("to a free name") << S("pacman.zip") << S(" puck man ") << renamed << S("puck man.zip")
                                    << with("pacman.zip", "puck man.zip");
    QTest::newRow("to another letter case")
        << S("pacman.zip") << S("PacMan") << renamed << S("PacMan.zip") << with("pacman.zip", "PacMan.zip");
    QTest::newRow("listed in other letter case than on disk")
        << S("PACMAN.ZIP") << S("puckman") << renamed << S("puckman.ZIP")
        << with("pacman.zip", "puckman.ZIP");
    QTest::newRow("same name") << S("pacman.zip") << S("pacman") << unchanged << S("pacman.zip") << untouched;
    QTest::newRow("onto a game") << S("pacman.zip") << S("galaga") << failed << S("pacman.zip") << untouched;
    QTest::newRow("onto a game in other letter case")
        << S("pacman.zip") << S("GALAGA") << failed << S("pacman.zip") << untouched;
    QTest::newRow("folder keeps what follows its last dot")
        << S("abc.old") << S("xyz") << renamed << S("xyz.old")
        << QStringList{S("abd.old/"), S("galaga.zip"), S("pacman.zip"), S("xyz.old/"), S("xyz.old/a.bin")};
    QTest::newRow("folder onto an empty folder")
        << S("abc.old") << S("abd") << failed << S("abc.old") << untouched;
    QTest::newRow("empty") << S("pacman.zip") << S("  ") << refused << S("pacman.zip") << untouched;
    QTest::newRow("a path") << S("pacman.zip") << S("a/b") << refused << S("pacman.zip") << untouched;
    QTest::newRow("up") << S("pacman.zip") << S("..") << refused << S("pacman.zip") << untouched;
    QTest::newRow("out of rompath") << S("pacman.zip") << S("../pacman") << refused << S("pacman.zip")
                                    << untouched;
    QTest::newRow("hidden") << S("pacman.zip") << S(".pacman") << refused << S("pacman.zip") << untouched;
    QTest::newRow("placeholder row") << S("") << S("x") << unchanged << S("") << untouched;
    QTest::newRow("game missing") << S("mspacman.zip") << S("x") << failed << S("mspacman.zip") << untouched;
}

void TestGameFileActions::RenameNeverReplacesNorLeavesRompath() {
    QFETCH(QString, fileDir);
    QFETCH(QString, answer);
    QFETCH(int, outcome);
    QFETCH(QString, newFileDir);
    QFETCH(QStringList, roms);
    QVERIFY(MakeTree(folders.rompath, {S("pacman.zip"), S("abc.old/a.bin"), S("abd.old/")}));
    const QByteArray pacman = S("pacman.zip").toUtf8();
    const QStringList outside = Tree(root).filter(QRegularExpression(QStringLiteral("^(?!roms/)")));

    const RenameResult result = RenameGameEntry(QStringList{folders.rompath}, fileDir, answer);
    QCOMPARE(int(result.outcome), outcome);
    QCOMPARE(result.newFileDir, newFileDir);
    QCOMPARE(result.reason.isEmpty(), outcome != int(RenameOutcome::Failed));
    QCOMPARE(Tree(folders.rompath), roms);
    QCOMPARE(Tree(root).filter(QRegularExpression(QStringLiteral("^(?!roms/)"))), outside);
    if (outcome == int(RenameOutcome::Renamed) && !newFileDir.endsWith(QLatin1String(".old"))) {
        QFile moved(folders.rompath + newFileDir);
        QVERIFY(moved.open(QIODevice::ReadOnly));
        QCOMPARE(moved.readAll(), pacman);
    }
}

void TestGameFileActions::SnapshotFollowsTheRenameButNeverOverAnother_data() {
    QTest::addColumn<QString>("oldFileDir");
    QTest::addColumn<QString>("newFileDir");
    QTest::addColumn<QStringList>("made");
    QTest::addColumn<QStringList>("left"); // snap/ afterwards
    QTest::newRow("archive") << S("pacman.zip") << S("puckman.zip") << QStringList{S("snap/pacman.png")}
                             << QStringList{S("galaga.png"), S("puckman.png")};
    QTest::newRow("found in other letter case")
        << S("pacman.zip") << S("puckman.zip") << QStringList{S("snap/PACMAN.PNG")}
        << QStringList{S("galaga.png"), S("puckman.png")};
    QTest::newRow("letter case only")
        << S("pacman.zip") << S("PacMan.zip") << QStringList{S("snap/pacman.png")}
        << QStringList{S("PacMan.png"), S("galaga.png")};
    QTest::newRow("folder with a dot: its own picture")
        << S("abc.old") << S("xyz.old") << QStringList{S("snap/abc.old.png"), S("snap/abc.png")}
        << QStringList{S("abc.png"), S("galaga.png"), S("xyz.old.png")};
    QTest::newRow("onto another game's picture")
        << S("pacman.zip") << S("galaga.zip") << QStringList{S("snap/pacman.png")}
        << QStringList{S("galaga.png"), S("pacman.png")};
    QTest::newRow("onto another game's picture in other letter case")
        << S("pacman.zip") << S("GALAGA.zip") << QStringList{S("snap/pacman.png")}
        << QStringList{S("galaga.png"), S("pacman.png")};
    QTest::newRow("no picture") << S("pacman.zip") << S("puckman.zip") << QStringList()
                                << QStringList{S("galaga.png")};
}

void TestGameFileActions::SnapshotFollowsTheRenameButNeverOverAnother() {
    QFETCH(QString, oldFileDir);
    QFETCH(QString, newFileDir);
    QFETCH(QStringList, made);
    QFETCH(QStringList, left);
    QVERIFY(MakeTree(root, made));
    MoveSnapshot(folders.snapshotDirectory, oldFileDir, newFileDir);
    QCOMPARE(QDir(folders.snapshotDirectory).entryList(QDir::Files, QDir::Name), left);
    QFile galaga(folders.snapshotDirectory + S("galaga.png"));
    QVERIFY(galaga.open(QIODevice::ReadOnly));
    QCOMPARE(galaga.readAll(), QByteArray("snap/galaga.png"));
}

QTEST_GUILESS_MAIN(TestGameFileActions)
#include "tst_gamefileactions.moc"
