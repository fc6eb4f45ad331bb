// Verify All Games in batches against the same rows verified one run each: every row gets the
// same status, Game Name and report block; rows the batch said nothing about run on their own;
// Stop pressed during a batch stops before the next row.

#include "emulator/CommandTexts.h"
#include "gamelist/SupportedGames.h"
#include "gamelist/gui/VerifyAllRows.h"
#include "support/StartedWindow.h"

#include <QAbstractButton>
#include <QFile>
#include <QSet>
#include <QtTest>

namespace {

// The fake emulator's own list (its fixture has no header line).
TSupportedGames FixtureGames() {
    QFile file(qEnvironmentVariable("PELLMORA_FIXTURES") + QStringLiteral("/listfull.txt"));
    std::vector<SupportedGame> entries;
    if (file.open(QIODevice::ReadOnly)) {
        for (const QByteArray& line : file.readAll().split('\n')) {
            if (const auto entry = ParseSupportedGameLine(QString::fromUtf8(line)))
                entries.push_back(*entry);
        }
    }
    return TSupportedGames(entries);
}

// Files under roms/: "name" (a stand-in archive), "name=BYTES", "folder/" or "folder/FILE".
void PutFiles(StartedWindow& s, const QStringList& files) {
    for (const QString& file : files) {
        const qsizetype equals = file.indexOf(u'=');
        if (file.endsWith(u'/'))
            QDir().mkpath(s.romPath() + file);
        else if (equals > 0)
            s.putGame(file.left(equals), file.mid(equals + 1).toLatin1());
        else if (file.contains(u'/'))
            QDir().mkpath(s.romPath() + file.section(u'/', 0, 0)), s.putGame(file, "x");
        else
            s.putGame(file);
    }
}

struct Pass {
    QStringList statuses;
    QStringList names;
    QStringList report;
    QStringList runs;
    int found = 0;
    int unknown = 0;
};

Pass VerifyAll(const QByteArray& rows, const QStringList& files, bool skipUnknown,
               const TVerifyBatchLimits& limits) {
    StartedWindow s(rows, {QStringLiteral("SortColumn=3")});
    PutFiles(s, files);
    s.context().Window.EnableTaggedComponents(false);
    Pass pass;
    pass.report = VerifyAllRows(s.context(), FixtureGames(), skipUnknown, limits);
    s.context().Window.EnableTaggedComponents(true);
    for (int row = 1; row < s.list().RowCount(); ++row) {
        pass.statuses << s.status(row);
        pass.names << s.name(row);
    }
    pass.runs = s.verifyRuns();
    pass.found = s.context().State.nFound;
    pass.unknown = s.context().State.nUnknown;
    return pass;
}

QSet<QString> AsSet(const QStringList& list) {
    return QSet<QString>(list.begin(), list.end());
}

// Rows in an order the emulator does not use, sets good, bad (with hash lines), best available,
// without files, damaged, unknown, asked twice in other letter case, and a name it must not see.
const QByteArray MixedRows = ",Was,\"x\",xevious.zip\r\n"
                             ",Was,\"x\",005.zip\r\n"
                             ",Was,\"x\",mappy\r\n"
                             ",Was,\"x\",pacman.zip\r\n"
                             ",Was,\"x\",dkong.zip\r\n"
                             ",Was,\"x\",notaset.zip\r\n"
                             ",Was,\"x\",zzzz\r\n"
                             ",Was,\"x\",GALAGA.ZIP\r\n"
                             ",Was,\"x\",galaga\r\n"
                             ",Was,\"x\",-createconfig\r\n"
                             ",Was,\"x\",joust.7z\r\n"
                             ",Was,\"x\",amidar.zip\r\n";
const QStringList MixedFiles = {QStringLiteral("xevious.zip"), QStringLiteral("005.zip=BAD"),
                                QStringLiteral("mappy/BEST"),  QStringLiteral("pacman.zip=JUNK"),
                                QStringLiteral("zzzz/"),       QStringLiteral("galaga.zip"),
                                QStringLiteral("joust.7z"),    QStringLiteral("amidar.zip=BAD")};

} // namespace

class TestVerifyAllBatches : public QObject {
    Q_OBJECT
  private slots:
    void cleanup() { VerifyNoWindowLeftOpen(); }
    void sameAsOneRunEach_data();
    void sameAsOneRunEach();
    void stopDuringABatch();
};

void TestVerifyAllBatches::sameAsOneRunEach_data() {
    QTest::addColumn<bool>("skipUnknown");
    QTest::addColumn<int>("maxNames");
    QTest::addColumn<int>("maxCommandLength"); // beyond the command's fixed part
    QTest::addColumn<int>("batchRuns");        // 0: as the list's order makes them

    QTest::newRow("all rows, one batch") << false << 400 << 8000 << 1;
    QTest::newRow("known rows only") << true << 400 << 8000 << 1;
    QTest::newRow("batches of three names") << false << 3 << 8000 << 0;
    QTest::newRow("batches of 16 characters") << false << 400 << 16 << 0;
}

void TestVerifyAllBatches::sameAsOneRunEach() {
    QFETCH(bool, skipUnknown);
    QFETCH(int, maxNames);
    QFETCH(int, maxCommandLength);
    QFETCH(int, batchRuns);

    const Pass single = VerifyAll(MixedRows, MixedFiles, skipUnknown, {.maxNames = 1});
    for (const QString& run : single.runs)
        QVERIFY2(!run.contains(u' '), qPrintable(run)); // one name per run
    QCOMPARE(single.statuses.count(QStringLiteral("Good")), 4);
    QCOMPARE(single.statuses.count(QStringLiteral("Bad")), 2);

    // The limit on the command's length counts from its fixed part.
    StartedWindow probe(QByteArray(",?,\"x\",a.zip\r\n"));
    const AppState& state = probe.context().State;
    const qsizetype fixedPart =
        EmulatorCommandText(EmulatorProgram(state.MAMEPath, state.MAMEEXE), VerifyRomsBatchArgs({})).size();
    const TVerifyBatchLimits limits{.maxNames = maxNames, .maxCommandLength = fixedPart + maxCommandLength};
    const Pass batched = VerifyAll(MixedRows, MixedFiles, skipUnknown, limits);

    QCOMPARE(batched.statuses, single.statuses);
    QCOMPARE(batched.names, single.names);
    QCOMPARE(batched.report, single.report);
    QCOMPARE(batched.found, single.found);
    QCOMPARE(batched.unknown, single.unknown);

    QStringList batchedNames;
    QSet<QString> alone;
    int batches = 0;
    for (const QString& run : batched.runs) {
        const QStringList names = run.split(u' ');
        if (names.size() == 1) {
            QVERIFY2(!alone.contains(run), qPrintable(run));
            alone.insert(run);
            continue;
        }
        ++batches;
        QVERIFY2(names.size() <= maxNames && run.size() + 1 <= maxCommandLength, qPrintable(run));
        batchedNames += names;
    }
    if (batchRuns > 0)
        QCOMPARE(batches, batchRuns);
    QVERIFY(batches >= 1);
    // The sets the emulator said nothing about in its batch were asked again alone; a name
    // left alone at a batch's end had its own run instead.
    QSet<QString> silent = {QStringLiteral("pacman"), QStringLiteral("dkong")};
    if (!skipUnknown)
        silent += {QStringLiteral("notaset"), QStringLiteral("zzzz")};
    QVERIFY(alone.contains(silent));
    if (batchRuns > 0)
        QCOMPARE(alone, silent);
    QCOMPARE(batchedNames.size(), AsSet(batchedNames).size());
    QSet<QString> runnable = AsSet(batchedNames) + alone;
    QVERIFY(!runnable.contains(QStringLiteral("-createconfig")));
    QCOMPARE(runnable.size(), skipUnknown ? 8 : 10);
    QCOMPARE(single.runs.size(), skipUnknown ? 9 : 11); // galaga twice
}

void TestVerifyAllBatches::stopDuringABatch() {
    QByteArray rows;
    QStringList files;
    for (const char* name : {"amidar", "bzone", "digdug", "frogger", "galaga", "joust"}) {
        rows += ",Was,\"x\"," + QByteArray(name) + ".zip\r\n";
        files << QString::fromLatin1(name) + QStringLiteral(".zip");
    }
    StartedWindow s(rows, {QStringLiteral("SortColumn=3")});
    PutFiles(s, files);
    s.setScenario({QStringLiteral("sleep_ms=300")});
    QAbstractButton* button = s.form->Ui().VerifyAllGamesBtn;
    QTimer press;
    press.setInterval(5);
    connect(&press, &QTimer::timeout, [&] {
        if (s.verifyRuns().size() == 1 && button->isEnabled()) {
            press.stop();
            button->click();
        }
    });
    press.start();
    s.dialogs.expectMessage("Verifying unknown games may take some time", mrAll);
    QStringList shown;
    CloseViewerWhenShown(&shown);
    s.context().RunCommand(TCommand::VerifyAllGames);

    // The batch in flight is ended at once, not waited for: its first row gets what it said
    // (nothing, so unverified), and no row runs after it.
    QCOMPARE(s.verifyRuns().size(), 1);
    QCOMPARE(s.verifyRuns()[0].split(u' ').size(), 6);
    QCOMPARE(s.status(1), QStringLiteral("?"));
    for (int row = 2; row <= 6; ++row)
        QCOMPARE(s.status(row), QStringLiteral("Was"));
    QCOMPARE(shown.count(QString(79, u'_')), 1);
    QVERIFY(s.logText().contains(QStringLiteral("Stopped by user.")));
}

QTEST_MAIN(TestVerifyAllBatches)
#include "tst_verifyallbatches.moc"
