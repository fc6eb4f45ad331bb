#pragma once
// The exception log: one plain-text file per failure in the user data folder, with the
// failure, the call stack where it was raised and facts about the program and the computer.

#include "diag/SystemFacts.h"

#include <QDateTime>
#include <QLocale>
#include <QString>
#include <QStringList>

// A byte count in kibibytes: "0 KiB" for 0, "1 KiB" below 1024 (negative counts too),
// otherwise rounded with halves away from zero and grouped with the locale's separator.
QString FormatSizeInKB(qint64 bytes, const QLocale& locale = QLocale::system());

struct TExceptionReport {
    QString Message;
    QString ClassName;
    QStringList Stack; // one line per frame, the raising point first
};

struct TExceptionLogContext {
    QString Title;   // the program's title
    QString Version; // the version string
    QDateTime Created;
    QString CurrentPath;
    QString UserDataPath;
};

// The log's lines in their fixed order, "EOF" last. A value that spans several lines
// is written as several lines; an empty fact reads "unknown". The creation time is written
// in the locale's short date and long time.
QStringList ExceptionLogLines(const TExceptionLogContext& context, const TExceptionReport& report,
                              const TSystemFacts& facts, const QLocale& locale = QLocale::system());

// "Pellmora Exception yyyy-mm-dd hh.mm.ss.log"; from the second file of one second on,
// the counter goes before ".log": "... 13.45.09 (2).log".
QString ExceptionLogFileName(const QDateTime& when, int counter = 1);

// Writes the lines, each ending in CR LF, in the locale's encoding, to a file in folder
// (ending in "/") named after when that does not exist yet, so an earlier log of the same
// second is kept. Returns the full file name, or an empty text when it cannot be written.
QString WriteExceptionLog(const QString& folder, const QStringList& lines, const QDateTime& when);

// Gathers the system facts, takes the time again for the file name and writes the log of
// the failure into context.UserDataPath. The full file name, or empty when it cannot be
// written. Never throws.
QString WriteExceptionLogFor(const TExceptionLogContext& context, const TExceptionReport& report);

// The text of the box that tells the user: the failure, and the log file's full name, or,
// when it could not be written, the folder it could not be written to.
QString ExceptionBoxText(const QString& message, const QString& logFileName, const QString& folder);
