// Reading the emulator's list of supported games: which lines are entries, what their
// fields hold, and the look-ups by short name.

#include "gamelist/SupportedGames.h"

#include "base/AppError.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

namespace {

QString s(const char* text) {
    return QString::fromUtf8(text);
}

} // namespace

class TestSupportedGames : public QObject {
    Q_OBJECT

  private slots:
    void parseLine_data();
    void parseLine();
    void headerLineIsNeverAnEntry();
    void fileIsReadAsUtf8();
    void lookupsIgnoreAsciiCase();
    void unreadableFileThrows();
};

void TestSupportedGames::parseLine_data() {
    QTest::addColumn<QString>("line");
    QTest::addColumn<bool>("entry");
    QTest::addColumn<QString>("shortName");
    QTest::addColumn<QString>("description");
    QTest::newRow("plain") << s("abc               \"Abc Deluxe (set 1)\"") << true << s("abc")
                           << s("Abc Deluxe (set 1)");
    QTest::newRow("quote inside the description")
        << s("cc10              \"Chess Challenger \"10\" (model CCX)\"") << true << s("cc10")
        << s("Chess Challenger \"10\" (model CCX)");
    QTest::newRow("one character after the closing quote")
        << s("abc \"Abc\" ") << true << s("abc") << s("Abc\"");
    QTest::newRow("two characters after it") << s("abc \"Abc\"  ") << false << s("") << s("");
    QTest::newRow("blanks and a tab before the quote")
        << s("  abc \t \"Abc\"") << true << s("abc") << s("Abc");
    QTest::newRow("control characters around the name") << s("\x01x\x02\"X\"") << true << s("x") << s("X");
    QTest::newRow("one quote") << s("abc \"Abc") << false << s("") << s("");
    QTest::newRow("no quote") << s("abc Abc") << false << s("") << s("");
    QTest::newRow("empty line") << s("") << false << s("") << s("");
    QTest::newRow("lone quote") << s("\"") << false << s("") << s("");
    QTest::newRow("empty description") << s("abc \"\"") << false << s("") << s("");
    QTest::newRow("one-letter description") << s("\"x\"") << true << s("") << s("x");
    QTest::newRow("accented") << s("attache  \"Attach\xC3\xA9\"") << true << s("attache")
                              << s("Attach\xC3\xA9");
}

void TestSupportedGames::parseLine() {
    QFETCH(QString, line);
    QFETCH(bool, entry);
    QFETCH(QString, shortName);
    QFETCH(QString, description);
    const auto parsed = ParseSupportedGameLine(line);
    QCOMPARE(parsed.has_value(), entry);
    if (parsed) {
        QCOMPARE(parsed->shortName, shortName);
        QCOMPARE(parsed->description, description);
    }
}

void TestSupportedGames::headerLineIsNeverAnEntry() {
    const auto entries =
        ParseSupportedGames(u"head  \"Shaped like an entry\"\r\nabc  \"Abc\"\r\nnot an entry\nxyz  \"Xyz\"");
    QCOMPARE(entries.size(), size_t(2));
    QCOMPARE(entries[0].shortName, s("abc"));
    QCOMPARE(entries[0].description, s("Abc")); // the CR is a line ending, not a character
    QCOMPARE(entries[1].description, s("Xyz")); // a last line without its line feed counts
    QVERIFY(ParseSupportedGames(u"abc  \"Abc\"").empty());
}

void TestSupportedGames::fileIsReadAsUtf8() {
    QTemporaryDir dir;
    const QString file = dir.path() + s("/Pellmora.GAM");
    QFile out(file);
    QVERIFY(out.open(QIODevice::WriteOnly));
    out.write("Name:             Description:\n"
              "attache           \"Attach\xC3\xA9\"\n"
              "bup               \"Mephisto Blitz- und Probleml\xC3\xB6sungs-Modul (set 1)\"\n");
    out.close();
    const auto entries = ReadSupportedGamesFile(file);
    QCOMPARE(entries.size(), size_t(2));
    QCOMPARE(entries[0].description, s("Attach\xC3\xA9"));
    const auto found = FindSupportedGame(file, u"BUP");
    QVERIFY(found);
    QCOMPARE(found->description, s("Mephisto Blitz- und Probleml\xC3\xB6sungs-Modul (set 1)"));
    QVERIFY(!FindSupportedGame(file, u"bu"));
}

void TestSupportedGames::lookupsIgnoreAsciiCase() {
    const std::vector<SupportedGame> entries{{s("abc"), s("Abc")},
                                             {s("Xyz"), s("Xyz first")},
                                             {s("XYZ"), s("Xyz second")},
                                             {s("\xC3\xA9t"), s("Et")}};
    const TSupportedGames games(entries);
    QCOMPARE(games.Lookup(u"ABC"), std::optional<QString>(s("Abc")));
    QCOMPARE(games.Lookup(u"xyz"), std::optional<QString>(s("Xyz first")));
    QCOMPARE(games.Lookup(s("\xC3\x89T")), std::nullopt); // only ASCII letters change case
    QCOMPARE(games.Lookup(u"ab"), std::nullopt);          // no partial matches
    QCOMPARE(games.Count(), 3);
}

void TestSupportedGames::unreadableFileThrows() {
    QTemporaryDir dir;
    QVERIFY_THROWS_EXCEPTION(AppError, ReadSupportedGamesFile(dir.path() + s("/missing.GAM")));
    QVERIFY_THROWS_EXCEPTION(AppError, FindSupportedGame(dir.path() + s("/missing.GAM"), u"x"));
}

QTEST_GUILESS_MAIN(TestSupportedGames)
#include "tst_supportedgames.moc"
