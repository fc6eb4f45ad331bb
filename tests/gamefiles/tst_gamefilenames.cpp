// The naming rules of the game commands: archive or folder row, short name, per-game files,
// and the names they refuse to act on or give.

#include "gamefiles/GameFileNames.h"

#include <QtTest>

class TestGameFileNames : public QObject {
    Q_OBJECT

  private slots:
    void RowKindAndShortName_data();
    void RowKindAndShortName();
    void NamesActedOnAndGiven_data();
    void NamesActedOnAndGiven();
    void PerGameFilesFollowTheShortName();
};

void TestGameFileNames::RowKindAndShortName_data() {
    QTest::addColumn<QString>("fileDir");
    QTest::addColumn<QString>("extension");
    QTest::addColumn<bool>("archive");
    QTest::addColumn<QString>("shortName");
    const auto S = [](const char* text) { return QString::fromUtf8(text); };
    QTest::newRow("zip") << S("pacman.zip") << S(".zip") << true << S("pacman");
    QTest::newRow("7z, upper case") << S("PACMAN.7Z") << S(".7Z") << true << S("PACMAN");
    QTest::newRow("mixed case") << S("PacMan.Zip") << S(".Zip") << true << S("PacMan");
    QTest::newRow("a text search: .z passes") << S("abc.z") << S(".z") << true << S("abc");
    QTest::newRow("a text search: .7 passes") << S("abc.7") << S(".7") << true << S("abc");
    QTest::newRow("folder") << S("galaga") << S("") << false << S("galaga");
    QTest::newRow("folder with a dot") << S("abc.old") << S(".old") << false << S("abc.old");
    QTest::newRow("last dot counts") << S("a.zip.txt") << S(".txt") << false << S("a.zip.txt");
    QTest::newRow("bare extension") << S(".zip") << S(".zip") << true << S("");
    QTest::newRow("text file") << S("README.TXT") << S(".TXT") << false << S("README.TXT");
    QTest::newRow("dotless i is not ASCII")
        << S("abc.z\u0131p") << S(".z\u0131p") << false << S("abc.z\u0131p");
    QTest::newRow("empty") << S("") << S("") << false << S("");
}

void TestGameFileNames::RowKindAndShortName() {
    QFETCH(QString, fileDir);
    QFETCH(QString, extension);
    QFETCH(bool, archive);
    QFETCH(QString, shortName);
    QCOMPARE(FileExtension(fileDir), extension);
    QCOMPARE(IsArchiveName(fileDir), archive);
    QCOMPARE(ShortName(fileDir), shortName);
}

void TestGameFileNames::NamesActedOnAndGiven_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("actedOn");
    QTest::addColumn<bool>("given");
    const auto S = [](const char* text) { return QString::fromUtf8(text); };
    QTest::newRow("plain") << S("puckman") << true << true;
    QTest::newRow("blanks, quotes, $, capitals") << S("Puck 'Man' $1") << true << true;
    QTest::newRow("read as an option") << S("-puck") << true << false;
    QTest::newRow("placeholder row") << S("") << false << false;
    QTest::newRow("current folder") << S(".") << false << false;
    QTest::newRow("parent folder") << S("..") << false << false;
    QTest::newRow("a path") << S("a/b") << false << false;
    QTest::newRow("out of rompath") << S("../pacman") << false << false;
    QTest::newRow("hidden") << S(".pacman") << true << false;
    QTest::newRow("holding ..") << S("pac..man") << true << false;
    QTest::newRow("NUL") << QStringLiteral("pac") + QChar(0) + QStringLiteral("man") << false << false;
    // The list and the report keep one line per game: a name with a line break is never given.
    QTest::newRow("line feed") << S("pac\nman.zip") << true << false;
    QTest::newRow("carriage return") << S("pac\rman.zip") << true << false;
}

void TestGameFileNames::NamesActedOnAndGiven() {
    QFETCH(QString, name);
    QFETCH(bool, actedOn);
    QFETCH(bool, given);
    QCOMPARE(IsGameEntryName(name), actedOn);
    QCOMPARE(IsAcceptableNewName(name), given);
}

void TestGameFileNames::PerGameFilesFollowTheShortName() {
    const auto files = PerGameFiles(QStringLiteral("pacman"), QStringLiteral("/m/cfg/"),
                                    QStringLiteral("/m/nvram/"), QStringLiteral("/m/snap/"));
    QCOMPARE(files.size(), size_t(3));
    QStringList paths;
    for (const PerGameFile& file : files)
        paths << file.folder + file.name;
    QCOMPARE(paths, (QStringList{QStringLiteral("/m/cfg/pacman.cfg"), QStringLiteral("/m/nvram/pacman.nv"),
                                 QStringLiteral("/m/snap/pacman.png")}));
    // No short name, no file: never the folders themselves or a hidden ".cfg".
    QVERIFY(PerGameFiles(QString(), QStringLiteral("/m/cfg/"), QStringLiteral("/m/nvram/"),
                         QStringLiteral("/m/snap/"))
                .empty());
    QVERIFY(PerGameFiles(QStringLiteral("../x"), QStringLiteral("/m/cfg/"), QStringLiteral("/m/nvram/"),
                         QStringLiteral("/m/snap/"))
                .empty());
}

QTEST_GUILESS_MAIN(TestGameFileNames)
#include "tst_gamefilenames.moc"
