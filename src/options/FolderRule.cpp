#include "options/FolderRule.h"

#include "base/FileLookup.h"

namespace {

bool IsVariableNameCharacter(QChar c) {
    const char16_t u = c.unicode();
    return u == u'_' || (u >= u'0' && u <= u'9') || (u >= u'a' && u <= u'z') || (u >= u'A' && u <= u'Z');
}

QString EnvironmentValue(const QString& name) {
    return qEnvironmentVariable(name.toLocal8Bit().constData());
}

} // namespace

QString ExpandEnvironmentReferences(const QString& value) {
    QString result;
    qsizetype i = 0;

    // "~" alone or before "/" is the home folder, as long as HOME is set.
    if (value.startsWith(QLatin1Char('~')) && qEnvironmentVariableIsSet("HOME") &&
        (value.size() == 1 || value.at(1) == QLatin1Char('/'))) {
        result = EnvironmentValue(QStringLiteral("HOME"));
        i = 1;
    }

    while (i < value.size()) {
        const QChar c = value.at(i);
        if (c != QLatin1Char('$')) {
            result += c;
            ++i;
            continue;
        }
        const qsizetype afterDollar = i + 1;
        if (afterDollar < value.size() && value.at(afterDollar) == QLatin1Char('{')) {
            const qsizetype close = value.indexOf(QLatin1Char('}'), afterDollar + 1);
            if (close < 0) {
                // No closing brace: not a reference, kept as written.
                result += value.mid(i);
                break;
            }
            result += EnvironmentValue(value.mid(afterDollar + 1, close - afterDollar - 1));
            i = close + 1;
        } else if (afterDollar < value.size() && IsVariableNameCharacter(value.at(afterDollar))) {
            qsizetype end = afterDollar;
            while (end < value.size() && IsVariableNameCharacter(value.at(end)))
                ++end;
            result += EnvironmentValue(value.mid(afterDollar, end - afterDollar));
            i = end;
        } else {
            result += c;
            i = afterDollar;
        }
    }
    return result;
}

QString ApplyFolderRule(const QString& mamePath, const QString& value) {
    QString folder = ExpandEnvironmentReferences(value);
    if (!folder.startsWith(QLatin1Char('/')))
        folder = mamePath + folder;
    return IncludeTrailingPathDelimiter(folder);
}
