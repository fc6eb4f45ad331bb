#include "gamelist/ListSearch.h"

#include "base/AsciiCase.h"

#include <QtGlobal>

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

int FindGameRow(const std::vector<QStringList>& rows, const QString& text, int startRow) {
    if (text.isEmpty())
        return 0;
    const QString needle = AsciiLower(text);
    for (int row = qMax(startRow, 1); row <= LastRow(rows); ++row) {
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
    if (character.isNull())
        return 0;
    for (int row = 1; row <= LastRow(rows); ++row) {
        const QStringView cell = CellText(rows[static_cast<size_t>(row)], col);
        if (!cell.isEmpty() && AsciiUpper(cell.front()) == character)
            return row;
    }
    return 0;
}
