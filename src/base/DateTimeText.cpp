#include "base/DateTimeText.h"

#include <cmath>
#include <functional>

namespace {

const QDate DayZero(1899, 12, 30);
constexpr qint64 MSecsPerDay = 86400000;
constexpr double FirstDay = -693593.0;  // 1 January 0001
constexpr double PastLastDay = 2958466; // 1 January 10000

// Rewrites the fields of a QLocale date/time format: each run of one letter outside quotes
// goes through replace; quoted literal text is copied unchanged.
QString RewriteFields(const QString& format, const std::function<QString(QChar, qsizetype)>& replace) {
    QString result;
    qsizetype i = 0;
    while (i < format.size()) {
        const QChar c = format.at(i);
        if (c == QLatin1Char('\'')) {
            const qsizetype close = format.indexOf(QLatin1Char('\''), i + 1);
            const qsizetype end = close < 0 ? format.size() : close + 1;
            result += format.mid(i, end - i);
            i = end;
        } else if (c.isLetter()) {
            qsizetype run = 1;
            while (i + run < format.size() && format.at(i + run) == c)
                ++run;
            result += replace(c, run);
            i += run;
        } else {
            result += c;
            ++i;
        }
    }
    return result;
}

QString ShortDateFormat(const QLocale& locale) {
    return locale.dateFormat(QLocale::ShortFormat);
}

bool HasTwoDigitYear(const QString& format) {
    bool found = false;
    RewriteFields(format, [&found](QChar letter, qsizetype run) {
        if (letter == QLatin1Char('y') && run == 2)
            found = true;
        return QString();
    });
    return found;
}

// A two-digit year reads back as 19xx and changes the date, so years are written in full.
QString FourDigitYear(const QString& format) {
    return RewriteFields(format, [](QChar letter, qsizetype run) {
        if (letter == QLatin1Char('y') && run == 2)
            return QStringLiteral("yyyy");
        return QString(run, letter);
    });
}

// The year of a date read with a two-digit year, moved into the 100 years starting 50 years
// before the current one.
QDate WithinCenturyWindow(QDate date) {
    const int base = QDate::currentDate().year() - 50;
    int year = date.year() % 100 + base / 100 * 100;
    if (year < base)
        year += 100;
    return QDate(year, date.month(), date.day());
}

bool TryReadDate(const QString& text, const QString& format, bool twoDigitYear, const QLocale& locale,
                 QDate& date) {
    date = locale.toDate(text, format);
    if (date.isValid() && twoDigitYear)
        date = WithinCenturyWindow(date);
    return date.isValid();
}

} // namespace

// The zone name ("t") is left out: it cannot be parsed back reliably, and the value is a
// plain local time anyway.
QString LongTimeFormat(const QLocale& locale) {
    QString format = RewriteFields(locale.timeFormat(QLocale::LongFormat), [](QChar letter, qsizetype run) {
        return letter == QLatin1Char('t') ? QString() : QString(run, letter);
    });
    format.remove(QStringLiteral("()"));
    return format.trimmed();
}

TDateTime EncodeDateTime(QDate date, QTime time) {
    const double days = static_cast<double>(DayZero.daysTo(date));
    const double fraction = static_cast<double>(time.msecsSinceStartOfDay()) / MSecsPerDay;
    // Before day zero the fraction still counts forwards from midnight of the day.
    return days >= 0 ? days + fraction : days - fraction;
}

bool DecodeDateTime(TDateTime value, QDate& date, QTime& time) {
    if (!std::isfinite(value) || value < FirstDay || value >= PastLastDay)
        return false;
    double days = std::trunc(value);
    qint64 msecs = std::llround(std::fabs(value - days) * MSecsPerDay);
    if (msecs >= MSecsPerDay) {
        msecs = 0;
        days += value < 0 ? -1 : 1;
        if (days < FirstDay || days >= PastLastDay)
            return false;
    }
    date = DayZero.addDays(static_cast<qint64>(days));
    time = QTime::fromMSecsSinceStartOfDay(static_cast<int>(msecs));
    return date.isValid() && time.isValid();
}

QDateTime DateTimeToQDateTime(TDateTime value) {
    QDate date;
    QTime time;
    if (!DecodeDateTime(value, date, time))
        return QDateTime();
    return QDateTime(date, time);
}

TDateTime QDateTimeToDateTime(const QDateTime& dateTime) {
    if (!dateTime.isValid())
        return 0;
    const QDateTime local = dateTime.toLocalTime();
    return EncodeDateTime(local.date(), local.time());
}

QString DateTimeToStr(TDateTime value, const QLocale& locale) {
    QDate date;
    QTime time;
    if (!DecodeDateTime(value, date, time))
        return QString();
    QString text = locale.toString(date, FourDigitYear(ShortDateFormat(locale)));
    if (time.msecsSinceStartOfDay() != 0)
        text += QLatin1Char(' ') + locale.toString(time, LongTimeFormat(locale));
    return text;
}

bool TryStrToDateTime(const QString& text, TDateTime& value, const QLocale& locale) {
    const QString trimmed = text.trimmed();
    if (trimmed.isEmpty())
        return false;
    const QString shortFormat = ShortDateFormat(locale);
    const QString timeFormat = LongTimeFormat(locale);
    // A two-digit year does not read a four-digit one and the reverse, so the order is free.
    QList<std::pair<QString, bool>> dateFormats{{FourDigitYear(shortFormat), false}};
    if (HasTwoDigitYear(shortFormat))
        dateFormats.append({shortFormat, true});

    for (const auto& [dateFormat, twoDigitYear] : dateFormats) {
        QDate date;
        if (TryReadDate(trimmed, dateFormat, twoDigitYear, locale, date)) {
            value = EncodeDateTime(date, QTime(0, 0));
            return true;
        }
        // The date may itself hold blanks, so try each blank as the one between date and time.
        for (qsizetype i = trimmed.indexOf(QLatin1Char(' ')); i > 0;
             i = trimmed.indexOf(QLatin1Char(' '), i + 1)) {
            if (!TryReadDate(trimmed.left(i), dateFormat, twoDigitYear, locale, date))
                continue;
            const QTime time = locale.toTime(trimmed.mid(i + 1), timeFormat);
            if (time.isValid()) {
                value = EncodeDateTime(date, time);
                return true;
            }
        }
    }
    return false;
}
