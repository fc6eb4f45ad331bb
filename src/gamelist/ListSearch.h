#pragma once
// Finding rows in the game list: the exact lookup the scan uses, the search box's partial
// match over a row's four cells, and the first-letter jump of the grid's keys.
// rows are grid rows, row 0 the header; a row may hold fewer cells than the grid's columns.

#include <QChar>
#include <QString>
#include <QStringList>

#include <vector>

// The first data row whose cell in column col equals text exactly (letter case counts), or 0.
int FindStringInSortGrid(const std::vector<QStringList>& rows, const QString& text, int col);

// Where a search press starts: row 1 from the last row, else after the current row when
// it is below row 1 or holds the last match (lastGridRow), else row 1.
int SearchStartRow(int currentRow, int lastRow, int lastGridRow);

// The first row from startRow down whose Favourite, Status, Game Name or File/Dir cell holds
// text, both lower-cased in the letters A to Z only; 0 when none does. An empty text matches nothing.
int FindGameRow(const std::vector<QStringList>& rows, const QString& text, int startRow);
// The same among the rows shown (grid rows, ascending).
int FindGameRow(const std::vector<QStringList>& rows, const std::vector<int>& shown, const QString& text,
                int startRow);

// The character a key jumps with: its digit "0" to "9" or its letter "A" to "Z" for the keys
// of the main keyboard (Qt::Key values), else a null character. Shift makes no difference;
// the numeric keypad does not count.
QChar JumpCharacter(int key, bool keypad);

// The first data row whose cell in column col begins with character (a letter a to z in the
// cell counting as its capital), or 0.
int FirstLetterRow(const std::vector<QStringList>& rows, int col, QChar character);
// The same among the rows shown (grid rows, ascending).
int FirstLetterRow(const std::vector<QStringList>& rows, const std::vector<int>& shown, int col,
                   QChar character);

// Grid rows 1 to the last: every data row shown.
std::vector<int> AllDataRows(const std::vector<QStringList>& rows);
// The 1-based place of a grid row among the rows shown; 0 when it is not shown.
int ShownPlace(const std::vector<int>& shown, int gridRow);
