#pragma once
// Sorting the game list by a history column: by the number of runs, the last start or the time
// played (a game never played below every played one), rows with equal values kept in the
// order they had, whichever the direction, as every sort of the grid does.

#include "base/AppState.h"
#include "gamelist/PlayHistory.h"

#include <QStringList>

#include <vector>

// The data rows in sorted order: order[k] is the grid row that becomes row k + 1. rows are
// grid rows, row 0 the header.
std::vector<int> HistorySortOrder(const std::vector<QStringList>& rows, const TPlayHistory& history, int col,
                                  TSortDirection direction);
