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

QStringList ShellWords(const QString& typed) {
    QStringList words;
    QString word;
    bool inWord = false;
    const qsizetype size = typed.size();
    for (qsizetype i = 0; i < size; ++i) {
        const QChar c = typed.at(i);
        if (c == u' ' || c == u'\t' || c == u'\n') {
            if (inWord)
                words.append(word);
            word.clear();
            inWord = false;
            continue;
        }
        inWord = true;
        if (c == u'\\') {
            if (++i < size && typed.at(i) != u'\n')
                word += typed.at(i);
        } else if (c == u'\'') {
            while (++i < size && typed.at(i) != u'\'')
                word += typed.at(i);
        } else if (c == u'"') {
            while (++i < size && typed.at(i) != u'"') {
                const QChar d = typed.at(i);
                if (d == u'\\' && i + 1 < size && QStringView(u"$`\"\\\n").contains(typed.at(i + 1))) {
                    if (typed.at(++i) != u'\n')
                        word += typed.at(i);
                } else {
                    word += d;
                }
            }
        } else {
            word += c;
        }
    }
    if (inWord)
        words.append(word);
    return words;
}
