#include "emulator/CommandTexts.h"
#include "emulator/GameNameRules.h"
#include "emulator/PlayTexts.h"
#include "emulator/ShellQuote.h"

#include <QProcess>
#include <QTest>

#include <cerrno>

namespace {

// The command as the log shows it.
QString Text(const QString& mamePath, const QString& exe, const TEmulatorArgs& args,
             const QString& standardOutputFile = {}) {
    return EmulatorCommandText(EmulatorProgram(mamePath, exe), args, standardOutputFile);
}

} // namespace

class TestCommandTexts : public QObject {
    Q_OBJECT
  private slots:
    void shellQuote_data();
    void shellQuote();
    void quotedTextReachesTheProgramUnchanged_data();
    void quotedTextReachesTheProgramUnchanged();
    void commands_data();
    void commands();
    void shellWordsAsTheShellSplits_data();
    void shellWordsAsTheShellSplits();
    void shellWordsExpandNothing();
    void argumentsReachTheProgramWhole();
    void verifyName_data();
    void verifyName();
    void systemErrorText();
    void startsLikeOption_data();
    void startsLikeOption();
    void playProblemText();
};

void TestCommandTexts::shellQuote_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("quoted");
    const auto s = [](const char* text) { return QString::fromUtf8(text); };
    QTest::newRow("safe path") << s("/home/u/mame/mame") << s("/home/u/mame/mame");
    QTest::newRow("all safe marks") << s("a_b.c,d:e/f=g+h@i%j-k") << s("a_b.c,d:e/f=g+h@i%j-k");
    QTest::newRow("empty") << s("") << s("''");
    QTest::newRow("blank") << s("/my games/mame") << s("'/my games/mame'");
    QTest::newRow("quote") << s("it's") << s("'it'\\''s'");
    QTest::newRow("semicolon") << s("a;rm -rf x") << s("'a;rm -rf x'");
    QTest::newRow("command substitution") << s("$(touch x)") << s("'$(touch x)'");
    QTest::newRow("backquote and star") << s("`x`*") << s("'`x`*'");
    QTest::newRow("non-ASCII") << s("caf\xC3\xA9") << s("'caf\xC3\xA9'");
    QTest::newRow("tilde") << s("~/roms") << s("'~/roms'");
    // Each character the shell gives a meaning, alone among safe ones: one let through as
    // safe would change what the emulator receives.
    for (const char special : QByteArrayView(" \t\n'\"$`\\;&|<>()*?[]{}~#!^")) {
        const QString text = s("roms/a") + QLatin1Char(special) + s("b");
        QTest::addRow("lone %s", QByteArray(1, special).toPercentEncoding().constData())
            << text << QLatin1Char('\'') + QString(text).replace(s("'"), s("'\\''")) + QLatin1Char('\'');
    }
}

void TestCommandTexts::shellQuote() {
    QFETCH(QString, text);
    QFETCH(QString, quoted);
    QCOMPARE(ShellQuote(text), quoted);
}

void TestCommandTexts::quotedTextReachesTheProgramUnchanged_data() {
    QTest::addColumn<QString>("text");
    const auto s = [](const char* text) { return QString::fromUtf8(text); };
    for (const char* text : {"plain", "with blank", "it's", "a;b", "$(echo hacked)", "`id`", "\"dq\"", "a\\b",
                             "new\nline", "", "caf\xC3\xA9 *?[x]", "'''", "$HOME", "a$b"})
        QTest::newRow(text) << s(text);
}

// What the shell hands the program is the text itself, whatever it holds.
void TestCommandTexts::quotedTextReachesTheProgramUnchanged() {
    QFETCH(QString, text);
    QProcess shell;
    shell.start(QStringLiteral("/bin/sh"),
                {QStringLiteral("-c"), QStringLiteral("printf '%s' ") + ShellQuote(text)});
    QVERIFY(shell.waitForFinished());
    QCOMPARE(QString::fromUtf8(shell.readAllStandardOutput()), text);
}

void TestCommandTexts::commands_data() {
    QTest::addColumn<QString>("command");
    QTest::addColumn<QString>("expected");
    const QString mamePath = QStringLiteral("/opt/mame/");
    const QString odd = QStringLiteral("/my games/it's $(x);/");
    const QString exe = QStringLiteral("mame");
    const QString ini = QStringLiteral(" -inipath '.;ini;ini/presets'");
    const QString plain = QStringLiteral("/opt/mame/mame") + ini;
    const QString quoted = QStringLiteral("'/my games/it'\\''s $(x);/mame'") + ini;
    const auto s = [](const char* text) { return QString::fromUtf8(text); };

    QTest::newRow("createconfig") << Text(mamePath, exe, CreateConfigArgs()) << plain + s(" -createconfig");
    QTest::newRow("createconfig odd path")
        << Text(odd, exe, CreateConfigArgs()) << quoted + s(" -createconfig");
    QTest::newRow("listfull") << Text(mamePath, exe, ListFullArgs(),
                                      s("/home/u/.local/share/Quorvane/Pellmora/Pellmora.GAM"))
                              << plain +
                                     s(" -listfull > /home/u/.local/share/Quorvane/Pellmora/Pellmora.GAM");
    QTest::newRow("listfull odd data folder") << Text(odd, exe, ListFullArgs(), s("/data $HOME/Pellmora.GAM"))
                                              << quoted + s(" -listfull > '/data $HOME/Pellmora.GAM'");
    QTest::newRow("verifyroms zip") << Text(mamePath, exe, VerifyRomsArgs(s("pacman.zip")))
                                    << plain + s(" -verifyroms pacman");
    QTest::newRow("verifyroms 7z capitals")
        << Text(mamePath, exe, VerifyRomsArgs(s("Galaga.7Z"))) << plain + s(" -verifyroms Galaga");
    QTest::newRow("verifyroms folder")
        << Text(mamePath, exe, VerifyRomsArgs(s("dkong"))) << plain + s(" -verifyroms dkong");
    QTest::newRow("verifyroms odd name")
        << Text(mamePath, exe, VerifyRomsArgs(s("a b;$(c).zip"))) << plain + s(" -verifyroms 'a b;$(c)'");
    QTest::newRow("romident") << Text(mamePath, exe, RomIdentArgs(s("/opt/mame/roms/"), s("pacman.zip")))
                              << plain + s(" -romident /opt/mame/roms/pacman.zip");
    QTest::newRow("romident odd") << Text(mamePath, exe, RomIdentArgs(s("/my roms/"), s("it's.zip")))
                                  << plain + s(" -romident '/my roms/it'\\''s.zip'");
    QTest::newRow("showusage") << Text(mamePath, exe, ShowUsageArgs()) << plain + s(" -showusage");
    QTest::newRow("help") << Text(mamePath, exe, HelpArgs()) << plain + s(" -help");
    QTest::newRow("validate") << Text(mamePath, exe, ValidateArgs()) << plain + s(" -validate");
    QTest::newRow("play plain") << Text(mamePath, exe, PlayArgs(s("pacman.zip"), s("1"), s("0"), s("")))
                                << plain + s(" pacman.zip");
    QTest::newRow("play noreadconfig verbose switches")
        << Text(mamePath, exe, PlayArgs(s("pacman.zip"), s("0"), s("1"), s("-window -nomax")))
        << plain + s(" pacman.zip -noreadconfig -verbose -window -nomax");
    QTest::newRow("play switches as typed")
        << Text(odd, exe, PlayArgs(s("my game.zip"), s(""), s(""), s("-x 'a b'")))
        << quoted + s(" 'my game.zip' -x 'a b'");
    QTest::newRow("play blank switches add nothing")
        << Text(mamePath, exe, PlayArgs(s("pacman.zip"), s("1"), s("0"), s("  \t ")))
        << plain + s(" pacman.zip");
    QTest::newRow("play switches keep their blanks")
        << Text(mamePath, exe, PlayArgs(s("pacman.zip"), s("1"), s("0"), s(" -window ")))
        << plain + s(" pacman.zip  -window ");
    QTest::newRow("play odd file name")
        << Text(mamePath, exe, PlayArgs(s("Pac Man's $(x);.Zip"), s("1"), s("0"), s("")))
        << plain + s(" 'Pac Man'\\''s $(x);.Zip'");
    QTest::newRow("play the empty list's blank row: no game")
        << Text(mamePath, exe, PlayArgs(s(""), s("0"), s("0"), s("-window")))
        << plain + s(" -noreadconfig -window");
    QTest::newRow("play readconfig and verbose exactly")
        << Text(mamePath, exe, PlayArgs(s("pong"), s(" 0"), s("true"), s(""))) << plain + s(" pong");
    QTest::newRow("mame64") << Text(mamePath, s("mame64"), HelpArgs())
                            << s("/opt/mame/mame64") + ini + s(" -help");
}

void TestCommandTexts::commands() {
    QFETCH(QString, command);
    QFETCH(QString, expected);
    QCOMPARE(command, expected);
}

void TestCommandTexts::shellWordsAsTheShellSplits_data() {
    QTest::addColumn<QString>("typed");
    for (const char* typed :
         {"-window -nomax", "  -window  ", "-rompath 'my roms'", "-x \"c d\" e\\ f", "a\"b c\"d", "\"\" ''",
          "'it'\\''s'", "\"a\\\"b\\\\c\\d\"", "\t-a\t-b", "'unclosed"})
        QTest::newRow(typed) << QString::fromUtf8(typed);
}

// The words are the ones /bin/sh itself makes of the text.
void TestCommandTexts::shellWordsAsTheShellSplits() {
    QFETCH(QString, typed);
    QProcess shell;
    const QString script =
        QStringLiteral("for a in ") + typed + QStringLiteral("; do printf '%s\\0' \"$a\"; done");
    shell.start(QStringLiteral("/bin/sh"), {QStringLiteral("-c"), script});
    QVERIFY(shell.waitForFinished());
    QStringList expected;
    if (shell.exitCode() == 0) {
        QList<QByteArray> parts = shell.readAllStandardOutput().split('\0');
        parts.removeLast();
        for (const QByteArray& part : std::as_const(parts))
            expected << QString::fromUtf8(part);
    } else {
        // The shell refuses an unclosed quote; here it runs to the end.
        expected << typed.mid(1);
    }
    QCOMPARE(ShellWords(typed), expected);
}

void TestCommandTexts::shellWordsExpandNothing() {
    QCOMPARE(ShellWords(QStringLiteral("$(touch x) `id` a;b $HOME * \"$x\" 'it''s' a|b>c")),
             (QStringList{QStringLiteral("$(touch"), QStringLiteral("x)"), QStringLiteral("`id`"),
                          QStringLiteral("a;b"), QStringLiteral("$HOME"), QStringLiteral("*"),
                          QStringLiteral("$x"), QStringLiteral("its"), QStringLiteral("a|b>c")}));
}

// Each path and name is one argument, whatever it holds; the user's switches are split into words.
void TestCommandTexts::argumentsReachTheProgramWhole() {
    const QString odd = QStringLiteral("it's $(touch x);`id` \"q\".zip");
    QCOMPARE(EmulatorArguments(VerifyRomsArgs(odd)),
             (QStringList{QStringLiteral("-inipath"), QStringLiteral(".;ini;ini/presets"),
                          QStringLiteral("-verifyroms"), QStringLiteral("it's $(touch x);`id` \"q\"")}));
    QCOMPARE(
        PlayArgs(odd, QStringLiteral("0"), QStringLiteral("1"), QStringLiteral("-rompath 'my roms' -window"))
            .Arguments(),
        (QStringList{odd, QStringLiteral("-noreadconfig"), QStringLiteral("-verbose"),
                     QStringLiteral("-rompath"), QStringLiteral("my roms"), QStringLiteral("-window")}));
    QCOMPARE(RomIdentArgs(QStringLiteral("/my roms/"), odd).Arguments(),
             (QStringList{QStringLiteral("-romident"), QStringLiteral("/my roms/") + odd}));
}

void TestCommandTexts::verifyName_data() {
    QTest::addColumn<QString>("fileDir");
    QTest::addColumn<QString>("name");
    const auto s = [](const char* text) { return QString::fromUtf8(text); };
    QTest::newRow("zip") << s("pacman.zip") << s("pacman");
    QTest::newRow("7z upper") << s("PACMAN.7Z") << s("PACMAN");
    QTest::newRow("Zip mixed") << s("sf2.Zip") << s("sf2");
    QTest::newRow("folder") << s("dkong") << s("dkong");
    QTest::newRow("other extension") << s("pacman.rar") << s("pacman.rar");
    QTest::newRow("first .zip anywhere") << s("abc.zip.old") << s("abc");
    QTest::newRow("zip twice") << s("a.zip.zip") << s("a");
    QTest::newRow(".zip wins over an earlier .7z") << s("a.7z.zip") << s("a.7z");
    QTest::newRow(".7z inside a longer extension") << s("b.7zip") << s("b");
    QTest::newRow("dot zip alone") << s(".zip") << s("");
    QTest::newRow("inner dot kept") << s("x.y.zip") << s("x.y");
    QTest::newRow("non-ASCII kept") << s("caf\xC3\xA9.ZIP") << s("caf\xC3\xA9");
}

void TestCommandTexts::verifyName() {
    QFETCH(QString, fileDir);
    QFETCH(QString, name);
    QCOMPARE(VerifyName(fileDir), name);
}

void TestCommandTexts::systemErrorText() {
    QCOMPARE(SystemErrorText(ENOENT), QStringLiteral("No such file or directory"));
    QCOMPARE(SystemErrorText(EACCES), QStringLiteral("Permission denied"));
    QVERIFY(!SystemErrorText(3).isEmpty());
}

void TestCommandTexts::startsLikeOption_data() {
    QTest::addColumn<QString>("fileDir");
    QTest::addColumn<bool>("option");
    QTest::newRow("option") << "-createconfig" << true;
    QTest::newRow("dash archive") << "-game.zip" << true;
    QTest::newRow("dash inside") << "a-b.zip" << false;
    QTest::newRow("blank first") << " -x" << false;
    QTest::newRow("plain") << "pacman.zip" << false;
    QTest::newRow("empty") << "" << false;
}

void TestCommandTexts::startsLikeOption() {
    QFETCH(QString, fileDir);
    QFETCH(bool, option);
    QCOMPARE(StartsLikeOption(fileDir), option);
}

void TestCommandTexts::playProblemText() {
    const QStringList output{QStringLiteral("Unknown option: -bogus"), QString(), QStringLiteral("last")};
    QCOMPARE(PlayProblemText(QStringLiteral("Pong"), 1, output),
             QStringLiteral("There was a problem running the game Pong. The problem code is 1\n\n"
                            "Unknown option: -bogus\n\nlast\n"));
    // The code reads as an unsigned 32-bit number.
    QVERIFY(PlayProblemText(QStringLiteral("Pong"), -1, {}).endsWith(QStringLiteral("is 4294967295\n\n")));
}

QTEST_GUILESS_MAIN(TestCommandTexts)
#include "tst_commandtexts.moc"
