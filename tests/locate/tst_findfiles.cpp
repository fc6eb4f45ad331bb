#include "locate/FindFiles.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

namespace {

void makeFile(const QString& path, bool runnable = true) {
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        qFatal("cannot write a fixture");
    file.close();
    QFileDevice::Permissions permissions = QFileDevice::ReadOwner | QFileDevice::WriteOwner;
    if (runnable)
        permissions |= QFileDevice::ExeOwner;
    file.setPermissions(permissions);
}

} // namespace

class TestFindFiles : public QObject {
    Q_OBJECT

  private slots:
    void mask_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("runnable");
        QTest::addColumn<bool>("matches");
        QTest::newRow("mame") << "mame" << true << true;
        QTest::newRow("MAME64") << "MAME64" << true << true;
        QTest::newRow("mame1") << "mame1" << true << true;
        QTest::newRow("mamexyz too long") << "mamexyz" << true << false;
        QTest::newRow("not runnable") << "mame" << false << false;
        QTest::newRow("other name") << "mess" << true << false;
        QTest::newRow("prefix only") << "mam" << true << false;
    }
    void mask() {
        QFETCH(QString, name);
        QFETCH(bool, runnable);
        QFETCH(bool, matches);
        QTemporaryDir dir;
        makeFile(dir.filePath(name), runnable);
        QCOMPARE(MatchesMameMask(QFileInfo(dir.filePath(name))), matches);
    }

    void walksFilesFirstThenFoldersInNameOrder() {
        QTemporaryDir dir;
        const QString root = dir.path() + QLatin1Char('/');
        makeFile(root + QStringLiteral("b/mame"));
        makeFile(root + QStringLiteral("b/deeper/MAME64"));
        makeFile(root + QStringLiteral("a/mame1"));
        makeFile(root + QStringLiteral("a/mamexyz"));
        makeFile(root + QStringLiteral("a/readme.txt"));
        makeFile(root + QStringLiteral("mame64"));
        makeFile(root + QStringLiteral("plain/mame"), false);
        makeFile(root + QStringLiteral(".cache/mame"));
        makeFile(root + QStringLiteral("mame/inside/mame")); // a folder named like the emulator
        QVERIFY(QFile::link(root + QStringLiteral("b"), root + QStringLiteral("c-link"))); // not followed
        QVERIFY(QFile::link(root, root + QStringLiteral("a/loop")));                       // nor a loop

        QStringList found;
        int afterEach = 0;
        FindFiles(found, dir.path(), MatchesMameMask, [&] { ++afterEach; });
        const QStringList expected{
            root + QStringLiteral("mame64"),           root + QStringLiteral("a/mame1"),
            root + QStringLiteral("b/mame"),           root + QStringLiteral("b/deeper/MAME64"),
            root + QStringLiteral("mame/inside/mame"),
        };
        QCOMPARE(found, expected);
        QCOMPARE(afterEach, expected.size());
    }

    void unreadableFolderYieldsNothing() {
        QTemporaryDir dir;
        const QString root = dir.path() + QLatin1Char('/');
        makeFile(root + QStringLiteral("closed/mame"));
        makeFile(root + QStringLiteral("open/mame"));
        QFile::setPermissions(root + QStringLiteral("closed"), QFileDevice::WriteOwner);
        if (QDir(root + QStringLiteral("closed")).isReadable())
            QSKIP("running with rights that read any folder");
        QStringList found;
        FindFiles(found, root, MatchesMameMask);
        QFile::setPermissions(root + QStringLiteral("closed"),
                              QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
        QCOMPARE(found, QStringList{root + QStringLiteral("open/mame")});
    }

    void missingFolderYieldsNothing() {
        QStringList found{QStringLiteral("kept")};
        FindFiles(found, QStringLiteral("/no/such/folder"), MatchesMameMask);
        QCOMPARE(found, QStringList{QStringLiteral("kept")});
    }

    void resultLines_data() {
        QTest::addColumn<QString>("version");
        QTest::addColumn<QString>("line");
        QTest::newRow("good") << "0.180.0.0"
                              << "/emu/mame64 (Version 0.180.0.0)";
        QTest::newRow("minimum") << "0.172.0.0"
                                 << "/emu/mame64 (Version 0.172.0.0)";
        QTest::newRow("old") << "0.150.0.0"
                             << "/emu/mame64 (Version 0.150.0.0 OLD VERSION)";
        QTest::newRow("unknown") << "0.0.0.0"
                                 << "/emu/mame64 (Version 0.0.0.0 UNKNOWN VERSION)";
    }
    void resultLines() {
        QFETCH(QString, version);
        QFETCH(QString, line);
        QCOMPARE(SearchResultLine(QStringLiteral("/emu/mame64"), version), line);
        QCOMPARE(SearchResultFolder(line), QStringLiteral("/emu/"));
        QCOMPARE(SearchResultIsOld(line), line.contains(QStringLiteral("OLD VERSION")));
    }

    void oldFlagOnlyAtTheEnd() {
        const QString line =
            SearchResultLine(QStringLiteral("/OLD VERSION/mame"), QStringLiteral("0.251.0.0"));
        QVERIFY(!SearchResultIsOld(line));
        QCOMPARE(SearchResultFolder(line), QStringLiteral("/OLD VERSION/"));
    }
};

QTEST_GUILESS_MAIN(TestFindFiles)
#include "tst_findfiles.moc"
