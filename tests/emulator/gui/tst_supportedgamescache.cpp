// The supported-games list is made once per emulator executable: Verify Game uses it again,
// a changed executable or an unfinished list makes it anew, List Supported Games always does.

#include "base/gui/CommandContext.h"
#include "emulator/gui/SupportedGamesFile.h"
#include "gamefiles/ArchiveFixtures.h"
#include "mainwindow/gui/TForm1.h"
#include "support/StartedWindow.h"

#include <QFile>
#include <QtTest>

class TestSupportedGamesCache : public QObject {
    Q_OBJECT

  private slots:
    void cleanup();
    void listMadeAgainOnlyWhenItsEmulatorChanged();
    void failedRunLeavesNoStamp();
    void addingGamesMakesTheListOnce();
};

namespace {

struct CacheWindow : StartedWindow {
    CacheWindow() : StartedWindow(",?,\"Galaga\",galaga.zip\r\n") {
        putGame(QStringLiteral("galaga.zip"));
        context().State.DisplayVerifyGame = false;
        context().Window.SelectGridRow(1);
    }
    qsizetype listRuns() const { return runsOf(QStringLiteral("-listfull")).size(); }
    QString exe() { return context().State.MAMEPath + context().State.MAMEEXE; }
    QString listFile() { return SupportedGamesFileName(context().State.UserDataPath); }
    QString stampFile() { return SupportedGamesStampName(context().State.UserDataPath); }
    void verifyGame() {
        context().RunCommand(TCommand::VerifyGame);
        QCOMPARE(status(1), QStringLiteral("Good"));
    }
};

} // namespace

void TestSupportedGamesCache::cleanup() {
    VerifyNoWindowLeftOpen();
}

void TestSupportedGamesCache::listMadeAgainOnlyWhenItsEmulatorChanged() {
    CacheWindow s;
    const qsizetype start = s.listRuns();
    s.verifyGame();
    s.verifyGame();
    QCOMPARE(s.listRuns(), start + 1);
    QVERIFY(QFile::exists(s.stampFile()));

    // The same program as another file (a new install), then the same file touched (a rebuild).
    const QString target = QFile::symLinkTarget(s.exe());
    QVERIFY(QFile::remove(s.exe()));
    QVERIFY(QFile::copy(target, s.exe()));
    s.verifyGame();
    QCOMPARE(s.listRuns(), start + 2);
    {
        QFile file(s.exe());
        QVERIFY(file.open(QIODevice::ReadWrite));
        QVERIFY(file.setFileTime(file.fileTime(QFileDevice::FileModificationTime).addSecs(-60),
                                 QFileDevice::FileModificationTime));
    }
    s.verifyGame();
    s.verifyGame();
    QCOMPARE(s.listRuns(), start + 3);

    // A list cut short (a full disk, another program) is not trusted.
    {
        QFile list(s.listFile());
        QVERIFY(list.resize(list.size() - 10));
    }
    s.verifyGame();
    QCOMPARE(s.listRuns(), start + 4);

    // The user's way to force a fresh list.
    for (int i = 1; i <= 2; ++i) {
        CloseViewerWhenShown();
        s.context().RunCommand(TCommand::ListSupportedGames);
        QCOMPARE(s.listRuns(), start + 4 + i);
    }
}

void TestSupportedGamesCache::failedRunLeavesNoStamp() {
    CacheWindow s;
    s.verifyGame();
    QVERIFY(QFile::exists(s.stampFile()));
    QVERIFY(QFile::exists(s.listFile()));

    // The emulator writes its whole list, then ends with an error: the list looks whole, but
    // nothing says so.
    s.setScenario({QStringLiteral("exit=2")});
    s.dialogs.expectMessage("A problem was experienced when generating the data file ", mrOk);
    s.context().RunCommand(TCommand::ListSupportedGames);
    QVERIFY(s.form->ExitRequested());
    QVERIFY(QFile::exists(s.listFile()));
    QVERIFY(!QFile::exists(s.stampFile()));
}

void TestSupportedGamesCache::addingGamesMakesTheListOnce() {
    CacheWindow s;
    const QString downloads = s.env.userDataPath() + QStringLiteral("../downloads/");
    QVERIFY(QDir().mkpath(downloads));
    const auto add = [&](const QStringList& names) {
        QStringList chosen;
        for (const QString& name : names) {
            chosen << downloads + name;
            QVERIFY(WriteArchive(chosen.last(), ARCHIVE_FORMAT_ZIP, "", {{"rom.bin", QByteArray(300, 'r')}}));
        }
        s.dialogs.expectFiles("Select Zip file(s)", chosen);
        CloseViewerWhenShown();
        s.context().RunCommand(TCommand::AddGame);
    };
    const qsizetype start = s.listRuns();
    add({QStringLiteral("xevious.zip"), QStringLiteral("joust.zip"), QStringLiteral("mappy.zip")});
    add({QStringLiteral("amidar.zip"), QStringLiteral("bzone.zip")});
    // Each added game is verified, and the list is made at most once for all of them.
    QCOMPARE(s.verifyRuns().size(), 5);
    QVERIFY(s.listRuns() <= start + 1);
}

QTEST_MAIN(TestSupportedGamesCache)
#include "tst_supportedgamescache.moc"
