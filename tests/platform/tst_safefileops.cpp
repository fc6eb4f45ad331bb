// The file operations on games: moves that never replace, copies that appear whole or not
// at all, deletions that follow no link.

#include "platform/SafeFileOps.h"
#include "support/FileSizeLimit.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QtTest>

#include <sys/stat.h>

namespace {

bool Write(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

QByteArray Read(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

bool IsLink(const QString& path) {
    return QFileInfo(path).isSymLink();
}

mode_t Mode(const QString& path) {
    struct stat status {};
    return lstat(QFile::encodeName(path).constData(), &status) == 0 ? status.st_mode & 07777 : 0;
}

} // namespace

class TestSafeFileOps : public QObject {
    Q_OBJECT

  private:
    QTemporaryDir temp;
    QString root;
    QString P(const char* name) const { return root + QString::fromUtf8(name); }

  private slots:
    void init();
    void MovesNeverReplace_data();
    void MovesNeverReplace();
    void CopyPutsAWholeWritableFileInPlace();
    void FailedCopyLeavesTheTargetUntouched_data();
    void FailedCopyLeavesTheTargetUntouched();
    void CopyOntoItselfOrALinkKeepsTheOtherFiles();
    void SameFileMeansSameInode();
    void ReadOnlyIsClearedButNotThroughALink();
    void DeleteDirectoryTakesOnlyTopLevelFilesAndFollowsNoLink();
    void DeleteDirectoryOfALinkOrANonFolder();
};

void TestSafeFileOps::init() {
    root = temp.path() + QLatin1Char('/') + QString::fromUtf8(QTest::currentTestFunction()) +
           QString::fromUtf8(QTest::currentDataTag()).replace(QLatin1Char('/'), QLatin1Char('_')) +
           QLatin1Char('/');
    QVERIFY(QDir().mkpath(root));
}

// Both moves (the no-replace rename and the fallback by hard link) against the same cases.
void TestSafeFileOps::MovesNeverReplace_data() {
    QTest::addColumn<bool>("byLink");
    QTest::addColumn<QString>("from");
    QTest::addColumn<QString>("to");
    QTest::addColumn<bool>("moves");
    const auto S = [](const char* text) { return QString::fromUtf8(text); };
    for (const bool byLink : {false, true}) {
        const QByteArray kind = byLink ? "by link: " : "rename: ";
        QTest::newRow(kind + "file to a free name")
            << byLink << S("pacman.zip") << S("puck man $1.zip") << true;
        QTest::newRow(kind + "file onto a file") << byLink << S("pacman.zip") << S("galaga.zip") << false;
        QTest::newRow(kind + "file onto a folder") << byLink << S("pacman.zip") << S("emptydir") << false;
        QTest::newRow(kind + "file to another letter case")
            << byLink << S("pacman.zip") << S("PacMan.zip") << true;
        QTest::newRow(kind + "folder to a free name") << byLink << S("gamedir") << S("newdir") << true;
        QTest::newRow(kind + "folder onto an empty folder")
            << byLink << S("gamedir") << S("emptydir") << false;
        QTest::newRow(kind + "folder onto a file") << byLink << S("gamedir") << S("galaga.zip") << false;
        QTest::newRow(kind + "link to a free name") << byLink << S("link.zip") << S("moved.zip") << true;
        QTest::newRow(kind + "missing source") << byLink << S("missing.zip") << S("other.zip") << false;
    }
}

void TestSafeFileOps::MovesNeverReplace() {
    QFETCH(bool, byLink);
    QFETCH(QString, from);
    QFETCH(QString, to);
    QFETCH(bool, moves);
    QVERIFY(Write(P("pacman.zip"), "pacman"));
    QVERIFY(Write(P("galaga.zip"), "galaga"));
    QVERIFY(QDir().mkpath(P("gamedir")) && Write(P("gamedir/rom.bin"), "rom"));
    QVERIFY(QDir().mkpath(P("emptydir")));
    QVERIFY(QFile::link(P("galaga.zip"), P("link.zip")));
    const auto snapshot = [this] {
        QStringList state;
        for (const char* name : {"pacman.zip", "galaga.zip", "gamedir/rom.bin", "link.zip"})
            state << QString::fromUtf8(name) + QLatin1Char('=') + QString::fromUtf8(Read(P(name)));
        state << QDir(root).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::System);
        return state;
    };
    const QStringList before = snapshot();
    const bool wasLink = IsLink(root + from);
    const QByteArray content =
        Read(root + from + (QFileInfo(root + from).isDir() ? QStringLiteral("/rom.bin") : QString()));

    const FileOpResult result =
        byLink ? MoveByLink(root + from, root + to) : MoveWithoutReplacing(root + from, root + to);
    QCOMPARE(result.ok, moves);
    if (!moves) {
        QVERIFY(!result.reason.isEmpty());
        QCOMPARE(snapshot(), before);
        return;
    }
    QVERIFY(!QFileInfo::exists(root + from) || from.compare(to, Qt::CaseInsensitive) == 0);
    QCOMPARE(IsLink(root + to), wasLink);
    QCOMPARE(Read(root + to + (QFileInfo(root + to).isDir() ? QStringLiteral("/rom.bin") : QString())),
             content);
    QCOMPARE(Read(P("galaga.zip")), QByteArray("galaga")); // a link's target is never touched
}

void TestSafeFileOps::CopyPutsAWholeWritableFileInPlace() {
    QByteArray bytes(3 * 1024 * 1024 + 17, 'x'); // more than one buffer's worth
    bytes[12345] = 'y';
    QVERIFY(Write(P("source.zip"), bytes));
    QVERIFY(QFile::setPermissions(P("source.zip"), QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther));
    QVERIFY(QDir().mkpath(P("roms")));
    QVERIFY(Write(P("roms/pacman.zip"), "old copy"));

    const FileOpResult result = CopyIntoPlace(P("source.zip"), P("roms/pacman.zip"));
    QVERIFY2(result.ok, qPrintable(result.reason));
    QCOMPARE(Read(P("roms/pacman.zip")), bytes);
    QCOMPARE(Mode(P("roms/pacman.zip")), mode_t(0644)); // the read-only bit cleared, nothing else
    QCOMPARE(Read(P("source.zip")), bytes);
    QCOMPARE(QDir(P("roms")).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
             QStringList{QStringLiteral("pacman.zip")});
}

void TestSafeFileOps::FailedCopyLeavesTheTargetUntouched_data() {
    QTest::addColumn<QString>("why");
    QTest::newRow("disk full") << QStringLiteral("full");
    QTest::newRow("no target folder") << QStringLiteral("folder");
    QTest::newRow("no source") << QStringLiteral("source");
}

void TestSafeFileOps::FailedCopyLeavesTheTargetUntouched() {
    QFETCH(QString, why);
    QVERIFY(Write(P("source.zip"), QByteArray(200000, 'n')));
    QVERIFY(QDir().mkpath(P("roms")));
    QVERIFY(Write(P("roms/pacman.zip"), "the only copy"));
    const QString source = why == QLatin1String("source") ? P("missing.zip") : P("source.zip");
    const QString target = why == QLatin1String("folder") ? P("nowhere/pacman.zip") : P("roms/pacman.zip");
    FileOpResult result;
    {
        const FileSizeLimit limit(why == QLatin1String("full") ? 100000 : RLIM_INFINITY);
        result = CopyIntoPlace(source, target);
    }
    QVERIFY(!result.ok);
    QVERIFY(!result.reason.isEmpty());
    QCOMPARE(Read(P("roms/pacman.zip")), QByteArray("the only copy"));
    QCOMPARE(QDir(P("roms")).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
             QStringList{QStringLiteral("pacman.zip")});
}

void TestSafeFileOps::CopyOntoItselfOrALinkKeepsTheOtherFiles() {
    QVERIFY(Write(P("pacman.zip"), "the only copy"));
    QVERIFY(CopyIntoPlace(P("pacman.zip"), P("pacman.zip")).ok);
    QVERIFY(CopyIntoPlace(P("./pacman.zip"), P("pacman.zip")).ok);
    QCOMPARE(Read(P("pacman.zip")), QByteArray("the only copy"));

    // A target that links elsewhere is replaced as a link; the file it named stays as it was.
    QVERIFY(Write(P("elsewhere.zip"), "someone else's"));
    QVERIFY(QFile::link(P("elsewhere.zip"), P("galaga.zip")));
    QVERIFY(CopyIntoPlace(P("pacman.zip"), P("galaga.zip")).ok);
    QVERIFY(!IsLink(P("galaga.zip")));
    QCOMPARE(Read(P("galaga.zip")), QByteArray("the only copy"));
    QCOMPARE(Read(P("elsewhere.zip")), QByteArray("someone else's"));
}

void TestSafeFileOps::SameFileMeansSameInode() {
    QVERIFY(Write(P("a.zip"), "same"));
    QVERIFY(Write(P("twin.zip"), "same"));
    QVERIFY(QFile::link(P("a.zip"), P("soft.zip")));
    QVERIFY(::link(QFile::encodeName(P("a.zip")).constData(), QFile::encodeName(P("hard.zip")).constData()) ==
            0);
    QVERIFY(IsSameFile(P("a.zip"), P("a.zip")));
    QVERIFY(IsSameFile(P("a.zip"), P("./a.zip")));
    QVERIFY(IsSameFile(P("a.zip"), P("hard.zip")));
    QVERIFY(IsSameFile(P("soft.zip"), P("a.zip")));
    QVERIFY(!IsSameFile(P("a.zip"), P("twin.zip")));
    QVERIFY(!IsSameFile(P("a.zip"), P("missing.zip")));
    QVERIFY(!IsSameFile(P("missing.zip"), P("missing.zip")));
}

void TestSafeFileOps::ReadOnlyIsClearedButNotThroughALink() {
    QVERIFY(Write(P("game.zip"), "x"));
    QVERIFY(QDir().mkpath(P("gamedir")));
    QVERIFY(Write(P("target.zip"), "x"));
    QVERIFY(QFile::link(P("target.zip"), P("link.zip")));
    for (const char* name : {"game.zip", "target.zip"})
        QVERIFY(::chmod(QFile::encodeName(P(name)).constData(), 0444) == 0);
    QVERIFY(::chmod(QFile::encodeName(P("gamedir")).constData(), 0555) == 0);

    ClearReadOnly(P("game.zip"));
    ClearReadOnly(P("gamedir/"));
    ClearReadOnly(P("link.zip"));
    ClearReadOnly(P("missing.zip"));
    QCOMPARE(Mode(P("game.zip")), mode_t(0644));
    QCOMPARE(Mode(P("gamedir")), mode_t(0755));
    QCOMPARE(Mode(P("target.zip")), mode_t(0444));
}

void TestSafeFileOps::DeleteDirectoryTakesOnlyTopLevelFilesAndFollowsNoLink() {
    QVERIFY(QDir().mkpath(P("outside/folder")));
    QVERIFY(Write(P("outside/keep.bin"), "keep"));
    QVERIFY(Write(P("outside/folder/keep.bin"), "keep"));
    QVERIFY(QDir().mkpath(P("roms/abc/sub")));
    QVERIFY(Write(P("roms/abc/rom 1.bin"), "1"));
    QVERIFY(Write(P("roms/abc/.hidden"), "2"));
    QVERIFY(Write(P("roms/abc/sub/deep.bin"), "3"));
    QVERIFY(QFile::link(P("outside/keep.bin"), P("roms/abc/file-link")));
    QVERIFY(QFile::link(P("outside/folder"), P("roms/abc/folder-link")));
    QVERIFY(::chmod(QFile::encodeName(P("roms/abc/rom 1.bin")).constData(), 0444) == 0);

    QStringList told;
    QVERIFY(DeleteDirectory(P("roms/abc"), [&told](const QString& path) { told << path; }));
    told.sort();
    QCOMPARE(told, (QStringList{P("roms/abc/.hidden"), P("roms/abc/file-link"), P("roms/abc/folder-link"),
                                P("roms/abc/rom 1.bin")}));
    QCOMPARE(
        QDir(P("roms/abc")).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System),
        QStringList{QStringLiteral("sub")});
    QCOMPARE(Read(P("roms/abc/sub/deep.bin")), QByteArray("3"));
    QCOMPARE(Read(P("outside/keep.bin")), QByteArray("keep"));
    QCOMPARE(Read(P("outside/folder/keep.bin")), QByteArray("keep"));

    // Once only files are left, the folder itself goes too.
    QVERIFY(QDir().mkpath(P("roms/flat")) && Write(P("roms/flat/a.bin"), "a"));
    QVERIFY(DeleteDirectory(P("roms/flat/")));
    QVERIFY(!QFileInfo::exists(P("roms/flat")));
}

void TestSafeFileOps::DeleteDirectoryOfALinkOrANonFolder() {
    QVERIFY(QDir().mkpath(P("collection/xyz")));
    QVERIFY(Write(P("collection/xyz/rom.bin"), "keep"));
    QVERIFY(QDir().mkpath(P("roms")));
    QVERIFY(QFile::link(P("collection/xyz"), P("roms/xyz")));
    QVERIFY(QFile::link(P("collection/xyz"), P("roms/xyz2")));
    QVERIFY(Write(P("roms/plain"), "a file, not a folder"));

    QVERIFY(DeleteDirectory(P("roms/xyz")));
    QVERIFY(DeleteDirectory(P("roms/xyz2/"))); // a trailing "/" must not lead through the link
    QVERIFY(!QFileInfo(P("roms/xyz")).isSymLink() && !QFileInfo::exists(P("roms/xyz")));
    QVERIFY(!QFileInfo(P("roms/xyz2")).isSymLink());
    QCOMPARE(Read(P("collection/xyz/rom.bin")), QByteArray("keep"));

    QVERIFY(!DeleteDirectory(P("roms/missing")));
    QVERIFY(!DeleteDirectory(P("roms/plain")));
    QCOMPARE(Read(P("roms/plain")), QByteArray("a file, not a folder"));
}

QTEST_GUILESS_MAIN(TestSafeFileOps)
#include "tst_safefileops.moc"
