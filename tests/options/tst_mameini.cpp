#include "base/AppError.h"
#include "base/AppState.h"
#include "options/FolderRule.h"
#include "options/MameIni.h"
#include "options/MameIniCheck.h"
#include "options/RompathFolders.h"

#include <QDir>
#include <QFile>
#include <QStringEncoder>
#include <QTemporaryDir>
#include <QTest>

namespace {

QByteArray Utf16WithBom(const QString& text, QStringConverter::Encoding encoding) {
    QStringEncoder encoder(encoding, QStringConverter::Flag::WriteBom);
    return encoder.encode(text);
}

// The option values in the order they are read, joined by "|".
QString OptionValues(const AppState& s) {
    return QStringList({s.mame_window, s.readconfig, s.scheat, s.usemouse, s.joystick, s.steadykey, s.verbose,
                        s.skip_gameinfo, s.sound, s.samplerate, s.antialias, s.hwstretch, s.gamma,
                        s.brightness, s.contrast})
        .join(QLatin1Char('|'));
}

QStringList Names(std::initializer_list<const char*> names) {
    QStringList list;
    for (const char* name : names)
        list << QString::fromUtf8(name);
    return list;
}

} // namespace

class TestMameIni : public QObject {
    Q_OBJECT

  private slots:
    void init();

    void readSetting_data();
    void readSetting();
    void readMissingFileIsAnError();

    void writeSetting_data();
    void writeSetting();
    void documentIsReadOnceAndSavedOnce();
    void foundIsReportedBeforeTheLineIsReplaced();
    void writeFailureIsAnError();
    void iniFileFoundIgnoringCase();

    void folderRule_data();
    void folderRule();
    void rompathFolders_data();
    void rompathFolders();
    void missingGameFolders_data();
    void missingGameFolders();

    void checkFailures_data();
    void checkFailures();
    void nvramFolderMayBeMissing();
    void checkReadsFoldersAndDefaults();
    void checkReadsValuesAsWritten();
    void readconfigWarning_data();
    void readconfigWarning();
    void snapnameIsFixed_data();
    void snapnameIsFixed();

  private:
    QString writeIni(const QByteArray& bytes);
    QByteArray iniBytes() const;
    AppState stateWithFolders(const QStringList& folders, const QByteArray& ini);

    std::unique_ptr<QTemporaryDir> dir;
    QString emuPath; // ends with "/"
};

void TestMameIni::init() {
    dir = std::make_unique<QTemporaryDir>();
    QVERIFY(dir->isValid());
    emuPath = dir->path() + QStringLiteral("/emu/");
    QVERIFY(QDir().mkpath(emuPath));
}

QString TestMameIni::writeIni(const QByteArray& bytes) {
    const QString path = emuPath + QStringLiteral("mame.ini");
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        qFatal("cannot write the fixture");
    return path;
}

QByteArray TestMameIni::iniBytes() const {
    QFile file(emuPath + QStringLiteral("mame.ini"));
    if (!file.open(QIODevice::ReadOnly))
        return QByteArray("<missing>");
    return file.readAll();
}

AppState TestMameIni::stateWithFolders(const QStringList& folders, const QByteArray& ini) {
    for (const QString& folder : folders)
        QDir().mkpath(emuPath + folder);
    writeIni(ini);
    AppState state;
    state.MAMEPath = emuPath;
    state.MAMEEXE = QStringLiteral("mame");
    return state;
}

void TestMameIni::readSetting_data() {
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("expected");

    QTest::newRow("plain") << QByteArray("# comment\r\nrompath                   roms\r\n") << "rompath"
                           << "roms";
    QTest::newRow("first of two") << QByteArray("rompath first\nrompath second\n") << "rompath"
                                  << "first";
    QTest::newRow("name in capitals") << QByteArray("ROMPATH roms\n") << "rompath"
                                      << "roms";
    QTest::newRow("indented") << QByteArray("  rompath roms\n") << "rompath"
                              << "<default>";
    QTest::newRow("tab separator") << QByteArray("rompath\troms\n") << "rompath"
                                   << "<default>";
    QTest::newRow("tab then blank") << QByteArray("rompath\troms x\n") << "rompath"
                                    << "<default>";
    QTest::newRow("longer name") << QByteArray("rompaths roms\n") << "rompath"
                                 << "<default>";
    QTest::newRow("commented out") << QByteArray("#rompath roms\n") << "rompath"
                                   << "<default>";
    QTest::newRow("empty value") << QByteArray("rompath \r\n") << "rompath"
                                 << "";
    QTest::newRow("value trimmed of controls") << QByteArray("gamma \t 1.2 \t\x01\r\n") << "gamma"
                                               << "1.2";
    QTest::newRow("trailing comment kept") << QByteArray("gamma 1.0 # mine\n") << "gamma"
                                           << "1.0 # mine";
    QTest::newRow("last line without LF") << QByteArray("a 1\nsound none") << "sound"
                                          << "none";
    QTest::newRow("only A-Z ignore case") << QByteArray("SNÄP 1\n") << QStringLiteral("snäp") << "<default>";
    QTest::newRow("same non-ASCII") << QByteArray("snÄp 1\n") << QStringLiteral("SNÄP") << "1";
    QTest::newRow("lone CR stays inside a line") << QByteArray("a 1\rsound none\n") << "sound"
                                                 << "<default>";
    QTest::newRow("lone CR at the end") << QByteArray("a 1\nsound none\r") << "sound"
                                        << "none";
    QTest::newRow("UTF-8 mark") << QByteArray("\xEF\xBB\xBFrompath roms\r\n") << "rompath"
                                << "roms";
    QTest::newRow("UTF-16 mark") << Utf16WithBom(QStringLiteral("x 1\r\nrompath roms\r\n"),
                                                 QStringConverter::Utf16LE)
                                 << "rompath"
                                 << "roms";
}

void TestMameIni::readSetting() {
    QFETCH(QByteArray, content);
    QFETCH(QString, name);
    QFETCH(QString, expected);
    const QString ini = writeIni(content);
    QCOMPARE(ReadINISetting(ini, name, QStringLiteral("<default>")), expected);
}

void TestMameIni::readMissingFileIsAnError() {
    const QString missing = emuPath + QStringLiteral("none.ini");
    try {
        ReadINISetting(missing, QStringLiteral("rompath"), QStringLiteral("roms"));
        QFAIL("no error for a missing file");
    } catch (const AppError& error) {
        QCOMPARE(error.message(),
                 QStringLiteral("Unable to read ") + missing + QStringLiteral(": No such file or directory"));
    }
}

void TestMameIni::writeSetting_data() {
    QTest::addColumn<QByteArray>("before");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("value");
    QTest::addColumn<QByteArray>("after");
    QTest::addColumn<bool>("found");

    QTest::newRow("first of two replaced")
        << QByteArray("rompath a\r\nrompath b\r\n") << "rompath"
        << "c" << QByteArray("rompath                   c\r\nrompath b\r\n") << true;
    QTest::newRow("capitals replaced")
        << QByteArray("x 1\r\nROMPATH roms\r\ny 2\r\n") << "rompath"
        << "games" << QByteArray("x 1\r\nrompath                   games\r\ny 2\r\n") << true;
    QTest::newRow("missing appended")
        << QByteArray("x 1\r\n") << "snapname"
        << "%g" << QByteArray("x 1\r\nsnapname                  %g\r\n") << false;
    QTest::newRow("empty file") << QByteArray() << "sound"
                                << "none" << QByteArray("sound                     none\r\n") << false;
    QTest::newRow("trailing comment replaced")
        << QByteArray("gamma 1.0 # mine\r\n") << "gamma"
        << "1,2" << QByteArray("gamma                     1,2\r\n") << true;
    QTest::newRow("indented line left")
        << QByteArray(" gamma 1.0\r\n") << "gamma"
        << "2" << QByteArray(" gamma 1.0\r\ngamma                     2\r\n") << false;
    QTest::newRow("tab line left") << QByteArray("gamma\t1.0\r\n") << "gamma"
                                   << "2" << QByteArray("gamma\t1.0\r\ngamma                     2\r\n")
                                   << false;
    QTest::newRow("LF file gets CR LF")
        << QByteArray("a 1\nb 2\n\nc 3") << "b"
        << "9" << QByteArray("a 1\r\nb                         9\r\n\r\nc 3\r\n") << true;
    QTest::newRow("lone CR file gets CR LF")
        << QByteArray("a 1\rb 2\r") << "c"
        << "3" << QByteArray("a 1\r\nb 2\r\nc                         3\r\n") << false;
    QTest::newRow("name over 25 not cut")
        << QByteArray("") << "an_option_name_of_30_letters_"
        << "v" << QByteArray("an_option_name_of_30_letters_ v\r\n") << false;
    QTest::newRow("name of 25") << QByteArray("") << "abcdefghijklmnopqrstuvwxy"
                                << "v" << QByteArray("abcdefghijklmnopqrstuvwxy v\r\n") << false;
    QTest::newRow("UTF-8 mark kept") << QByteArray("\xEF\xBB\xBF# caf\xC3\xA9\r\nsound auto\r\n") << "sound"
                                     << "none"
                                     << QByteArray(
                                            "\xEF\xBB\xBF# caf\xC3\xA9\r\nsound                     none\r\n")
                                     << true;
    const QString utf16Before = QStringLiteral("# café\r\nsound auto\r\n");
    const QString utf16After = QStringLiteral("# café\r\nsound                     none\r\n");
    QTest::newRow("UTF-16LE mark kept")
        << Utf16WithBom(utf16Before, QStringConverter::Utf16LE) << "sound"
        << "none" << Utf16WithBom(utf16After, QStringConverter::Utf16LE) << true;
    QTest::newRow("UTF-16BE mark kept")
        << Utf16WithBom(utf16Before, QStringConverter::Utf16BE) << "sound"
        << "none" << Utf16WithBom(utf16After, QStringConverter::Utf16BE) << true;
    // Bytes the locale's encoding cannot decode must come back as they were.
    QTest::newRow("8-bit bytes kept")
        << QByteArray("# caf\xE9\r\nsound auto\r\n") << "sound"
        << "none" << QByteArray("# caf\xE9\r\nsound                     none\r\n") << true;
    QTest::newRow("8-bit file: the new line in 8 bits")
        << QByteArray("# caf\xE9\r\n") << "rompath" << QStringLiteral("acc\u00E8s")
        << QByteArray("# caf\xE9\r\nrompath                   acc\xE8s\r\n") << false;
    // The emulator writes its file with a mark; a path typed in a Latin-1 editor is not UTF-8.
    QTest::newRow("UTF-8 mark with a Latin-1 byte kept")
        << QByteArray("\xEF\xBB\xBF# acc\xE8s\r\nsound auto\r\n") << "sound"
        << "none" << QByteArray("\xEF\xBB\xBF# acc\xE8s\r\nsound                     none\r\n") << true;
    QTest::newRow("UTF-8 mark: the new line in UTF-8")
        << QByteArray("\xEF\xBB\xBF# acc\xE8s\r\n") << "rompath" << QStringLiteral("acc\u00E8s")
        << QByteArray("\xEF\xBB\xBF# acc\xE8s\r\nrompath                   acc\xC3\xA8s\r\n") << false;
    QTest::newRow("unfinished UTF-8 character at the end kept")
        << QByteArray("sound auto\r\n# caf\xC3") << "sound"
        << "none" << QByteArray("sound                     none\r\n# caf\xC3\r\n") << true;
    QTest::newRow("UTF-16 of odd length: the last byte stays last")
        << Utf16WithBom(utf16Before, QStringConverter::Utf16LE) + 'x' << "rompath"
        << "roms"
        << Utf16WithBom(utf16Before + QStringLiteral("rompath                   roms\r\n"),
                        QStringConverter::Utf16LE) +
               'x'
        << false;
    QTest::newRow("CR LF file unchanged but the line")
        << QByteArray("a 1\r\nsound auto\r\nb 2\r\n") << "sound"
        << "none" << QByteArray("a 1\r\nsound                     none\r\nb 2\r\n") << true;
}

void TestMameIni::writeSetting() {
    QFETCH(QByteArray, before);
    QFETCH(QString, name);
    QFETCH(QString, value);
    QFETCH(QByteArray, after);
    QFETCH(bool, found);
    const QString ini = writeIni(before);
    QCOMPARE(WriteINISetting(ini, name, value), found);
    QCOMPARE(iniBytes(), after);
    QCOMPARE(ReadINISetting(ini, name, QString()), value);
}

void TestMameIni::documentIsReadOnceAndSavedOnce() {
    const QString file = writeIni("rompath roms\rcheat 1\nsound auto\n");
    TMameIni ini(file);
    QVERIFY(QFile::remove(file));
    QCOMPARE(ini.Value(QStringLiteral("sound"), QString()), QStringLiteral("auto"));
    QCOMPARE(ini.Value(QStringLiteral("cheat"), QStringLiteral("none")), QStringLiteral("none"));
    QVERIFY(ini.SetValue(QStringLiteral("sound"), QStringLiteral("none")));
    QVERIFY(!ini.SetValue(QStringLiteral("gamma"), QStringLiteral("1,2")));
    // Read as the file will be: the lone CR now ends a line.
    QCOMPARE(ini.Value(QStringLiteral("cheat"), QStringLiteral("none")), QStringLiteral("1"));
    QCOMPARE(iniBytes(), QByteArray("<missing>"));
    ini.Save();
    QCOMPARE(iniBytes(), QByteArray("rompath roms\r\ncheat 1\r\nsound                     none\r\n"
                                    "gamma                     1,2\r\n"));
}

void TestMameIni::foundIsReportedBeforeTheLineIsReplaced() {
    const QString ini = writeIni("snapname %i\r\n");
    QStringList seen;
    WriteINISetting(ini, QStringLiteral("snapname"), QStringLiteral("%g"), [&](const QString& value) {
        seen << value << ReadINISetting(ini, QStringLiteral("snapname"), QString());
    });
    QCOMPARE(seen, QStringList({QStringLiteral("%g"), QStringLiteral("%i")}));

    seen.clear();
    WriteINISetting(ini, QStringLiteral("other"), QStringLiteral("1"),
                    [&](const QString& value) { seen << value; });
    QVERIFY(seen.isEmpty());
}

void TestMameIni::writeFailureIsAnError() {
    // The folder of /proc/self cannot take the temporary file a safe rewrite needs, even for root.
    const QString unwritable = QStringLiteral("/proc/self/comm");
    if (!QFile::exists(unwritable))
        QSKIP("no /proc here");
    try {
        WriteINISetting(unwritable, QStringLiteral("x"), QStringLiteral("1"));
        QFAIL("no error for a file that cannot be written");
    } catch (const AppError& error) {
        QCOMPARE(error.message(), QStringLiteral("Unable to write to ") + unwritable);
    }
}

void TestMameIni::iniFileFoundIgnoringCase() {
    QFile file(emuPath + QStringLiteral("MAME.INI"));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.close();
    QCOMPARE(MameIniPath(emuPath), emuPath + QStringLiteral("MAME.INI"));
}

void TestMameIni::folderRule_data() {
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("expected");

    QTest::newRow("absolute") << "/games/roms"
                              << "/games/roms/";
    QTest::newRow("absolute with slash") << "/games/roms/"
                                         << "/games/roms/";
    QTest::newRow("relative") << "roms"
                              << "/emu/roms/";
    QTest::newRow("relative nested") << "media/roms/"
                                     << "/emu/media/roms/";
    QTest::newRow("empty") << ""
                           << "/emu/";
    QTest::newRow("network style") << "\\\\server\\roms"
                                   << "/emu/\\\\server\\roms/";
    QTest::newRow("$HOME") << "$HOME/roms"
                           << "/home/tester/roms/";
    QTest::newRow("${HOME}") << "${HOME}/roms"
                             << "/home/tester/roms/";
    QTest::newRow("name ends at non-name character") << "$PELLMORA_TEST_SUB-x"
                                                     << "/emu/sub-x/";
    QTest::newRow("braces join text") << "${PELLMORA_TEST_SUB}dir"
                                      << "/emu/subdir/";
    QTest::newRow("unset variable") << "${PELLMORA_TEST_UNSET}roms"
                                    << "/emu/roms/";
    QTest::newRow("unset variable leaves absolute") << "$PELLMORA_TEST_UNSET/roms"
                                                    << "/roms/";
    QTest::newRow("lone dollar") << "roms$"
                                 << "/emu/roms$/";
    QTest::newRow("dollar before blank") << "a$ b"
                                         << "/emu/a$ b/";
    QTest::newRow("unclosed brace") << "${HOME/roms"
                                    << "/emu/${HOME/roms/";
    QTest::newRow("tilde") << "~/roms"
                           << "/home/tester/roms/";
    QTest::newRow("tilde inside a name") << "~roms"
                                         << "/emu/~roms/";
}

void TestMameIni::folderRule() {
    QFETCH(QString, value);
    QFETCH(QString, expected);
    const QByteArray oldHome = qgetenv("HOME");
    qputenv("HOME", "/home/tester");
    qputenv("PELLMORA_TEST_SUB", "sub");
    qunsetenv("PELLMORA_TEST_UNSET");
    const QString result = ApplyFolderRule(QStringLiteral("/emu/"), value);
    qputenv("HOME", oldHome);
    QCOMPARE(result, expected);
}

void TestMameIni::rompathFolders_data() {
    QTest::addColumn<QString>("value");
    QTest::addColumn<QStringList>("folders");
    QTest::newRow("one") << "roms" << Names({"/emu/roms/"});
    QTest::newRow("two") << "roms;/mnt/disk/roms" << Names({"/emu/roms/", "/mnt/disk/roms/"});
    QTest::newRow("order kept") << "/z;/a;m" << Names({"/z/", "/a/", "/emu/m/"});
    QTest::newRow("$HOME inside") << "roms;$HOME/mame/roms;/usr/share/games/mame/roms"
                                  << Names({"/emu/roms/", "/home/tester/mame/roms/",
                                            "/usr/share/games/mame/roms/"});
    QTest::newRow("empty pieces") << ";roms;;extra" << Names({"/emu/roms/", "/emu/extra/"});
    QTest::newRow("trailing ;") << "roms;" << Names({"/emu/roms/"});
    QTest::newRow("named twice") << "roms;/emu/roms/;roms" << Names({"/emu/roms/"});
    QTest::newRow("empty") << "" << Names({"/emu/"});
    QTest::newRow("only ;") << ";;" << Names({"/emu/"});
}

void TestMameIni::rompathFolders() {
    QFETCH(QString, value);
    QFETCH(QStringList, folders);
    const QByteArray oldHome = qgetenv("HOME");
    qputenv("HOME", "/home/tester");
    const QStringList result = RompathFolders(QStringLiteral("/emu/"), value);
    qputenv("HOME", oldHome);
    QCOMPARE(result, folders);
}

void TestMameIni::missingGameFolders_data() {
    QTest::addColumn<QByteArray>("rompath");
    QTest::addColumn<QStringList>("existing"); // under the emulator folder
    QTest::addColumn<QString>("first");        // rompath: the first folder found
    QTest::addColumn<QStringList>("missing");
    QTest::newRow("all there") << QByteArray("roms;extra") << Names({"roms", "extra"}) << "roms/"
                               << QStringList();
    QTest::newRow("second missing") << QByteArray("roms;extra") << Names({"roms"}) << "roms/"
                                    << Names({"extra/"});
    QTest::newRow("first missing") << QByteArray("extra;roms") << Names({"roms"}) << "roms/"
                                   << Names({"extra/"});
    QTest::newRow("three, middle missing")
        << QByteArray("a;b;c;") << Names({"a", "c"}) << "a/" << Names({"b/"});
}

// A missing game folder among others is no failure: the check goes on, names it once, and keeps
// every folder of the rompath for the later look-ups.
void TestMameIni::missingGameFolders() {
    QFETCH(QByteArray, rompath);
    QFETCH(QStringList, existing);
    QFETCH(QString, first);
    QFETCH(QStringList, missing);
    AppState state =
        stateWithFolders(existing + Names({"snap", "cfg"}),
                         QByteArray("rompath ") + rompath + "\r\nreadconfig 1\r\nsnapname %g\r\n");
    QStringList warnings;
    const MameIniCheckResult result =
        CheckAndReadMameIni(state, {}, {}, [&](const QString& message) { warnings << message; });
    QCOMPARE(result.outcome, MameIniCheckResult::Ok);
    QStringList missingFolders;
    for (const QString& folder : missing)
        missingFolders << emuPath + folder;
    QCOMPARE(result.missingGameFolders, missingFolders);
    QCOMPARE(warnings,
             missing.isEmpty() ? QStringList() : QStringList{MissingGameFoldersMessage(missingFolders)});
    QCOMPARE(state.rompath, emuPath + first);
    QCOMPARE(state.rompaths, RompathFolders(emuPath, QString::fromLatin1(rompath)));
    QCOMPARE(state.rompaths.size(),
             QString::fromLatin1(rompath).split(QLatin1Char(';'), Qt::SkipEmptyParts).size());
}

void TestMameIni::checkFailures_data() {
    QTest::addColumn<QByteArray>("ini");
    QTest::addColumn<QStringList>("folders");
    QTest::addColumn<QString>("message"); // "@" stands for the emulator folder

    const QStringList all = {QStringLiteral("roms"), QStringLiteral("snap"), QStringLiteral("cfg")};
    QTest::newRow("no rompath folder exists")
        << QByteArray("rompath games;;extra;\r\n")
        << QStringList{QStringLiteral("snap"), QStringLiteral("cfg")}
        << "The directory where all your games are supposed to be located (ie. rompath) could not be found.\n"
           "According to your MAME.INI configuration file, the rompath is currently set to @games/;@extra/\n"
           "Please edit the MAME.INI file and change the rompath to the appropriate value (eg. roms).";
    QTest::newRow("roms missing")
        << QByteArray("readconfig 1\r\n") << QStringList{QStringLiteral("snap"), QStringLiteral("cfg")}
        << "The directory where all your games are supposed to be located (ie. rompath) could not be found.\n"
           "According to your MAME.INI configuration file, the rompath is currently set to @roms/\n"
           "Please edit the MAME.INI file and change the rompath to the appropriate value (eg. roms).";
    QTest::newRow("roms reported before snap")
        << QByteArray("rompath games\r\n") << QStringList{QStringLiteral("cfg")}
        << "The directory where all your games are supposed to be located (ie. rompath) could not be found.\n"
           "According to your MAME.INI configuration file, the rompath is currently set to @games/\n"
           "Please edit the MAME.INI file and change the rompath to the appropriate value (eg. roms).";
    QTest::newRow("snap missing") << QByteArray("snapshot_directory shots\r\n") << all
                                  << "The directory where game snap shots are supposed to be located (ie. "
                                     "snapshot_directory) could not "
                                     "be found.\nAccording to your MAME.INI configuration file, the "
                                     "snapshot_directory is currently set to "
                                     "@shots/\nPlease edit the MAME.INI file and change the "
                                     "snapshot_directory to the appropriate value "
                                     "(eg. snap).";
    QTest::newRow("cfg missing")
        << QByteArray("") << QStringList{QStringLiteral("roms"), QStringLiteral("snap")}
        << "The directory where game configs are supposed to be located (ie. cfg_directory) could not be "
           "found.\n"
           "According to your MAME.INI configuration file, the cfg_directory is currently set to @cfg/\n"
           "Please edit the MAME.INI file and change the cfg_directory to the appropriate value (eg. cfg).";
}

void TestMameIni::checkFailures() {
    QFETCH(QByteArray, ini);
    QFETCH(QStringList, folders);
    QFETCH(QString, message);
    AppState state = stateWithFolders(folders, ini);
    bool warned = false;
    const MameIniCheckResult result = CheckAndReadMameIni(state, [&] { warned = true; });
    QCOMPARE(result.outcome, MameIniCheckResult::Fail);
    QCOMPARE(result.errorMessage, QString(message).replace(QLatin1Char('@'), emuPath));
    QVERIFY(!warned);
    QCOMPARE(iniBytes(), ini); // a failed check leaves the file alone
}

void TestMameIni::nvramFolderMayBeMissing() {
    AppState state = stateWithFolders({QStringLiteral("roms"), QStringLiteral("snap"), QStringLiteral("cfg")},
                                      "nvram_directory memcards\r\n");
    QCOMPARE(CheckAndReadMameIni(state).outcome, MameIniCheckResult::Ok);
    QCOMPARE(state.nvram_directory, emuPath + QStringLiteral("memcards/"));
}

void TestMameIni::checkReadsFoldersAndDefaults() {
    const QString games = dir->path() + QStringLiteral("/games");
    QVERIFY(QDir().mkpath(games));
    AppState state = stateWithFolders({QStringLiteral("snap"), QStringLiteral("cfg")},
                                      QByteArray("rompath ") + games.toUtf8() + "\r\nsnapname %g\r\n");
    const MameIniCheckResult result = CheckAndReadMameIni(state);
    QCOMPARE(result.outcome, MameIniCheckResult::Ok);
    QVERIFY(result.errorMessage.isEmpty());
    QCOMPARE(state.rompath, games + QLatin1Char('/'));
    QCOMPARE(state.snapshot_directory, emuPath + QStringLiteral("snap/"));
    QCOMPARE(state.nvram_directory, emuPath + QStringLiteral("nvram/"));
    QCOMPARE(state.cfg_directory, emuPath + QStringLiteral("cfg/"));
    QCOMPARE(OptionValues(state), QStringLiteral("0|0|0|0|0|0|0|0|auto|44100|1|1|1.00000|1.000000|1.000000"));
}

void TestMameIni::checkReadsValuesAsWritten() {
    AppState state = stateWithFolders(
        {QStringLiteral("roms"), QStringLiteral("snap"), QStringLiteral("cfg")},
        "window 8\r\nreadconfig 1\r\ncheat 9\r\nmouse 2\r\njoystick 3\r\nsteadykey 4\r\nverbose 5\r\n"
        "skip_gameinfo 6\r\nsound none\r\nsamplerate 22050\r\nantialias 0\r\nhwstretch 7\r\ngamma 1,2\r\n"
        "brightness 0.5\r\ncontrast 2.0\r\nsnapname %g\r\n");
    QCOMPARE(CheckAndReadMameIni(state).outcome, MameIniCheckResult::Ok);
    QCOMPARE(OptionValues(state), QStringLiteral("8|1|9|2|3|4|5|6|none|22050|0|7|1,2|0.5|2.0"));
}

void TestMameIni::readconfigWarning_data() {
    QTest::addColumn<QByteArray>("ini");
    QTest::addColumn<bool>("warning");
    QTest::newRow("0") << QByteArray("readconfig 0\r\n") << true;
    QTest::newRow("0 with blanks") << QByteArray("readconfig     0  \r\n") << true;
    QTest::newRow("missing") << QByteArray("# readconfig 1\r\n") << true;
    QTest::newRow("1") << QByteArray("readconfig 1\r\n") << false;
    QTest::newRow("00 is not 0") << QByteArray("readconfig 00\r\n") << false;
    QTest::newRow("empty is not 0") << QByteArray("readconfig \r\n") << false;
    QTest::newRow("no blank: missing") << QByteArray("readconfig\r\n") << true;
}

void TestMameIni::readconfigWarning() {
    QFETCH(QByteArray, ini);
    QFETCH(bool, warning);
    AppState state = stateWithFolders({QStringLiteral("roms"), QStringLiteral("snap"), QStringLiteral("cfg")},
                                      ini + "snapname 0\r\n");
    QStringList events;
    const MameIniCheckResult result = CheckAndReadMameIni(
        state, [&] { events << QStringLiteral("warning"); },
        [&](const QString& value) { events << QStringLiteral("found ") + value; });
    QCOMPARE(result.outcome, MameIniCheckResult::Ok);
    QCOMPARE(result.readconfigWarning, warning);
    // The warning comes before the snapname fix, as the box belongs there.
    QStringList expected;
    if (warning)
        expected << QStringLiteral("warning");
    expected << QStringLiteral("found %g");
    QCOMPARE(events, expected);
}

void TestMameIni::snapnameIsFixed_data() {
    QTest::addColumn<QByteArray>("ini");
    QTest::addColumn<QByteArray>("after");
    QTest::newRow("missing: appended")
        << QByteArray("readconfig 1\n") << QByteArray("readconfig 1\r\nsnapname                  %g\r\n");
    QTest::newRow("other pattern: replaced")
        << QByteArray("snapname %g/%i\nreadconfig 1\n")
        << QByteArray("snapname                  %g\r\nreadconfig 1\r\n");
    QTest::newRow("capital G: replaced")
        << QByteArray("snapname %G\n") << QByteArray("snapname                  %g\r\n");
    // Left alone, so the LF line ends stay as they were.
    QTest::newRow("already %g") << QByteArray("snapname %g\nreadconfig 1\n")
                                << QByteArray("snapname %g\nreadconfig 1\n");
    QTest::newRow("several game folders: the rompath line kept")
        << QByteArray("rompath roms;$HOME/gone;\nsnapname 0\n")
        << QByteArray("rompath roms;$HOME/gone;\r\nsnapname                  %g\r\n");
    QTest::newRow("already %g with blanks")
        << QByteArray("SNAPNAME      %g \n") << QByteArray("SNAPNAME      %g \n");
}

void TestMameIni::snapnameIsFixed() {
    QFETCH(QByteArray, ini);
    QFETCH(QByteArray, after);
    AppState state =
        stateWithFolders({QStringLiteral("roms"), QStringLiteral("snap"), QStringLiteral("cfg")}, ini);
    QCOMPARE(CheckAndReadMameIni(state).outcome, MameIniCheckResult::Ok);
    QCOMPARE(iniBytes(), after);
}

QTEST_GUILESS_MAIN(TestMameIni)
#include "tst_mameini.moc"
