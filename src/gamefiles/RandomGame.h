#pragma once
// Choosing a game at random: only rows that are neither unverified nor bad may be drawn.

#include <QRandomGenerator>
#include <QStringList>

#include <vector>

// The rows shown (grid rows, ascending) whose Status is neither "?" nor "Bad" (compared
// exactly); the one blank row of the empty list counts. rows are grid rows, row 0 the header.
std::vector<int> EligibleRandomRows(const std::vector<QStringList>& rows, const std::vector<int>& shown);

// A row drawn uniformly among the eligible ones, or 0 when there is none.
int DrawRandomRow(const std::vector<QStringList>& rows, const std::vector<int>& shown,
                  QRandomGenerator& random);
