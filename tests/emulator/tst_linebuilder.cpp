#include "emulator/LineBuilder.h"

#include <QTest>

Q_DECLARE_METATYPE(QList<QByteArray>)

class TestLineBuilder : public QObject {
    Q_OBJECT
  private slots:
    void lines_data();
    void lines();
    void everySplitGivesTheSameLines();
    void reusedAfterFinish();
    void largeOutputInPiecesKeepsEveryLine();
};

namespace {

// Feeds the pieces in order and returns every line, the last one without LF included.
QStringList Build(const QList<QByteArray>& pieces) {
    LineBuilder builder;
    QStringList lines;
    for (const QByteArray& piece : pieces)
        builder.feed(piece, lines);
    QString last;
    if (builder.finish(last))
        lines.append(last);
    return lines;
}

const QByteArray Euro = QByteArrayLiteral("\xE2\x82\xAC"); // U+20AC in UTF-8

} // namespace

void TestLineBuilder::lines_data() {
    QTest::addColumn<QList<QByteArray>>("pieces");
    QTest::addColumn<QStringList>("expected");
    const auto s = [](const char* text) { return QString::fromUtf8(text); };

    QTest::newRow("nothing") << QList<QByteArray>{} << QStringList{};
    QTest::newRow("empty piece") << QList<QByteArray>{""} << QStringList{};
    QTest::newRow("two lines") << QList<QByteArray>{"one\ntwo\n"} << QStringList{s("one"), s("two")};
    QTest::newRow("empty lines kept") << QList<QByteArray>{"\n\nx\n"} << QStringList{s(""), s(""), s("x")};
    QTest::newRow("last line without LF") << QList<QByteArray>{"one\ntwo"} << QStringList{s("one"), s("two")};
    QTest::newRow("CR overwrites") << QList<QByteArray>{"abc\rxy\n"} << QStringList{s("xyc")};
    QTest::newRow("CR LF ends a line")
        << QList<QByteArray>{"abc\r\ndef\r\n"} << QStringList{s("abc"), s("def")};
    QTest::newRow("CR LF split") << QList<QByteArray>{"abc\r", "\ndef\r", "\n"}
                                 << QStringList{s("abc"), s("def")};
    QTest::newRow("progress") << QList<QByteArray>{"10%\r", "50%\r", "100%\n"} << QStringList{s("100%")};
    QTest::newRow("trailing CR only") << QList<QByteArray>{"abc\r"} << QStringList{s("abc")};
    QTest::newRow("tab is eight blanks") << QList<QByteArray>{"a\tb\n"} << QStringList{s("a        b")};
    QTest::newRow("backspace overwrites") << QList<QByteArray>{"abc\b\bX\n"} << QStringList{s("aXc")};
    QTest::newRow("backspace stops at start") << QList<QByteArray>{"ab\b\b\b\bX\n"} << QStringList{s("Xb")};
    QTest::newRow("NUL and BEL are blanks")
        << QList<QByteArray>{QByteArray("a\0b\ac\n", 6)} << QStringList{s("a b c")};
    QTest::newRow("CR then tab overwrites")
        << QList<QByteArray>{"0123456789AB\r\tX\n"} << QStringList{s("        X9AB")};
    QTest::newRow("UTF-8 whole") << QList<QByteArray>{"caf\xC3\xA9 " + Euro + "\n"}
                                 << QStringList{s("caf\xC3\xA9 \xE2\x82\xAC")};
    QTest::newRow("UTF-8 split in three")
        << QList<QByteArray>{"p" + Euro.left(1), Euro.mid(1, 1), Euro.mid(2) + "q\n"}
        << QStringList{s("p\xE2\x82\xACq")};
    QTest::newRow("UTF-8 split before LF")
        << QList<QByteArray>{"\xC3", "\xA9\n"} << QStringList{s("\xC3\xA9")};
    QTest::newRow("no final LF, split char")
        << QList<QByteArray>{"x\xF0\x9F", "\x98\x80"} << QStringList{s("x\xF0\x9F\x98\x80")};
    // Output cut off inside a character: each of its bytes shows as the replacement character.
    QTest::newRow("ends inside a character")
        << QList<QByteArray>{"ok\nab\xE2\x82"} << QStringList{s("ok"), s("ab\xEF\xBF\xBD\xEF\xBF\xBD")};
    QTest::newRow("last line only half a character")
        << QList<QByteArray>{"ok\n", "\xC3"} << QStringList{s("ok"), s("\xEF\xBF\xBD")};
    // A broken character cut between two pieces takes nothing of what follows it.
    QTest::newRow("broken character split before LF")
        << QList<QByteArray>{"a\xC3", "\nb\n"} << QStringList{s("a\xEF\xBF\xBD"), s("b")};
    QTest::newRow("broken character split before text")
        << QList<QByteArray>{"\xE2\x82", "xyz\n"} << QStringList{s("\xEF\xBF\xBD\xEF\xBF\xBDxyz")};
}

void TestLineBuilder::lines() {
    QFETCH(QList<QByteArray>, pieces);
    QFETCH(QStringList, expected);
    QCOMPARE(Build(pieces), expected);
}

// The same bytes in every two-piece split, and byte by byte, give the same lines.
void TestLineBuilder::everySplitGivesTheSameLines() {
    const QByteArray bytes =
        "ab\tc\r\nd" + Euro + QByteArrayLiteral("e\rX\nf\b\bg\0h") + Euro + "\xC3\xA9\r\n\nlast";
    const QStringList whole = Build({bytes});
    const QStringList expected{QStringLiteral("ab        c"), QStringLiteral("X\u20ACe"),
                               QStringLiteral("g h\u20AC\u00E9"), QString(), QStringLiteral("last")};
    QCOMPARE(whole, expected);
    for (qsizetype cut = 0; cut <= bytes.size(); ++cut)
        QCOMPARE(Build({bytes.left(cut), bytes.mid(cut)}), whole);
    QList<QByteArray> singleBytes;
    for (const char c : bytes)
        singleBytes.append(QByteArray(1, c));
    QCOMPARE(Build(singleBytes), whole);
}

void TestLineBuilder::reusedAfterFinish() {
    LineBuilder builder;
    QStringList lines;
    builder.feed("abc\rx", lines);
    QString last;
    QVERIFY(builder.finish(last));
    QCOMPARE(last, QStringLiteral("xbc"));
    QVERIFY(!builder.finish(last));
    builder.feed("y\n", lines);
    QCOMPARE(lines, QStringList{QStringLiteral("y")});
}

void TestLineBuilder::largeOutputInPiecesKeepsEveryLine() {
    // 5 MB in 4 KiB pieces, lines of 50 bytes with a CR inside each. Its speed is bench_launcher's.
    QByteArray bytes;
    const int lineCount = 100000;
    for (int i = 0; i < lineCount; ++i)
        bytes += "progress " + QByteArray::number(i).rightJustified(8, '0') +
                 "\rline with some text in it......\n";
    LineBuilder builder;
    QStringList lines;
    for (qsizetype at = 0; at < bytes.size(); at += 4096)
        builder.feed(QByteArrayView(bytes).sliced(at, std::min<qsizetype>(4096, bytes.size() - at)), lines);
    QCOMPARE(lines.size(), lineCount);
    QCOMPARE(lines.last(), QStringLiteral("line with some text in it......"));
}

QTEST_GUILESS_MAIN(TestLineBuilder)
#include "tst_linebuilder.moc"
