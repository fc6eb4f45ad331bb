#include "gamelist/ListSearch.h"

#include "base/AsciiCase.h"

#include <QtGlobal>

#include <algorithm>
#include <numeric>

namespace {

constexpr int SearchedColumns = 4;

QStringView CellText(const QStringList& cells, int col) {
    return col >= 0 && col < cells.size() ? QStringView(cells[col]) : QStringView();
}

int LastRow(const std::vector<QStringList>& rows) {
    return static_cast<int>(rows.size()) - 1;
}

} // namespace

int FindStringInSortGrid(const std::vector<QStringList>& rows, const QString& text, int col) {
    for (int row = 1; row <= LastRow(rows); ++row) {
        if (CellText(rows[static_cast<size_t>(row)], col) == text)
            return row;
    }
    return 0;
}

int SearchStartRow(int currentRow, int lastRow, int lastGridRow) {
    if (currentRow == lastRow)
        return 1;
    if (currentRow > 1 || currentRow == lastGridRow)
        return currentRow + 1;
    return 1;
}

std::vector<int> AllDataRows(const std::vector<QStringList>& rows) {
    std::vector<int> all(rows.empty() ? 0 : rows.size() - 1);
    std::iota(all.begin(), all.end(), 1);
    return all;
}

int ShownPlace(const std::vector<int>& shown, int gridRow) {
    const auto found = std::lower_bound(shown.cbegin(), shown.cend(), gridRow);
    return found != shown.cend() && *found == gridRow ? static_cast<int>(found - shown.cbegin()) + 1 : 0;
}

int FindGameRow(const std::vector<QStringList>& rows, const QString& text, int startRow) {
    return FindGameRow(rows, AllDataRows(rows), text, startRow);
}

int FindGameRow(const std::vector<QStringList>& rows, const std::vector<int>& shown, const QString& text,
                int startRow) {
    if (text.isEmpty())
        return 0;
    const QString needle = AsciiLower(text);
    for (auto at = std::lower_bound(shown.cbegin(), shown.cend(), qMax(startRow, 1)); at != shown.cend();
         ++at) {
        const int row = *at;
        if (row > LastRow(rows))
            break;
        const QStringList& cells = rows[static_cast<size_t>(row)];
        for (int col = 0; col < SearchedColumns; ++col) {
            if (ContainsIgnoringAsciiCase(CellText(cells, col), needle))
                return row;
        }
    }
    return 0;
}

QChar JumpCharacter(int key, bool keypad) {
    if (keypad)
        return QChar();
    if ((key >= Qt::Key_0 && key <= Qt::Key_9) || (key >= Qt::Key_A && key <= Qt::Key_Z))
        return QChar(static_cast<char16_t>(key));
    return QChar();
}

int FirstLetterRow(const std::vector<QStringList>& rows, int col, QChar character) {
    return FirstLetterRow(rows, AllDataRows(rows), col, character);
}

int FirstLetterRow(const std::vector<QStringList>& rows, const std::vector<int>& shown, int col,
                   QChar character) {
    if (character.isNull())
        return 0;
    for (const int row : shown) {
        if (row < 1 || row > LastRow(rows))
            continue;
        const QStringView cell = CellText(rows[static_cast<size_t>(row)], col);
        if (!cell.isEmpty() && AsciiUpper(cell.front()) == character)
            return row;
    }
    return 0;
}
