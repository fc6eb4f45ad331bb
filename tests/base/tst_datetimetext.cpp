#include "base/DateTimeText.h"

#include <QTest>

#include <limits>

Q_DECLARE_METATYPE(QLocale)

class TestDateTimeText : public QObject {
    Q_OBJECT

  private slots:
    void encodeDecode_data();
    void encodeDecode();
    void decodeRejects_data();
    void decodeRejects();
    void qDateTimeBothWays();

    void dateTimeToStr_data();
    void dateTimeToStr();
    void roundTrip_data();
    void roundTrip();
    void tryStrToDateTime_data();
    void tryStrToDateTime();
};

void TestDateTimeText::encodeDecode_data() {
    QTest::addColumn<double>("value");
    QTest::addColumn<QDate>("date");
    QTest::addColumn<QTime>("time");
    QTest::newRow("zero") << 0.0 << QDate(1899, 12, 30) << QTime(0, 0);
    QTest::newRow("one day") << 1.0 << QDate(1899, 12, 31) << QTime(0, 0);
    QTest::newRow("evening") << 2.75 << QDate(1900, 1, 1) << QTime(18, 0);
    QTest::newRow("2025 noon") << 45658.5 << QDate(2025, 1, 1) << QTime(12, 0);
    QTest::newRow("before day zero") << -1.25 << QDate(1899, 12, 29) << QTime(6, 0);
    QTest::newRow("last second") << 2958465.0 + 86399.0 / 86400 << QDate(9999, 12, 31) << QTime(23, 59, 59);
}

void TestDateTimeText::encodeDecode() {
    QFETCH(double, value);
    QFETCH(QDate, date);
    QFETCH(QTime, time);
    QCOMPARE(EncodeDateTime(date, time), value);
    QDate decodedDate;
    QTime decodedTime;
    QVERIFY(DecodeDateTime(value, decodedDate, decodedTime));
    QCOMPARE(decodedDate, date);
    QCOMPARE(decodedTime, time);
}

void TestDateTimeText::decodeRejects_data() {
    QTest::addColumn<double>("value");
    QTest::newRow("NaN") << std::numeric_limits<double>::quiet_NaN();
    QTest::newRow("infinity") << std::numeric_limits<double>::infinity();
    QTest::newRow("year 10000") << 2958466.0;
    QTest::newRow("rounds up into year 10000") << 2958466.0 - 1e-10;
    QTest::newRow("before year 1") << -693594.0;
    QTest::newRow("huge") << 1e300;
}

void TestDateTimeText::decodeRejects() {
    QFETCH(double, value);
    QDate date;
    QTime time;
    QVERIFY(!DecodeDateTime(value, date, time));
    QVERIFY(DateTimeToStr(value, QLocale::c()).isEmpty());
    QVERIFY(!DateTimeToQDateTime(value).isValid());
}

void TestDateTimeText::qDateTimeBothWays() {
    const QDateTime local(QDate(2024, 7, 14), QTime(9, 30, 15));
    const TDateTime value = QDateTimeToDateTime(local);
    QCOMPARE(value, EncodeDateTime(QDate(2024, 7, 14), QTime(9, 30, 15)));
    QCOMPARE(DateTimeToQDateTime(value), local);
    // Rounded to the millisecond: just below the next day is the next day.
    QCOMPARE(DateTimeToQDateTime(1.9999999999), QDateTime(QDate(1900, 1, 1), QTime(0, 0)));
    QCOMPARE(QDateTimeToDateTime(QDateTime()), 0.0);
}

void TestDateTimeText::dateTimeToStr_data() {
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("text");
    const TDateTime day = EncodeDateTime(QDate(2025, 1, 5), QTime(0, 0));
    const TDateTime afternoon = EncodeDateTime(QDate(2025, 1, 5), QTime(15, 4, 5, 900));
    const QLocale us(QStringLiteral("en_US"));
    const QLocale de(QStringLiteral("de_DE"));
    const QLocale zh(QStringLiteral("zh_CN"));
    QTest::newRow("C") << QLocale::c() << afternoon << "5 Jan 2025 15:04:05";
    QTest::newRow("C midnight") << QLocale::c() << day << "5 Jan 2025";
    QTest::newRow("C one second past midnight")
        << QLocale::c() << EncodeDateTime(QDate(2025, 1, 5), QTime(0, 0, 1)) << "5 Jan 2025 00:00:01";
    QTest::newRow("en_US, four-digit year") << us << afternoon << "1/5/2025 3:04:05 PM";
    QTest::newRow("en_US midnight") << us << day << "1/5/2025";
    QTest::newRow("de_DE") << de << afternoon << "05.01.2025 15:04:05";
    QTest::newRow("zh_CN, zone in front left out") << zh << afternoon << "2025/1/5 15:04:05";
}

void TestDateTimeText::dateTimeToStr() {
    QFETCH(QLocale, locale);
    QFETCH(double, value);
    QFETCH(QString, text);
    QCOMPARE(DateTimeToStr(value, locale), text);
}

void TestDateTimeText::roundTrip_data() {
    QTest::addColumn<QLocale>("locale");
    const char* const names[] = {"C",     "en_US", "de_DE", "en_GB", "fr_FR", "ja_JP", "ko_KR",
                                 "zh_CN", "bg_BG", "hu_HU", "fa_IR", "ar_EG", "hi_IN"};
    for (const char* name : names)
        QTest::newRow(name) << (qstrcmp(name, "C") == 0 ? QLocale::c() : QLocale(QString::fromLatin1(name)));
}

void TestDateTimeText::roundTrip() {
    QFETCH(QLocale, locale);
    const QList<std::pair<QDate, QTime>> moments{
        {QDate(2025, 1, 5), QTime(15, 4, 5)},   {QDate(2025, 1, 5), QTime(0, 0)},
        {QDate(2000, 2, 29), QTime(0, 0, 1)},   {QDate(2024, 12, 31), QTime(23, 59, 59)},
        {QDate(2024, 6, 1), QTime(12, 0)},      {QDate(2024, 6, 1), QTime(12, 30, 1)},
        {QDate(1980, 10, 10), QTime(0, 30)},    {QDate(1850, 6, 15), QTime(10, 0)},
        {QDate(2090, 3, 4), QTime(1, 2, 3)},    {QDate(9999, 12, 31), QTime(23, 59, 59)},
        {QDate(1899, 12, 30), QTime(8, 15, 0)}, {QDate(1925, 1, 5), QTime(7, 0)}};
    for (const auto& [date, time] : moments) {
        const TDateTime value = EncodeDateTime(date, time);
        const QString text = DateTimeToStr(value, locale);
        TDateTime back = -1;
        QVERIFY2(TryStrToDateTime(text, back, locale), qPrintable(text));
        QVERIFY2(back == value, qPrintable(text + QStringLiteral(" read as ") + DateTimeToStr(back, locale)));
    }
    // Milliseconds are not written: they read back as the whole second.
    TDateTime back = -1;
    const TDateTime withMsecs = EncodeDateTime(QDate(2025, 1, 5), QTime(15, 4, 5, 999));
    QVERIFY(TryStrToDateTime(DateTimeToStr(withMsecs, locale), back, locale));
    QCOMPARE(back, EncodeDateTime(QDate(2025, 1, 5), QTime(15, 4, 5)));
}

void TestDateTimeText::tryStrToDateTime_data() {
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("ok");
    QTest::addColumn<QDate>("date");
    QTest::addColumn<QTime>("time");
    const QLocale us(QStringLiteral("en_US"));
    const QLocale de(QStringLiteral("de_DE"));
    const int year = QDate::currentDate().year();
    QTest::newRow("date alone") << de << "05.01.2025" << true << QDate(2025, 1, 5) << QTime(0, 0);
    QTest::newRow("blanks around") << de << "  05.01.2025 15:04:05 " << true << QDate(2025, 1, 5)
                                   << QTime(15, 4, 5);
    QTest::newRow("date with blanks")
        << QLocale::c() << "5 Jan 2025 15:04:05" << true << QDate(2025, 1, 5) << QTime(15, 4, 5);
    QTest::newRow("two-digit year, this century")
        << de << QStringLiteral("05.01.%1").arg(year % 100, 2, 10, QLatin1Char('0')) << true
        << QDate(year, 1, 5) << QTime(0, 0);
    QTest::newRow("two-digit year, 60 years back")
        << us << QStringLiteral("1/5/%1 3:04:05 PM").arg((year - 60) % 100, 2, 10, QLatin1Char('0')) << true
        << QDate(year + 40, 1, 5) << QTime(15, 4, 5);
    QTest::newRow("two-digit year, 40 years back")
        << us << QStringLiteral("1/5/%1").arg((year - 40) % 100, 2, 10, QLatin1Char('0')) << true
        << QDate(year - 40, 1, 5) << QTime(0, 0);
    QTest::newRow("other region's format") << de << "1/5/2025 3:04:05 PM" << false << QDate() << QTime();
    QTest::newRow("no such day") << de << "31.02.2025" << false << QDate() << QTime();
    QTest::newRow("no such hour") << de << "05.01.2025 25:00:00" << false << QDate() << QTime();
    QTest::newRow("trailing junk") << de << "05.01.2025 15:04:05 x" << false << QDate() << QTime();
    QTest::newRow("time alone") << de << "15:04:05" << false << QDate() << QTime();
    QTest::newRow("letters") << QLocale::c() << "None" << false << QDate() << QTime();
    QTest::newRow("empty") << QLocale::c() << "" << false << QDate() << QTime();
}

void TestDateTimeText::tryStrToDateTime() {
    QFETCH(QLocale, locale);
    QFETCH(QString, text);
    QFETCH(bool, ok);
    QFETCH(QDate, date);
    QFETCH(QTime, time);
    TDateTime value = -7;
    QCOMPARE(TryStrToDateTime(text, value, locale), ok);
    if (ok)
        QCOMPARE(value, EncodeDateTime(date, time));
    else
        QCOMPARE(value, -7.0);
}

QTEST_GUILESS_MAIN(TestDateTimeText)
#include "tst_datetimetext.moc"
