#pragma once
// What the game file commands share: the counters after a row came or went, and the archive
// test report in the viewer.

#include <QString>

struct TCommandContext;
class TForm2;

// Counts the games again, writes GameCount, nFound and nUnknown to Pellmora.INI and shows
// them on the Game Data tab.
void RecountAndShowCounters(TCommandContext& context);

// Adds the report's lines (ending in "\r\n") to the viewer, one entry each.
void AppendReport(TForm2& viewer, const QString& report);
