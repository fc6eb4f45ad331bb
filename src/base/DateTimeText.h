#pragma once
// Date-times as the program stores them (days since 30 December 1899, the time of day as
// the fraction) and their text in the user's regional format.

#include "base/AppState.h"

#include <QDate>
#include <QDateTime>
#include <QLocale>
#include <QTime>

// The date-time of a calendar date and a wall-clock time (no time zone involved).
TDateTime EncodeDateTime(QDate date, QTime time);
// Splits value into its date and its time of day, rounded to the millisecond; false for a
// value outside 1 January 100 to 31 December 9999 or not a number.
bool DecodeDateTime(TDateTime value, QDate& date, QTime& time);

// Local time both ways; an invalid QDateTime for a value DecodeDateTime rejects, 0 for an
// invalid QDateTime.
QDateTime DateTimeToQDateTime(TDateTime value);
TDateTime QDateTimeToDateTime(const QDateTime& dateTime);

// The locale's short date, a blank and its long time; the time is left out when it is
// exactly midnight. Years are always written with four digits and the time-zone field of
// the long time is left out, so that the text reads back to the same second. Empty for a
// value DecodeDateTime rejects.
QString DateTimeToStr(TDateTime value, const QLocale& locale = QLocale::system());

// Reads the formats DateTimeToStr writes, the date alone too, with blanks around it
// ignored. A short date written with a two-digit year is also read, the century chosen so
// that the year falls within 50 years of the current one.
bool TryStrToDateTime(const QString& text, TDateTime& value, const QLocale& locale = QLocale::system());

// The locale's long time format without its time-zone field, which cannot be read back.
QString LongTimeFormat(const QLocale& locale = QLocale::system());
