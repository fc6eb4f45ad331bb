#include "base/NameText.h"

#include "base/AsciiCase.h"

bool SameTextIgnoringAsciiCase(QStringView a, QStringView b) {
    if (a.size() != b.size())
        return false;
    for (qsizetype i = 0; i < a.size(); ++i) {
        if (AsciiUpper(a[i]) != AsciiUpper(b[i]))
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
