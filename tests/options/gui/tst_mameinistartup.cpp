#include "base/AppState.h"
#include "options/gui/MameIniStartupCheck.h"
#include "support/ScriptedDialogs.h"
#include "support/WindowRules.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace {

void WriteFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        qFatal("cannot write the fixture");
}

} // namespace

class TestMameIniStartup : public QObject {
    Q_OBJECT

  private slots:
    void init();
    void cleanup() {
        dialogs.checkAnswered();
        VerifyNoWindowLeftOpen();
    }
    void createsMissingFileThroughTheEmulator();
    void createConfigFailure_data();
    void createConfigFailure();
    void folderFailureShowsErrorBox();
    void missingGameFolderIsOneWarning();
    void readconfigWarningIsABoxAndGoesOn();
    void debugShowsFoundValue_data();
    void debugShowsFoundValue();

  private:
    bool run(const QByteArray* createdIni, int exitCode);

    std::unique_ptr<QTemporaryDir> dir;
    AppState state;
    ScriptedDialogs dialogs;
    QStringList commands; // one entry per run
};

void TestMameIniStartup::init() {
    dir = std::make_unique<QTemporaryDir>();
    QVERIFY(dir->isValid());
    state = AppState();
    state.MAMEPath = dir->path() + QStringLiteral("/emu/");
    state.MAMEEXE = QStringLiteral("mame64");
    for (const char* folder : {"roms", "snap", "cfg"})
        QVERIFY(QDir().mkpath(state.MAMEPath + QLatin1String(folder)));
    dialogs.clear();
    commands.clear();
}

// Runs the check with an emulator stand-in that writes createdIni (when given) and exits with exitCode.
bool TestMameIniStartup::run(const QByteArray* createdIni, int exitCode) {
    const QByteArray created = createdIni ? *createdIni : QByteArray();
    const bool creates = createdIni != nullptr;
    return RunMameIniStartupCheck(state, dialogs, nullptr, [&] {
        commands << QStringLiteral("-createconfig");
        if (creates)
            WriteFile(state.MAMEPath + QStringLiteral("mame.ini"), created);
        return exitCode;
    });
}

void TestMameIniStartup::createsMissingFileThroughTheEmulator() {
    const QByteArray created("readconfig 1\r\nsnapname %g\r\n");
    QVERIFY(run(&created, 0));
    QCOMPARE(commands, QStringList{QStringLiteral("-createconfig")});
    QVERIFY(dialogs.records().isEmpty());
    QCOMPARE(state.rompath, state.MAMEPath + QStringLiteral("roms/"));
    QCOMPARE(state.readconfig, QStringLiteral("1"));

    // Present (in capitals) the second time: the emulator is not asked again.
    QVERIFY(QFile::rename(state.MAMEPath + QStringLiteral("mame.ini"),
                          state.MAMEPath + QStringLiteral("MAME.INI")));
    QVERIFY(run(nullptr, 0));
    QCOMPARE(commands.size(), 1);
}

void TestMameIniStartup::createConfigFailure_data() {
    QTest::addColumn<bool>("creates");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("message"); // "@" stands for the emulator folder
    QTest::newRow("exit code 2")
        << true << 2
        << "A problem was experienced when trying to generate a default MAME.INI file. "
           "Please run the DOS command \"mame64 -createconfig\" manually and try this "
           "program again. The problem code is 2 : No such file or directory";
    QTest::newRow("no file made")
        << false << 0
        << "The M.A.M.E. configuration file @MAME.INI was not found.\n\nPlease run the "
           "DOS command \"mame64 -createconfig\" manually and try this program again.";
}

void TestMameIniStartup::createConfigFailure() {
    QFETCH(bool, creates);
    QFETCH(int, exitCode);
    QFETCH(QString, message);
    const QByteArray created("readconfig 1\r\n");
    dialogs.expectMessage(message.replace(QLatin1Char('@'), state.MAMEPath), mrOk);
    QVERIFY(!run(creates ? &created : nullptr, exitCode));
    QCOMPARE(dialogs.records().size(), 1);
    const ScriptedDialogs::Record box = dialogs.records().first();
    QCOMPARE(box.text, message);
    QCOMPARE(box.type, mtError);
    QCOMPARE(box.buttons, int(mbOK));
    QCOMPARE(box.title, QStringLiteral("Pellmora"));
}

void TestMameIniStartup::folderFailureShowsErrorBox() {
    WriteFile(state.MAMEPath + QStringLiteral("mame.ini"), "rompath a;b\r\nreadconfig 0\r\n");
    dialogs.expectMessage(
        QRegularExpression(QStringLiteral(".*the rompath is currently set to .*/emu/a/;.*/emu/b/\n.*"),
                           QRegularExpression::DotMatchesEverythingOption),
        mrOk);
    QVERIFY(!run(nullptr, 0));
    QVERIFY(commands.isEmpty());
    QCOMPARE(dialogs.records().size(), 1);
    QCOMPARE(dialogs.records().first().type, mtError);
    QCOMPARE(dialogs.records().first().title, QStringLiteral("Pellmora"));
}

// One box names every missing game folder, then the start goes on with the folders there are.
void TestMameIniStartup::missingGameFolderIsOneWarning() {
    WriteFile(state.MAMEPath + QStringLiteral("mame.ini"),
              "rompath /nowhere/disk1;roms;gone\r\nreadconfig 1\r\nsnapname %g\r\n");
    dialogs.expectMessage("These game folders of the rompath", mrOk);
    QVERIFY(run(nullptr, 0));
    QCOMPARE(dialogs.records().size(), 1);
    const ScriptedDialogs::Record box = dialogs.records().first();
    QCOMPARE(box.type, mtWarning);
    QCOMPARE(box.buttons, int(mbOK));
    QCOMPARE(box.title, QStringLiteral("Pellmora"));
    QCOMPARE(box.text,
             QStringLiteral("These game folders of the rompath in your MAME.INI configuration file could "
                            "not be found:\n/nowhere/disk1/\n") +
                 state.MAMEPath +
                 QStringLiteral("gone/\n\nThe games kept there cannot be played until they are back (a "
                                "disk that is not mounted?). Until then, no scan removes them from the "
                                "game list."));
    QCOMPARE(state.rompath, state.MAMEPath + QStringLiteral("roms/"));
}

void TestMameIniStartup::readconfigWarningIsABoxAndGoesOn() {
    WriteFile(state.MAMEPath + QStringLiteral("mame.ini"), "readconfig 0\r\ngamma 1.5\r\n");
    dialogs.expectMessage("The MAME.INI configuration file has the attribute \"readconfig\"", mrOk);
    QVERIFY(run(nullptr, 0));
    QCOMPARE(dialogs.records().size(), 1);
    const ScriptedDialogs::Record box = dialogs.records().first();
    QCOMPARE(box.type, mtWarning);
    QCOMPARE(box.buttons, int(mbOK));
    QCOMPARE(box.title, QStringLiteral("Pellmora"));
    QCOMPARE(box.text,
             QStringLiteral(
                 "The MAME.INI configuration file has the attribute \"readconfig\" set to \"0\".\nThis "
                 "means that the MAME emulator will not use the MAME.INI configuration file when playing "
                 "games.\nWe suggest you change this value to \"1\". This can be done from within this "
                 "application."));
    QCOMPARE(state.gamma, QStringLiteral("1.5"));
}

void TestMameIniStartup::debugShowsFoundValue_data() {
    QTest::addColumn<bool>("debug");
    QTest::addColumn<QByteArray>("ini");
    QTest::addColumn<QStringList>("plain");
    QTest::newRow("debug, line found")
        << true << QByteArray("readconfig 1\r\nsnapname %i\r\n") << QStringList{QStringLiteral("Found: %g")};
    QTest::newRow("debug, line appended") << true << QByteArray("readconfig 1\r\n") << QStringList();
    QTest::newRow("not debug") << false << QByteArray("readconfig 1\r\nsnapname %i\r\n") << QStringList();
}

void TestMameIniStartup::debugShowsFoundValue() {
    QFETCH(bool, debug);
    QFETCH(QByteArray, ini);
    QFETCH(QStringList, plain);
    state.debug = debug;
    WriteFile(state.MAMEPath + QStringLiteral("mame.ini"), ini);
    for (const QString& message : plain)
        dialogs.expectPlain(message);
    QVERIFY(run(nullptr, 0));
    QCOMPARE(dialogs.records().size(), plain.size());
}

QTEST_MAIN(TestMameIniStartup)
#include "tst_mameinistartup.moc"
