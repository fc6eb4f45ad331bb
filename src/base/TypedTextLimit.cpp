#include "base/TypedTextLimit.h"

#include <algorithm>

QString LimitTypedText(const QString& before, const QString& after, int maxLength, int& cursor) {
    // The edit replaced before[head, before.size() - tail) by after[head, after.size() - tail).
    qsizetype head = 0;
    while (head < before.size() && head < after.size() && before.at(head) == after.at(head))
        ++head;
    qsizetype tail = 0;
    while (tail < before.size() - head && tail < after.size() - head &&
           before.at(before.size() - 1 - tail) == after.at(after.size() - 1 - tail))
        ++tail;
    const qsizetype kept = head + tail;
    qsizetype inserted = after.size() - kept;
    const qsizetype room = std::max<qsizetype>(0, maxLength - kept);
    if (inserted <= room) {
        cursor = static_cast<int>(after.size() - tail);
        return after;
    }
    inserted = room;
    if (inserted > 0 && after.at(head + inserted - 1).isHighSurrogate())
        --inserted; // never half a character
    cursor = static_cast<int>(head + inserted);
    return after.left(head + inserted) + after.right(tail);
}
