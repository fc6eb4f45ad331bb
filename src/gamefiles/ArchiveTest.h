#pragma once
// Testing a game archive: every item decompressed and checked, the findings written as a
// plain-text report. Nothing is written to disk.

#include <QString>

// Tests the archive at path and writes the report into report (cleared first, lines ending
// in "\r\n"). Returns 0 when the archive is valid, -1 when it is not.
int TestZip(const QString& path, QString& report);
