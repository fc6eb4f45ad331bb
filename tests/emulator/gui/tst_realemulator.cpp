// Runs Debian's real emulator through the launcher, the command texts, the mame.ini rules and the
// version reader, in a throw-away emulator folder. Skipped where the emulator is not installed.

#include "base/AppState.h"
#include "base/gui/ActivityLog.h"
#include "emulator/CommandTexts.h"
#include "emulator/gui/ExecNewProcess.h"
#include "gamelist/ListSearch.h"
#include "gamelist/gui/TSortGrid.h"
#include "locate/FileVersion.h"
#include "mainwindow/gui/TForm1.h"
#include "options/MameIni.h"
#include "options/gui/MameIniStartupCheck.h"
#include "support/ScriptedDialogs.h"
#include "support/StartedWindow.h"
#include "support/StoredZip.h"
#include "support/WindowRules.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

namespace {

const QString RealEmulator = QStringLiteral("/usr/games/mame");
const QString Exe = QStringLiteral("mame");

using Members = QList<std::pair<QByteArray, QByteArray>>;

// The verdict lines as the verification reads them: trimmed, lower-cased, beginning with "romset".
QStringList RomsetLines(const QStringList& output) {
    QStringList lines;
    for (const QString& line : output) {
        const QString text = line.trimmed().toLower();
        if (text.startsWith(QLatin1String("romset")))
            lines.append(text);
    }
    return lines;
}

} // namespace

class TestRealEmulator : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase();
    void cleanupTestCase();
    void cleanup();

    void createConfigAndStartupCheck();
    void versionFromTheBinary();
    void listFullWritesEverySet();
    void verifyRomsVerdicts_data();
    void verifyRomsVerdicts();
    void oddNamesReachTheEmulatorWhole_data();
    void oddNamesReachTheEmulatorWhole();
    void windowCommands();
    void playPongThroughTheWindow();
    void gamesInEachOfSeveralFolders();

  private:
    // The window's settings naming the emulator folder and its list file of the given rows, in a
    // data folder under the test's home.
    void writeWindowData(const QByteArray& rows);
    QString mamePath() const { return emulatorFolder->path() + QStringLiteral("/"); }
    QString romFolder() const { return mamePath() + QStringLiteral("games/"); }
    int run(const TEmulatorArgs& args, const TRunOptions& options = {}) {
        const QString program = EmulatorProgram(mamePath(), Exe);
        last = launcher->Run(mamePath(), program, EmulatorArguments(args),
                             EmulatorCommandText(program, args, options.standardOutputFile), options);
        return last.exitCode;
    }
    TRunResult last;

    std::unique_ptr<QTemporaryDir> home, emulatorFolder, userData;
    std::unique_ptr<QPlainTextEdit> createProcessLog, logRichEdit;
    std::unique_ptr<ActivityLog> log;
    std::unique_ptr<ScriptedDialogs> dialogs;
    std::unique_ptr<AppState> state;
    std::unique_ptr<TProcessLauncher> launcher;
};

void TestRealEmulator::initTestCase() {
    if (!QFileInfo(RealEmulator).isExecutable())
        QSKIP("the real emulator /usr/games/mame is not installed");
    // The emulator may look in ~/.mame: give it a home of its own so nothing leaks out.
    home = std::make_unique<QTemporaryDir>();
    QVERIFY(home->isValid());
    qputenv("HOME", QFile::encodeName(home->path()));

    emulatorFolder = std::make_unique<QTemporaryDir>();
    userData = std::make_unique<QTemporaryDir>();
    QVERIFY(emulatorFolder->isValid() && userData->isValid());
    QVERIFY(QFile::link(RealEmulator, mamePath() + Exe));

    createProcessLog = std::make_unique<QPlainTextEdit>();
    logRichEdit = std::make_unique<QPlainTextEdit>();
    log = std::make_unique<ActivityLog>(createProcessLog.get(), logRichEdit.get());
    dialogs = std::make_unique<ScriptedDialogs>();
    state = std::make_unique<AppState>();
    state->MAMEPath = mamePath();
    state->MAMEEXE = Exe;
    state->UserDataPath = userData->path() + QStringLiteral("/");
    launcher = std::make_unique<TProcessLauncher>(*log, *dialogs, *state);
}

void TestRealEmulator::cleanupTestCase() {
    if (!home)
        return;
    // The ini search path keeps the emulator inside its own folder.
    const QStringList leftInHome =
        QDir(home->path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
    QVERIFY2(leftInHome.isEmpty(), qPrintable(leftInHome.join(QLatin1Char(' '))));
}

void TestRealEmulator::cleanup() {
    dialogs->clear();
    VerifyNoWindowLeftOpen();
}

void TestRealEmulator::createConfigAndStartupCheck() {
    QCOMPARE(run(CreateConfigArgs()), 0);
    const QString ini = MameIniPath(mamePath());
    QVERIFY2(QFileInfo(ini).isFile(), "-createconfig wrote no mame.ini into its working folder");

    WriteINISetting(ini, QStringLiteral("rompath"), QStringLiteral("games"));
    for (const QString& folder : {QStringLiteral("games"), QStringLiteral("snap"), QStringLiteral("cfg")})
        QVERIFY(QDir(mamePath()).mkdir(folder));

    // The emulator writes readconfig 1 today; should a build write 0, the warning is the only box.
    const bool warns =
        ReadINISetting(ini, QStringLiteral("readconfig"), QStringLiteral("0")) == QLatin1String("0");
    if (warns)
        dialogs->expectMessage(
            "The MAME.INI configuration file has the attribute \"readconfig\" set to \"0\".", mrOk);
    const bool passed = RunMameIniStartupCheck(*state, *dialogs, nullptr, [] {
        qFatal("the configuration file exists: nothing should run");
        return -1;
    });
    QVERIFY(passed);
    for (const auto& record : dialogs->records())
        QCOMPARE(record.type, mtWarning);

    QCOMPARE(state->rompath, romFolder());
    QCOMPARE(state->snapshot_directory, mamePath() + QStringLiteral("snap/"));
    QCOMPARE(state->cfg_directory, mamePath() + QStringLiteral("cfg/"));
    QCOMPARE(state->nvram_directory, mamePath() + QStringLiteral("nvram/"));
    QCOMPARE(state->readconfig, warns ? QStringLiteral("0") : QStringLiteral("1"));
    // The emulator's own defaults come through the reader.
    QCOMPARE(state->samplerate, QStringLiteral("48000"));
    QCOMPARE(ReadINISetting(ini, QStringLiteral("snapname"), QString()), QStringLiteral("%g"));

    // The emulator still reads the file after our rewrite with CR LF lines.
    QCOMPARE(run({QStringLiteral("-showconfig")}), 0);
    QVERIFY(last.lines.contains(QStringLiteral("rompath                   games")));
    QVERIFY(last.lines.contains(QStringLiteral("snapname                  %g")));
}

void TestRealEmulator::versionFromTheBinary() {
    QElapsedTimer timer;
    timer.start();
    QCOMPARE(GetFileVersion(mamePath() + Exe), QStringLiteral("0.251.0.0"));
    qInfo("version read in %lld ms", timer.elapsed());
}

void TestRealEmulator::listFullWritesEverySet() {
    const QString gam = state->UserDataPath + QStringLiteral("Pellmora.GAM");
    QElapsedTimer timer;
    timer.start();
    QCOMPARE(run(ListFullArgs(), {.stoppable = true, .standardOutputFile = gam}), 0);
    qInfo("-listfull took %lld ms", timer.elapsed());

    QFile file(gam);
    QVERIFY(file.open(QIODevice::ReadOnly | QIODevice::Text));
    const QStringList lines =
        QString::fromLocal8Bit(file.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    qInfo("Pellmora.GAM holds %lld lines", qint64(lines.size()));
    QVERIFY2(lines.size() > 40000, qPrintable(QString::number(lines.size())));
    QVERIFY(lines.first().startsWith(QLatin1String("Name:")));
    QVERIFY(lines.first().contains(QLatin1String("Description:")));

    // Short name, blanks, the description in double quotes closing the line.
    static const QRegularExpression gameLine(QStringLiteral("^([a-z0-9_]+) +\"(.*)\"$"));
    for (qsizetype i = 1; i < lines.size(); ++i)
        QVERIFY2(gameLine.match(lines[i]).hasMatch(), qPrintable(lines[i]));
    QVERIFY(lines.contains(QStringLiteral("pong              \"Pong (Rev E) [TTL]\"")));
    // The redirection leaves nothing for the pane but the command and its exit code.
    QVERIFY(last.lines.isEmpty());
}

void TestRealEmulator::verifyRomsVerdicts_data() {
    QTest::addColumn<QString>("fileDir");
    QTest::addColumn<Members>("members"); // an archive's contents; empty for a folder
    QTest::addColumn<QStringList>("romsetLines");
    QTest::addColumn<int>("exitCode");

    QTest::newRow("right member name, wrong contents")
        << QStringLiteral("galaga.zip") << Members{{"gg1_1b.3p", QByteArray(4096, 'x')}}
        << QStringList{QStringLiteral("romset galaga is bad")} << 2;
    // No member the set knows: the emulator reports the set missing, which holds no verdict.
    QTest::newRow("only unknown members")
        << QStringLiteral("galaga.zip") << Members{{"junk.bin", "not a rom"}}
        << QStringList{QStringLiteral("romset \"galaga\" not found!")} << 2;
    // A set that needs no files at all is "best available", neither good nor bad.
    QTest::newRow("set without roms, empty folder")
        << QStringLiteral("pong") << Members{} << QStringList{QStringLiteral("romset pong is best available")}
        << 0;
}

void TestRealEmulator::verifyRomsVerdicts() {
    QFETCH(QString, fileDir);
    QFETCH(Members, members);
    QFETCH(QStringList, romsetLines);
    QFETCH(int, exitCode);

    const QString path = romFolder() + fileDir;
    if (members.isEmpty()) {
        QVERIFY(QDir().mkpath(path));
    } else {
        QFile archive(path);
        QVERIFY(archive.open(QIODevice::WriteOnly | QIODevice::Truncate));
        QVERIFY(archive.write(StoredZip(members)) > 0);
    }
    const int code = run(VerifyRomsArgs(fileDir));
    QCOMPARE(RomsetLines(last.lines), romsetLines);
    QCOMPARE(code, exitCode);
    QVERIFY(members.isEmpty() ? QDir(path).removeRecursively() : QFile::remove(path));
}

void TestRealEmulator::oddNamesReachTheEmulatorWhole_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("play");
    QTest::addColumn<QString>("reply"); // the emulator's answer naming what it was given

    const QStringList names = {QStringLiteral("x$(touch PWNED)"), QStringLiteral("x`touch PWNED`"),
                               QStringLiteral("a;touch PWNED"), QStringLiteral("two words"),
                               QStringLiteral("it's \"quoted\"")};
    for (const QString& name : names) {
        QTest::addRow("verify %s", qPrintable(name))
            << name << false << QStringLiteral("No matching systems found for '%1'").arg(name);
        QTest::addRow("play %s", qPrintable(name))
            << name << true << QStringLiteral("Unknown system '%1'").arg(name);
    }
}

void TestRealEmulator::oddNamesReachTheEmulatorWhole() {
    QFETCH(QString, name);
    QFETCH(bool, play);
    QFETCH(QString, reply);

    const TEmulatorArgs command =
        play ? PlayArgs(name, QStringLiteral("1"), QStringLiteral("0"), {}) : VerifyRomsArgs(name);
    const QString stray = mamePath() + QStringLiteral("PWNED");
    QFile::remove(stray);
    // Unknown names end the emulator before it opens any window.
    const int code = run(command);
    QVERIFY2(!QFileInfo::exists(stray), "a piece of the name ran as a command");
    QVERIFY2(last.lines.contains(reply), qPrintable(last.lines.join(QLatin1Char('\n'))));
    QCOMPARE(code, 5);
}

// How long a command of the window may take on the real emulator on a loaded machine.
constexpr int RealRunBoundMs = 60000;

// The window's commands on the real thing: a newcomer's first start (scan and Verify All of
// the two sets that need no files), Verify Game of a damaged set, and the information commands.
void TestRealEmulator::windowCommands() {
    QStringList report;
    CloseViewerWhenShown(&report, RealRunBoundMs);
    StartedWindow s(QByteArray(), {},
                    {{QStringLiteral("The Pellmora game list file"), mrOk},
                     {QStringLiteral("2 new games added to the list."), mrYes},
                     {QStringLiteral("Verifying unknown games may take some time"), mrAll}},
                    [](StartedWindow& w) {
                        QFile::remove(w.env.mamePath() + Exe);
                        QVERIFY(QFile::link(RealEmulator, w.env.mamePath() + Exe));
                        for (const char* game : {"pong", "breakout"})
                            QVERIFY(QDir().mkpath(w.romPath() + QLatin1String(game)));
                    });
    TGameListModel& list = s.list();
    QCOMPARE(list.RowCount(), 3);
    QStringList names{list.Cells(colGameName, 1), list.Cells(colGameName, 2)};
    names.sort();
    QCOMPARE(names, (QStringList{QStringLiteral("Breakout [TTL]"), QStringLiteral("Pong (Rev E) [TTL]")}));
    QVERIFY(s.context().State.nGames > 40000);
    // "best available" is neither good nor bad.
    QCOMPARE(list.Cells(colStatus, 1), QStringLiteral("?"));
    QCOMPARE(list.Cells(colStatus, 2), QStringLiteral("?"));
    QCOMPARE(report.count(QString(79, u'_')), 2);
    QVERIFY(report.contains(QStringLiteral("romset pong is best available")));

    // A pacman.zip of a wrong and a short file, found by a second scan and verified alone.
    s.env.writeFile(
        s.romPath() + QStringLiteral("pacman.zip"),
        StoredZip({{"pacman.6e", QByteArray(4096, 'x')}, {"pacman.6f", QByteArray("0123456789")}}));
    s.dialogs.expectMessage("1 new games added to the list.", mrNo);
    s.context().RunCommand(TCommand::ScanForGames);
    const int pacman = FindStringInSortGrid(list.Rows(), QStringLiteral("pacman.zip"), colFileDir);
    QVERIFY(pacman > 0);
    QCOMPARE(list.Cells(colGameName, pacman), QStringLiteral("Pac-Man (Midway)"));
    s.context().Window.SelectGridRow(pacman);
    CloseViewerWhenShown(nullptr, RealRunBoundMs);
    s.context().RunCommand(TCommand::VerifyGame);
    QCOMPARE(list.Cells(colStatus, pacman), QStringLiteral("Bad"));
    QCOMPARE(list.ReasonText(pacman),
             QStringLiteral(
                 "Bad: 8 files missing (4 belong to the parent or BIOS set puckman, not in your folder), "
                 "1 file with a wrong checksum, 1 file of the wrong length"));

    QStringList shown;
    s.dialogs.expectMessage("Identifying games (via the ROMIDENT switch) can be quite slow.", mrYes);
    CloseViewerWhenShown(&shown, RealRunBoundMs);
    s.context().RunCommand(TCommand::IdentifyGame);
    QVERIFY2(shown.contains(QStringLiteral("No roms matched.")), qPrintable(shown.join(u'\n')));
    CloseViewerWhenShown(&shown, RealRunBoundMs);
    s.context().RunCommand(TCommand::ListSupportedGames);
    QVERIFY(shown.size() > 40000);
    CloseViewerWhenShown(&shown, RealRunBoundMs);
    s.context().RunCommand(TCommand::MAMEVersion);
    QCOMPARE(shown.value(0), QStringLiteral("MAME v0.251 (unknown)"));
}

void TestRealEmulator::writeWindowData(const QByteArray& rows) {
    qputenv("XDG_DATA_HOME", QFile::encodeName(home->path() + QStringLiteral("/data")));
    const QString data = home->path() + QStringLiteral("/data/Quorvane/Pellmora/");
    QVERIFY(QDir().mkpath(data));
    QFile settings(data + QStringLiteral("Pellmora.INI"));
    QVERIFY(settings.open(QIODevice::WriteOnly));
    settings.write("[Pellmora]\r\nMAMEPath=" + mamePath().toUtf8() + "\r\n");
    settings.close();
    QFile list(data + QStringLiteral("Pellmora.DAT"));
    QVERIFY(list.open(QIODevice::WriteOnly));
    list.write(",Status,\"Game Name\",File/Dir\r\n" + rows);
    list.close();
    qputenv("SDL_AUDIODRIVER", "dummy");
}

void TestRealEmulator::playPongThroughTheWindow() {
    // The window of a user whose list holds pong, a set that needs no ROM files: its folder is enough.
    QVERIFY(QDir(romFolder()).mkpath(QStringLiteral("pong")));
    writeWindowData(",Good,\"Pong (Rev E) [TTL]\",pong\r\n");

    dialogs->setNestedLoops(true);
    {
        TForm1 form(*dialogs);
        form.show();
        QTRY_VERIFY_WITH_TIMEOUT(form.Context().State.PostInitialiseDone, 20000);
        QCOMPARE(dialogs->pending(), 0);
        form.Context().State.verbose = QStringLiteral("1");
        QLineEdit* switches = form.Context().CommandLineSwitchesEdit;
        switches->setText(QStringLiteral("-seconds_to_run 2 -video none -sound none"));
        form.Ui().SortGrid1->SetRow(1);
        form.Context().RunCommand(TCommand::PlayGame);
        QVERIFY(dialogs->records().isEmpty());
        const QStringList logged = form.Ui().LogRichEdit->toPlainText().split(QLatin1Char('\n'));
        const qsizetype name = logged.indexOf(QStringLiteral("Pong (Rev E) [TTL]"));
        QVERIFY2(name >= 0, qPrintable(logged.join(QLatin1Char('\n'))));
        QVERIFY(logged.value(name + 1).startsWith(QStringLiteral("Started ")));
        QVERIFY(logged.last().startsWith(QStringLiteral("Finished ")));
        QVERIFY2(logged.size() > name + 3, "no line of the emulator's own between the time stamps");
        QVERIFY(QFileInfo::exists(mamePath() + QStringLiteral("cfg/pong.cfg")));

        // A switch the emulator rejects: the box with the code and the emulator's own words.
        switches->setText(QStringLiteral("-seconds_to_run 2 -video none -sound none -nosuchswitch"));
        dialogs->expectMessage("There was a problem running the game Pong (Rev E) [TTL]. ", mrOk);
        form.Context().RunCommand(TCommand::PlayGame);
        QVERIFY(!dialogs->records().isEmpty());
        const QString box = dialogs->records().last().text;
        QVERIFY2(box.startsWith(QStringLiteral("There was a problem running the game Pong (Rev E) [TTL]. "
                                               "The problem code is ")),
                 qPrintable(box));
        QVERIFY2(box.contains(QStringLiteral("nosuchswitch")), qPrintable(box));
    }
    // The window's own files stay in the data folder, not in the home the emulator must leave alone.
    QVERIFY(QDir(home->path() + QStringLiteral("/data")).removeRecursively());
}

// A rompath of two folders, read by the emulator and the program alike: breakout in the first,
// pong only in the second; both play and verify.
void TestRealEmulator::gamesInEachOfSeveralFolders() {
    const QString ini = MameIniPath(mamePath());
    WriteINISetting(ini, QStringLiteral("rompath"), QStringLiteral("games;more"));
    QVERIFY(QDir(romFolder() + QStringLiteral("pong")).removeRecursively());
    QVERIFY(QDir(romFolder()).mkpath(QStringLiteral("breakout")));
    QVERIFY(QDir(mamePath()).mkpath(QStringLiteral("more/pong")));
    QCOMPARE(run({QStringLiteral("-showconfig")}), 0);
    QVERIFY(last.lines.contains(QStringLiteral("rompath                   games;more")));
    writeWindowData(",?,\"Breakout [TTL]\",breakout\r\n,?,\"Pong (Rev E) [TTL]\",pong\r\n");

    dialogs->setNestedLoops(true);
    {
        TForm1 form(*dialogs);
        form.show();
        QTRY_VERIFY_WITH_TIMEOUT(form.Context().State.PostInitialiseDone, 20000);
        QCOMPARE(dialogs->pending(), 0);
        QCOMPARE(form.Context().State.rompaths,
                 (QStringList{romFolder(), mamePath() + QStringLiteral("more/")}));
        form.Context().CommandLineSwitchesEdit->setText(
            QStringLiteral("-seconds_to_run 2 -video none -sound none"));
        const struct {
            int row;
            const char* name;
            const char* shortName;
        } games[] = {{1, "Breakout [TTL]", "breakout"}, {2, "Pong (Rev E) [TTL]", "pong"}};
        for (const auto& game : games) {
            form.Ui().SortGrid1->SetRow(game.row);
            QStringList report;
            CloseViewerWhenShown(&report, RealRunBoundMs);
            form.Context().RunCommand(TCommand::VerifyGame);
            QVERIFY2(report.contains(
                         QStringLiteral("romset %1 is best available").arg(QLatin1String(game.shortName))),
                     qPrintable(report.join(u'\n')));
            // Not verified good: the play question comes first.
            dialogs->expectMessage(QLatin1String(game.name) + QStringLiteral(" has not been verified"),
                                   mrYes);
            const QString cfg = mamePath() + QStringLiteral("cfg/%1.cfg").arg(QLatin1String(game.shortName));
            QFile::remove(cfg);
            form.Context().RunCommand(TCommand::PlayGame);
            QCOMPARE(dialogs->records().size(), 1);
            QCOMPARE(dialogs->records().first().type, mtConfirmation);
            dialogs->clear();
            const QStringList logged = form.Ui().LogRichEdit->toPlainText().split(QLatin1Char('\n'));
            QVERIFY2(logged.contains(QLatin1String(game.name)), qPrintable(logged.join(QLatin1Char('\n'))));
            QVERIFY(logged.last().startsWith(QStringLiteral("Finished ")));
            QVERIFY2(QFileInfo::exists(cfg), "the emulator did not play the game");
        }
    }
    QVERIFY(QDir(home->path() + QStringLiteral("/data")).removeRecursively());
    WriteINISetting(ini, QStringLiteral("rompath"), QStringLiteral("games"));
}

QTEST_MAIN(TestRealEmulator)
#include "tst_realemulator.moc"
