// Play Game against the fake emulator: the command line, the checks before a run, the run's
// record on the Log tab, the error box, and the controls and Windows keys around the run.

#include "base/AppState.h"
#include "emulator/gui/ExecNewProcess.h"
#include "gamelist/GameListModel.h"
#include "gamelist/gui/PlayCommands.h"
#include "gamelist/gui/TSortGrid.h"
#include "mainwindow/gui/TForm1.h"
#include "options/gui/OptionsPages.h"
#include "platform/gui/WindowsKeyGrab.h"
#include "support/FakeEmulator.h"
#include "support/ListWindow.h"
#include "support/WindowRules.h"

#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTextBlock>
#include <QtTest>

namespace {

// A key grab the test watches; it may refuse like a display that has no grab to give.
class WatchedGrab : public WindowsKeyGrab {
  public:
    explicit WatchedGrab(bool grant = true) : grant(grant) {}
    bool Grab() override {
        ++grabs;
        held = grant;
        return grant;
    }
    void Release() override {
        ++releases;
        held = false;
    }
    bool grant;
    int grabs = 0;
    int releases = 0;
    bool held = false;
};

struct PlayWindow : ListWindow {
    std::shared_ptr<WatchedGrab> grab = std::make_shared<WatchedGrab>();

    explicit PlayWindow(const QByteArray& rows) : ListWindow(rows) {
        RegisterPlayCommands(form->Context(), grab);
    }
    void AddGameFile(const QString& name, bool folder = false) {
        const QString path = env.mamePath() + QStringLiteral("roms/") + name;
        if (folder)
            QVERIFY(QDir().mkpath(path));
        else
            env.writeFile(path, "PK");
    }
    void Play(const char* name) {
        QVERIFY(SelectGame(QString::fromUtf8(name)));
        QTest::mouseClick(form->Ui().RunGameBitBtn, Qt::LeftButton);
    }
    // The arguments of each run, without the ini path every call carries.
    QList<QStringList> Runs() const {
        QList<QStringList> runs = FakeEmulator::Runs(env.mamePath());
        for (QStringList& args : runs) {
            if (args.size() >= 2 && args[0] == QLatin1String("-inipath"))
                args.remove(0, 2);
        }
        return runs;
    }
    AppState& State() const { return form->Context().State; }
};

} // namespace

class TestPlayGame : public QObject {
    Q_OBJECT
  private slots:
    void cleanup() { VerifyNoWindowLeftOpen(); }
    void commandLine_data();
    void commandLine();
    void checksBeforeTheRun();
    void failedRunIsLoggedThenShown();
    void runHoldsControlsAndKeys();
};

void TestPlayGame::commandLine_data() {
    QTest::addColumn<QString>("fileDir");
    QTest::addColumn<bool>("folder");
    QTest::addColumn<QString>("readconfig");
    QTest::addColumn<QString>("verbose");
    QTest::addColumn<QString>("switches");
    QTest::addColumn<QStringList>("args");
    const auto s = [](const char* text) { return QString::fromUtf8(text); };
    const auto list = [](const char* text) { return QString::fromUtf8(text).split(QLatin1Char('|')); };
    QTest::newRow("nothing added") << s("pacman.zip") << false << s("1") << s("0") << s("   ")
                                   << list("pacman.zip");
    QTest::newRow("every switch") << s("pacman.zip") << false << s("0") << s("1")
                                  << s(" -window  -sound none")
                                  << list("pacman.zip|-noreadconfig|-verbose|-window|-sound|none");
    QTest::newRow("readconfig other than 0")
        << s("pacman.zip") << false << s("no") << s("2") << s("") << list("pacman.zip");
    QTest::newRow("capital extension")
        << s("Pacman.Zip") << false << s("1") << s("0") << s("") << list("Pacman.Zip");
    QTest::newRow("folder with a blank")
        << s("dig dug") << true << s("1") << s("0") << s("") << list("dig dug");
    QTest::newRow("quote and dollar")
        << s("it's $HOME;x") << true << s("1") << s("0") << s("") << list("it's $HOME;x");
}

void TestPlayGame::commandLine() {
    QFETCH(QString, fileDir);
    QFETCH(bool, folder);
    QFETCH(QString, readconfig);
    QFETCH(QString, verbose);
    QFETCH(QString, switches);
    QFETCH(QStringList, args);
    PlayWindow w(",Good,\"The Game\",\"" + fileDir.toUtf8() + "\"\r\n");
    w.AddGameFile(fileDir, folder);
    w.State().readconfig = readconfig;
    w.State().verbose = verbose;
    w.form->Context().CommandLineSwitchesEdit->setText(switches);
    w.setScenario({QStringLiteral("exit=0")});
    w.Play("The Game");
    QCOMPARE(w.Runs(), QList<QStringList>{args});
}

void TestPlayGame::checksBeforeTheRun() {
    PlayWindow w(",?,\"Pac-Man\",pacman.zip\r\n"
                 ",Bad,\"Galaga\",galaga.zip\r\n"
                 ",Good,\"Gone\",gone.zip\r\n"
                 ",Good,\"Option\",-createconfig\r\n");
    for (const char* file : {"pacman.zip", "galaga.zip"})
        w.AddGameFile(QString::fromUtf8(file));
    w.AddGameFile(QStringLiteral("-createconfig"), true);

    w.dialogs.expectMessage("Pac-Man has not been verified to run correctly with M.A.M.E.", mrNo);
    w.Play("Pac-Man");
    QCOMPARE(w.dialogs.records().last().type, mtConfirmation);
    QVERIFY(w.dialogs.records().last().text.startsWith(
        QStringLiteral("Pac-Man has not been verified to run correctly with M.A.M.E.")));

    w.dialogs.expectMessage("The game \"Gone\" could not be found.", mrOk);
    w.Play("Gone");
    QCOMPARE(
        w.dialogs.records().last().text,
        QStringLiteral("The game \"Gone\" could not be found.\nThe game file [gone.zip] does not appear to "
                       "exist.\n\nTry deleting the game OR click Scan For Games."));

    // A name the emulator would read as an option never reaches it, quoted or not.
    w.dialogs.expectMessage(QRegularExpression(QStringLiteral(".*\\[-createconfig\\].*"),
                                               QRegularExpression::DotMatchesEverythingOption),
                            mrOk);
    w.Play("Option");
    QCOMPARE(w.dialogs.records().last().type, mtError);
    QVERIFY(w.dialogs.records().last().text.contains(QStringLiteral("[-createconfig]")));
    QCOMPARE(w.Runs(), QList<QStringList>());
    QVERIFY(w.LogTabText().isEmpty());
    QVERIFY(!QFile::exists(w.env.mamePath() + QStringLiteral("mame.ini.bak")));

    // The debug box first; "Bad" answered Yes runs the game.
    w.State().debug = true;
    w.dialogs.expectPlain("RUN GAME: GameName = Galaga");
    w.dialogs.expectMessage("Galaga has been verified and found NOT to function correctly", mrYes);
    w.Play("Galaga");
    QCOMPARE(w.dialogs.records().at(w.dialogs.records().size() - 2).text,
             QStringLiteral("RUN GAME: GameName = Galaga\nGameDir = galaga.zip\nGameStatus = Bad"));
    QCOMPARE(w.dialogs.records().last().type, mtWarning);
    QCOMPARE(w.Runs(), QList<QStringList>{QStringList{QStringLiteral("galaga.zip")}});
}

void TestPlayGame::failedRunIsLoggedThenShown() {
    PlayWindow w(",Good,\"Pac-Man\",pacman.zip\r\n");
    w.AddGameFile(QStringLiteral("pacman.zip"));
    const QString output = w.env.mamePath() + QStringLiteral("output.txt");
    w.env.writeFile(output, "WARNING: no sound\nan Error here\n\nwarning and error both\nplain line\n");
    w.setScenario({QStringLiteral("output=output.txt"), QStringLiteral("exit=2")});
    w.form->Ui().PageControl1->setCurrentIndex(int(TPage::GameImage));
    w.dialogs.expectMessage("There was a problem running the game Pac-Man. The problem code is 2", mrOk);
    w.Play("Pac-Man");

    const ScriptedDialogs::Record& box = w.dialogs.records().last();
    QCOMPARE(box.type, mtError);
    QCOMPARE(box.title, QStringLiteral("Pellmora"));
    QCOMPARE(box.text,
             QStringLiteral("There was a problem running the game Pac-Man. The problem code is 2\n\n"
                            "WARNING: no sound\nan Error here\n\nwarning and error both\nplain line\n"));
    QCOMPARE(w.form->Ui().PageControl1->currentIndex(), int(TPage::Log));

    // The run's own record: empty line, name in bold blue, Started, the lines, Finished.
    const QTextDocument* log = w.form->Ui().LogRichEdit->document();
    QTextBlock block = log->begin();
    while (block.isValid() && block.text() != QLatin1String("Pac-Man"))
        block = block.next();
    QVERIFY(block.isValid());
    QCOMPARE(block.previous().text(), QString());
    const QTextCharFormat name = block.begin().fragment().charFormat();
    QCOMPARE(name.foreground().color(), QColor(0, 0, 255));
    QCOMPARE(name.fontWeight(), int(QFont::Bold));
    QVERIFY(block.next().text().startsWith(QStringLiteral("Started ")));
    QStringList after;
    QList<QColor> colours;
    for (QTextBlock line = block.next().next(); line.isValid(); line = line.next()) {
        after << line.text();
        colours << (line.begin() != line.end() ? line.begin().fragment().charFormat().foreground().color()
                                               : QColor());
    }
    // The launcher's own log has put the warnings and errors here already while they came.
    const int first = int(after.lastIndexOf(QStringLiteral("WARNING: no sound")));
    QVERIFY(first >= 0);
    QCOMPARE(after.mid(first, 4),
             (QStringList{QStringLiteral("WARNING: no sound"), QStringLiteral("an Error here"),
                          QStringLiteral("warning and error both"), QStringLiteral("plain line")}));
    QCOMPARE(colours.mid(first, 4),
             (QList<QColor>{QColor(255, 255, 0), QColor(255, 0, 0), QColor(255, 255, 0), QColor(0, 0, 0)}));
    QVERIFY(after.last().startsWith(QStringLiteral("Finished ")));
    QVERIFY(w.form->Ui().LogRichEdit->hasFocus());
}

void TestPlayGame::runHoldsControlsAndKeys() {
    PlayWindow w(",Good,\"Pac-Man\",pacman.zip\r\n");
    w.AddGameFile(QStringLiteral("pacman.zip"));
    w.setScenario({QStringLiteral("sleep_ms=300")});
    bool sawRun = false, gridOff = false, keysHeld = false;
    QTimer watch;
    QObject::connect(&watch, &QTimer::timeout, [&] {
        if (!w.form->Context().Launcher.isRunning())
            return;
        sawRun = true;
        gridOff = !w.Grid().isEnabled() && !w.form->Ui().RunGameBitBtn->isEnabled();
        keysHeld = w.grab->held && !w.State().WindowsKeyActive;
    });
    watch.start(10);
    w.Play("Pac-Man");
    watch.stop();
    QVERIFY(sawRun);
    QVERIFY(gridOff);
    QVERIFY(keysHeld);
    QVERIFY(w.Grid().isEnabled());
    QCOMPARE(w.grab->releases, 1);
    QVERIFY(w.State().WindowsKeyActive);

    // A grab the display refuses: the game runs with the keys live, and no later run tries again.
    w.grab->grant = false;
    w.Play("Pac-Man");
    QVERIFY(!w.State().WindowsKeyActive);
    w.Play("Pac-Man");
    QCOMPARE(w.grab->grabs, 2);
    QCOMPARE(w.grab->releases, 1);
    QCOMPARE(w.Runs().size(), 3);
}

QTEST_MAIN(TestPlayGame)
#include "tst_playgame.moc"
