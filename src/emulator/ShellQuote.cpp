#include "emulator/ShellQuote.h"

#include <algorithm>

namespace {

bool IsShellSafe(QChar c) {
    const char16_t u = c.unicode();
    if ((u >= u'a' && u <= u'z') || (u >= u'A' && u <= u'Z') || (u >= u'0' && u <= u'9'))
        return true;
    switch (u) {
    case u'_':
    case u'.':
    case u',':
    case u':':
    case u'/':
    case u'=':
    case u'+':
    case u'@':
    case u'%':
    case u'-':
        return true;
    default:
        return false;
    }
}

} // namespace

QString ShellQuote(const QString& text) {
    if (!text.isEmpty() && std::all_of(text.begin(), text.end(), IsShellSafe))
        return text;
    QString quoted;
    quoted.reserve(text.size() + 8);
    quoted += QLatin1Char('\'');
    for (const QChar c : text) {
        if (c == QLatin1Char('\''))
            quoted += QStringLiteral("'\\''");
        else
            quoted += c;
    }
    quoted += QLatin1Char('\'');
    return quoted;
}
