#include "base/TypedTextLimit.h"

#include <QTest>

class TestTypedTextLimit : public QObject {
    Q_OBJECT
  private slots:
    void limitsWhatIsTyped_data();
    void limitsWhatIsTyped();
};

void TestTypedTextLimit::limitsWhatIsTyped_data() {
    QTest::addColumn<QString>("before");
    QTest::addColumn<QString>("after");
    QTest::addColumn<QString>("expected");
    QTest::addColumn<int>("cursor");
    const auto s = [](const char* text) { return QString::fromUtf8(text); };

    QTest::newRow("typing that fits") << s("1.0") << s("1.05") << s("1.05") << 4;
    QTest::newRow("typing at the limit") << s("1.000000") << s("1.0000005") << s("1.000000") << 8;
    QTest::newRow("typing in the middle at the limit")
        << s("1.000000") << s("1.9000000") << s("1.000000") << 2;
    QTest::newRow("long paste is cut") << s("1.") << s("1.23456789012") << s("1.234567") << 8;
    QTest::newRow("paste in the middle is cut") << s("ab") << s("aXYZWVUTSRb") << s("aXYZWVUb") << 7;
    QTest::newRow("paste over a selection") << s("12345678") << s("12ABCDEFGH78") << s("12ABCD78") << 6;
    QTest::newRow("deleting") << s("1.000000") << s("1.00000") << s("1.00000") << 7;
    // A longer value from the file is kept, can shrink, and never grows.
    QTest::newRow("file value: typing refused")
        << s("1.23456789") << s("1.234567890") << s("1.23456789") << 10;
    QTest::newRow("file value: deleting") << s("1.23456789") << s("1.2345679") << s("1.2345679") << 8;
    QTest::newRow("file value: paste over a selection")
        << s("1.23456789") << s("1.2345XYZ") << s("1.2345XY") << 8;
    QTest::newRow("never half a character")
        << s("1.00000") << s("1.00000\xF0\x9F\x98\x80") << s("1.00000") << 7;
    QTest::newRow("a whole character fits")
        << s("1.0000") << s("1.0000\xF0\x9F\x98\x80") << s("1.0000\xF0\x9F\x98\x80") << 8;
}

void TestTypedTextLimit::limitsWhatIsTyped() {
    QFETCH(QString, before);
    QFETCH(QString, after);
    QFETCH(QString, expected);
    QFETCH(int, cursor);
    int actualCursor = -1;
    QCOMPARE(LimitTypedText(before, after, 8, actualCursor), expected);
    QCOMPARE(actualCursor, cursor);
}

QTEST_GUILESS_MAIN(TestTypedTextLimit)
#include "tst_typedtextlimit.moc"
