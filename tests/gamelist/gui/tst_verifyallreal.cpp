// Verify All Games with the real emulator over a sample of 100 sets spread over its list, each a
// zip of every ROM file name the emulator lists for it holding wrong bytes, plus sets that
// need no files, a damaged archive, a set without files and a name it does not know: the loop
// in batches gives every row the status and report block one run per row gives. Skipped where
// the emulator is not installed.

#include "emulator/VerifyRules.h"
#include "gamelist/SupportedGames.h"
#include "gamelist/gui/VerifyAllRows.h"
#include "support/StartedWindow.h"
#include "support/StoredZip.h"

#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

namespace {

const QString RealEmulator = QStringLiteral("/usr/games/mame");
constexpr int SampleSets = 100;

QString RunEmulator(const QString& folder, const QStringList& arguments) {
    QProcess mame;
    mame.setWorkingDirectory(folder);
    mame.setProcessChannelMode(QProcess::MergedChannels);
    mame.start(RealEmulator, QStringList{QStringLiteral("-inipath"), QStringLiteral(".")} + arguments);
    mame.waitForFinished(120000);
    return QString::fromUtf8(mame.readAll());
}

// Set name -> its ROM file names, from "-listroms NAME ...".
QHash<QString, QList<QByteArray>> RomFiles(const QString& listRoms) {
    static const QRegularExpression head(QStringLiteral("^ROMs required for driver \"([^\"]+)\"\\."));
    static const QRegularExpression rom(
        QStringLiteral("^(\\S.*?)\\s+\\d+\\s+(BAD\\s+)?(CRC\\(|NO GOOD DUMP)"));
    QHash<QString, QList<QByteArray>> sets;
    QString current;
    for (const QString& line : listRoms.split(u'\n')) {
        if (const auto match = head.match(line); match.hasMatch()) {
            current = match.captured(1);
            continue;
        }
        const auto match = rom.match(line);
        if (!current.isEmpty() && match.hasMatch() && !sets[current].contains(match.captured(1).toUtf8()))
            sets[current].append(match.captured(1).toUtf8());
    }
    return sets;
}

struct Pass {
    QStringList statuses;
    QStringList report;
};

Pass VerifyAll(StartedWindow& s, const TSupportedGames& supported, const TVerifyBatchLimits& limits) {
    for (int row = 1; row < s.list().RowCount(); ++row)
        s.list().SetCell(colStatus, row, QStringLiteral("Was"));
    Pass pass;
    pass.report = VerifyAllRows(s.context(), supported, false, limits);
    for (int row = 1; row < s.list().RowCount(); ++row)
        pass.statuses << s.status(row);
    return pass;
}

} // namespace

class TestVerifyAllReal : public QObject {
    Q_OBJECT
  private slots:
    void cleanup() { VerifyNoWindowLeftOpen(); }
    void batchesGiveWhatOneRunEachGives();
};

void TestVerifyAllReal::batchesGiveWhatOneRunEachGives() {
    if (!QFileInfo(RealEmulator).isExecutable())
        QSKIP("the real emulator /usr/games/mame is not installed");
    QTemporaryDir home;
    qputenv("HOME", QFile::encodeName(home.path()));

    // 100 sets with ROM files, spread over the whole list.
    const std::vector<SupportedGame> games =
        ParseSupportedGames(RunEmulator(home.path(), {QStringLiteral("-listfull")}));
    QVERIFY(games.size() > 40000);
    QStringList candidates;
    for (std::size_t i = 0; i < games.size() && candidates.size() < SampleSets * 2;
         i += games.size() / (SampleSets * 2))
        candidates << games[i].shortName;
    const auto roms =
        RomFiles(RunEmulator(home.path(), QStringList{QStringLiteral("-listroms")} + candidates));
    QByteArray rows;
    QHash<QString, QByteArray> zips;
    for (const QString& name : candidates) {
        if (roms.value(name).isEmpty() || zips.size() == SampleSets)
            continue;
        QList<std::pair<QByteArray, QByteArray>> members;
        for (const QByteArray& file : roms.value(name))
            members.append({file, "wrong bytes for " + file});
        zips.insert(name + QStringLiteral(".zip"), StoredZip(members));
    }
    QCOMPARE(zips.size(), SampleSets);
    zips.insert(QStringLiteral("pacman.zip"), QByteArray("not a zip archive\n").repeated(20));
    zips.insert(QStringLiteral("notaset.zip"), StoredZip({{"a.bin", "a"}}));
    for (const QString& file : zips.keys() + QStringList{QStringLiteral("pong"), QStringLiteral("breakout"),
                                                         QStringLiteral("galaxian")})
        rows += ",?,\"x\"," + file.toUtf8() + "\r\n";

    StartedWindow s(rows, {QStringLiteral("SortColumn=3")}, {}, [&](StartedWindow& w) {
        QFile::remove(w.env.mamePath() + QStringLiteral("mame"));
        QVERIFY(QFile::link(RealEmulator, w.env.mamePath() + QStringLiteral("mame")));
        for (auto zip = zips.cbegin(); zip != zips.cend(); ++zip)
            w.env.writeFile(w.romPath() + zip.key(), zip.value());
        for (const char* folder : {"pong", "breakout", "galaxian"})
            QVERIFY(QDir().mkpath(w.romPath() + QLatin1String(folder)));
    });
    const TSupportedGames supported(games);
    s.context().State.DoingVerification = true;
    const Pass batched = VerifyAll(s, supported, {});
    const Pass single = VerifyAll(s, supported, {.maxNames = 1});
    s.context().State.DoingVerification = false;

    QCOMPARE(batched.statuses.size(), SampleSets + 5);
    QCOMPARE(batched.statuses, single.statuses);
    QCOMPARE(batched.report, single.report);
    QVERIFY(!batched.statuses.contains(QStringLiteral("Was")));
    // Clones whose files all live in their parent's archive get no verdict, as in a real
    // collection; the others are bad.
    const qsizetype bad = batched.statuses.count(QStringLiteral("Bad"));
    QVERIFY2(bad >= SampleSets / 2, qPrintable(QString::number(bad)));
    QCOMPARE(bad + batched.statuses.count(QStringLiteral("?")), batched.statuses.size());
    QVERIFY(batched.report.contains(QStringLiteral("romset pong is best available")));
    QVERIFY(batched.report.contains(QStringLiteral("romset \"galaxian\" not found!")));
    QVERIFY(batched.report.contains(QStringLiteral("No matching systems found for 'notaset'")));

    // The batched pass: one run for all, then one each for the rows without a verdict (all
    // "?" rows but pong and breakout); then one run per row.
    const QStringList commands = s.logText().split(u'\n').filter(QStringLiteral(" -verifyroms "));
    const qsizetype batches = std::count_if(commands.begin(), commands.end(), [](const QString& command) {
        return command.section(QStringLiteral(" -verifyroms "), 1).contains(u' ');
    });
    QCOMPARE(batches, 1);
    QCOMPARE(commands.size(),
             1 + (batched.statuses.count(QStringLiteral("?")) - 2) + batched.statuses.size());
}

QTEST_MAIN(TestVerifyAllReal)
#include "tst_verifyallreal.moc"
