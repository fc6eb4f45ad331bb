#pragma once
// Sorting the game list by one column: the style chosen from the column's content, texts
// compared upper-cased (alphabetic ones by the locale's collation), and rows whose texts
// compare equal kept in the order they had, whichever the direction.

#include "base/AppState.h"

#include <QLocale>
#include <QStringList>

#include <vector>

class TGameListModel;

// A number, a date with or without a time, a time: each in the locale's formats, blanks
// around the text ignored. An empty text is none of them.
bool IsSortNumber(const QString& text, const QLocale& locale, double& value);
bool IsSortTime(const QString& text, const QLocale& locale, double& msecs);

// The style the data cells of column col call for: numeric when every cell is a number,
// else date-time when every cell is a date, else time when every cell is a time, else
// alphabetic. rows are grid rows, row 0 the header; a row may be shorter than col.
TSortStyle DetectSortStyle(const std::vector<QStringList>& rows, int col, const QLocale& locale);

// The data rows in sorted order: order[k] is the grid row that becomes row k + 1. Under a
// numeric, date-time or time style, cells that do not read as one stay where they are and
// the others are sorted among the remaining places.
std::vector<int> SortedRowOrder(const std::vector<QStringList>& rows, int col, const TSortOptions& options,
                                const QLocale& locale);

// Sorts the game rows by column col, moving each row once; the header row stays. False,
// with nothing changed, when the list has fewer than two game rows.
bool SortGameRows(TGameListModel& list, int col, const TSortOptions& options, const QLocale& locale);
