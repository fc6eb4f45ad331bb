#include "gamelist/GridSort.h"

#include "base/AsciiCase.h"
#include "base/DateTimeText.h"
#include "gamelist/GameListModel.h"

#include <QCollator>

#include <algorithm>
#include <cmath>
#include <numeric>

namespace {

const QString& CellText(const std::vector<QStringList>& rows, int col, int row) {
    static const QString empty;
    const QStringList& cells = rows[static_cast<size_t>(row)];
    return col >= 0 && col < cells.size() ? cells[col] : empty;
}

std::vector<int> DataRows(const std::vector<QStringList>& rows) {
    std::vector<int> order(rows.size() > 1 ? rows.size() - 1 : 0);
    std::iota(order.begin(), order.end(), 1);
    return order;
}

bool IsSortDateTime(const QString& text, const QLocale& locale, double& value) {
    TDateTime dateTime = 0;
    if (!TryStrToDateTime(text, dateTime, locale))
        return false;
    value = dateTime;
    return true;
}

// Reads a cell under a value style; false when it does not read as one.
bool ReadSortValue(TSortStyle style, const QString& text, const QLocale& locale, double& value) {
    switch (style) {
    case ssNumeric:
        return IsSortNumber(text, locale, value);
    case ssDateTime:
        return IsSortDateTime(text, locale, value);
    case ssTime:
        return IsSortTime(text, locale, value);
    default:
        return false;
    }
}

int Sign(double a, double b) {
    return a < b ? -1 : (a > b ? 1 : 0);
}

// Sorts grid rows by compare (negative, zero or positive); std::stable_sort keeps rows that compare
// equal in their previous order, which the row numbers already give.
template <typename Compare>
void StableSortRows(std::vector<int>& rows, TSortDirection direction, Compare compare) {
    if (direction == sdDescending)
        std::stable_sort(rows.begin(), rows.end(), [&](int a, int b) { return compare(a, b) > 0; });
    else
        std::stable_sort(rows.begin(), rows.end(), [&](int a, int b) { return compare(a, b) < 0; });
}

std::vector<int> ValueOrder(const std::vector<QStringList>& rows, int col, const TSortOptions& options,
                            const QLocale& locale, TSortStyle style) {
    std::vector<int> order = DataRows(rows);
    std::vector<double> values(rows.size(), 0.0);
    std::vector<int> readable;
    std::vector<size_t> places;
    for (size_t place = 0; place < order.size(); ++place) {
        const int row = order[place];
        if (ReadSortValue(style, CellText(rows, col, row), locale, values[static_cast<size_t>(row)])) {
            readable.push_back(row);
            places.push_back(place);
        }
    }
    StableSortRows(readable, options.SortDirection, [&values](int a, int b) {
        return Sign(values[static_cast<size_t>(a)], values[static_cast<size_t>(b)]);
    });
    for (size_t k = 0; k < readable.size(); ++k)
        order[places[k]] = readable[k];
    return order;
}

bool IsAscii(const QString& text) {
    return std::all_of(text.cbegin(), text.cend(), [](QChar c) { return c.unicode() < 0x80; });
}

// Only Turkic languages upper-case an ASCII letter to something else ("i" to a dotted "I").
bool AsciiUpperCaseIsLocales(const QLocale& locale) {
    return locale.language() != QLocale::Turkish && locale.language() != QLocale::Azerbaijani;
}

QString CompareText(const QString& text, const TSortOptions& options, const QLocale& locale,
                    bool asciiShortCut) {
    if (options.SortCaseSensitive)
        return text;
    // Most names are plain ASCII, and the locale's case mapping costs far more than this.
    if (asciiShortCut && IsAscii(text))
        return AsciiUpper(text);
    return locale.toUpper(text);
}

std::vector<int> AlphabeticOrder(const std::vector<QStringList>& rows, int col, const TSortOptions& options,
                                 const QLocale& locale) {
    std::vector<int> order = DataRows(rows);
    // One collation key per row, made once: comparing keys is a byte comparison.
    QCollator collator(locale);
    // The texts are upper-cased already; leaving case out of the keys makes them shorter
    // and far quicker to build.
    if (!options.SortCaseSensitive)
        collator.setCaseSensitivity(Qt::CaseInsensitive);
    const bool asciiShortCut = AsciiUpperCaseIsLocales(locale);
    std::vector<QCollatorSortKey> keys;
    keys.reserve(order.size());
    for (const int row : order)
        keys.push_back(
            collator.sortKey(CompareText(CellText(rows, col, row), options, locale, asciiShortCut)));
    StableSortRows(order, options.SortDirection, [&keys](int a, int b) {
        return keys[static_cast<size_t>(a - 1)].compare(keys[static_cast<size_t>(b - 1)]);
    });
    return order;
}

std::vector<int> CustomOrder(const std::vector<QStringList>& rows, int col, const TSortOptions& options,
                             const QLocale& locale) {
    std::vector<int> order = DataRows(rows);
    if (!options.SortCompare)
        return order;
    std::vector<QString> texts;
    texts.reserve(order.size());
    for (const int row : order)
        texts.push_back(CompareText(CellText(rows, col, row), options, locale, false));
    StableSortRows(order, options.SortDirection, [&](int a, int b) {
        return options.SortCompare(texts[static_cast<size_t>(a - 1)], texts[static_cast<size_t>(b - 1)]);
    });
    return order;
}

} // namespace

bool IsSortNumber(const QString& text, const QLocale& locale, double& value) {
    bool ok = false;
    value = locale.toDouble(text.trimmed(), &ok);
    // Infinity and NaN would break the order, and no one writes them as numbers.
    return ok && std::isfinite(value);
}

bool IsSortTime(const QString& text, const QLocale& locale, double& msecs) {
    const QString trimmed = text.trimmed();
    if (trimmed.isEmpty())
        return false;
    QTime time = locale.toTime(trimmed, LongTimeFormat(locale));
    if (!time.isValid())
        time = locale.toTime(trimmed, QLocale::ShortFormat);
    if (!time.isValid())
        return false;
    msecs = time.msecsSinceStartOfDay();
    return true;
}

TSortStyle DetectSortStyle(const std::vector<QStringList>& rows, int col, const QLocale& locale) {
    bool numbers = true;
    bool dateTimes = true;
    bool times = true;
    double value = 0;
    for (size_t row = 1; row < rows.size() && (numbers || dateTimes || times); ++row) {
        const QString& text = CellText(rows, col, static_cast<int>(row));
        numbers = numbers && IsSortNumber(text, locale, value);
        dateTimes = dateTimes && IsSortDateTime(text, locale, value);
        times = times && IsSortTime(text, locale, value);
    }
    if (numbers)
        return ssNumeric;
    if (dateTimes)
        return ssDateTime;
    if (times)
        return ssTime;
    return ssAlphabetic;
}

std::vector<int> SortedRowOrder(const std::vector<QStringList>& rows, int col, const TSortOptions& options,
                                const QLocale& locale) {
    TSortStyle style = options.SortStyle;
    if (style == ssAutomatic)
        style = DetectSortStyle(rows, col, locale);
    switch (style) {
    case ssNumeric:
    case ssDateTime:
    case ssTime:
        return ValueOrder(rows, col, options, locale, style);
    case ssCustom:
        return CustomOrder(rows, col, options, locale);
    default:
        return AlphabeticOrder(rows, col, options, locale);
    }
}

bool SortGameRows(TGameListModel& list, int col, const TSortOptions& options, const QLocale& locale) {
    if (list.RowCount() - 1 < 2)
        return false;
    list.PermuteGameRows(SortedRowOrder(list.Rows(), col, options, locale));
    return true;
}
