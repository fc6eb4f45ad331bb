#include "base/AsciiCase.h"

namespace {

template <typename Fold> QString Folded(QStringView text, Fold fold) {
    QString result(text.size(), Qt::Uninitialized);
    QChar* out = result.data();
    for (const QChar c : text)
        *out++ = fold(c);
    return result;
}

} // namespace

QString AsciiLower(QStringView text) {
    return Folded(text, [](QChar c) { return AsciiLower(c); });
}

QString AsciiUpper(QStringView text) {
    return Folded(text, [](QChar c) { return AsciiUpper(c); });
}

bool ContainsIgnoringAsciiCase(QStringView text, QStringView loweredNeedle) {
    const qsizetype needleSize = loweredNeedle.size();
    if (needleSize == 0)
        return true;
    const QChar first = loweredNeedle.front();
    const qsizetype lastStart = text.size() - needleSize;
    for (qsizetype start = 0; start <= lastStart; ++start) {
        if (AsciiLower(text[start]) != first)
            continue;
        qsizetype k = 1;
        while (k < needleSize && AsciiLower(text[start + k]) == loweredNeedle[k])
            ++k;
        if (k == needleSize)
            return true;
    }
    return false;
}
