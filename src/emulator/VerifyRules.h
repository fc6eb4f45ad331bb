#pragma once
// The pure rules of verification: which names may reach the emulator, the verdict of a
// run's lines, the progress figure, and the report's lines and bytes.

#include "base/GameRow.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

// The separator line of the viewer and the report: 79 underscores.
QString SeparatorLine();

// Why the emulator must not be asked to verify a name: it would take it for an option
// (a leading "-") or for a pattern naming other sets ("*" or "?"). Empty when it may.
QString VerifyNameRefusal(const QString& verifyName);

// Good when a line shaped "romset ... is good" was seen, Bad when one shaped "romset ... is bad"
// was (Bad wins), Unknown when neither. Lines are compared trimmed and lower-cased.
GameStatus Verdict(const QStringList& lines);

// row of rows as a whole percentage, halves to the even neighbour.
int VerifyPercent(int row, int rows);

// The first two lines of a game's block in the report and the viewer.
QStringList VerifyBlockHead(const QString& verifyName, const QString& gameName);

// The report file's bytes: every line ended by CR LF, in the locale's encoding.
QByteArray VerifyReportBytes(const QStringList& lines);
