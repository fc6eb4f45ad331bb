#include "app/AsciiCase.h"

namespace {

QString MapAscii(QStringView text, char16_t first, char16_t last, int shift) {
    QString result(text.size(), Qt::Uninitialized);
    QChar* out = result.data();
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        *out++ = QChar(char16_t(u >= first && u <= last ? u + shift : u));
    }
    return result;
}

char16_t UpperAscii(char16_t c) {
    return c >= u'a' && c <= u'z' ? char16_t(c - 32) : c;
}

} // namespace

QString UpperCaseAscii(QStringView text) {
    return MapAscii(text, u'a', u'z', -32);
}

QString LowerCaseAscii(QStringView text) {
    return MapAscii(text, u'A', u'Z', 32);
}

bool SameTextIgnoringAsciiCase(QStringView a, QStringView b) {
    if (a.size() != b.size())
        return false;
    for (qsizetype i = 0; i < a.size(); ++i) {
        if (UpperAscii(a[i].unicode()) != UpperAscii(b[i].unicode()))
            return false;
    }
    return true;
}

QStringView TrimBlanksAndControls(QStringView text) {
    const auto blankOrControl = [](QChar c) { return c.unicode() <= u' '; };
    while (!text.isEmpty() && blankOrControl(text.front()))
        text = text.mid(1);
    while (!text.isEmpty() && blankOrControl(text.back()))
        text.chop(1);
    return text;
}
