#include "emulator/VerifyBatch.h"

#include "base/AsciiCase.h"
#include "base/NameText.h"
#include "emulator/ShellQuote.h"

namespace {

// ending: in lower case.
bool EndsWithIgnoringCase(QStringView text, QLatin1String ending) {
    return text.size() >= ending.size() && AsciiLower(text.right(ending.size())) == ending;
}

// "romset NAME is good", "romset NAME [PARENT] is bad", "romset \"NAME\" not found!": the name
// (without its quotes) and whether the line is a verdict.
bool ParseRomsetLine(QStringView trimmed, QString& key, bool& verdict, bool& ok) {
    static const QLatin1String lead("romset ");
    if (trimmed.size() <= lead.size() || AsciiLower(trimmed.left(lead.size())) != lead)
        return false;
    const QStringView rest = trimmed.mid(lead.size());
    const qsizetype end = rest.indexOf(u' ');
    QStringView name = end < 0 ? rest : rest.left(end);
    const bool quoted = name.size() >= 2 && name.front() == u'"' && name.back() == u'"';
    if (quoted)
        name = name.mid(1, name.size() - 2);
    key = AsciiLower(name);
    const bool bad = EndsWithIgnoringCase(trimmed, QLatin1String(" is bad"));
    ok = EndsWithIgnoringCase(trimmed, QLatin1String(" is good")) ||
         EndsWithIgnoringCase(trimmed, QLatin1String(" is best available"));
    verdict = !quoted && (bad || ok);
    return true;
}

// "NAME        : file (4096 bytes) - NOT FOUND": the set's name padded, a colon and a blank.
QString FileLineKey(QStringView line) {
    qsizetype at = 0;
    while (at < line.size() && line[at] != u' ' && line[at] != u':')
        ++at;
    const QStringView name = line.left(at);
    while (at < line.size() && line[at] == u' ')
        ++at;
    if (name.isEmpty() || !line.mid(at).startsWith(QLatin1String(": ")))
        return QString();
    return AsciiLower(name);
}

QStringView WithoutArchiveExtension(QStringView name) {
    for (const QLatin1String extension : {QLatin1String(".zip"), QLatin1String(".7z")}) {
        if (EndsWithIgnoringCase(name, extension))
            return name.left(name.size() - extension.size());
    }
    return name;
}

// "unzip: roms/NAME.zip couldn't find ECD": the set of a path in the line, taken from its
// last part that names one ("roms/NAME/file" names NAME too).
QString NamedFileKey(QStringView line, const QSet<QString>& keys) {
    for (const QStringView word : line.tokenize(u' ', Qt::SkipEmptyParts)) {
        if (!word.contains(u'/') && !word.contains(u'\\'))
            continue;
        qsizetype end = word.size();
        while (end > 0) {
            qsizetype start = end - 1;
            while (start >= 0 && word[start] != u'/' && word[start] != u'\\')
                --start;
            QStringView part = word.mid(start + 1, end - start - 1);
            while (!part.isEmpty() && (part.front() == u'"' || part.front() == u'\''))
                part = part.mid(1);
            while (!part.isEmpty() && (part.back() == u'"' || part.back() == u'\''))
                part.chop(1);
            const QString key = AsciiLower(WithoutArchiveExtension(part));
            if (keys.contains(key))
                return key;
            end = start;
        }
    }
    return QString();
}

} // namespace

TVerifyBatch::TVerifyBatch(qsizetype baseLength, const TVerifyBatchLimits& limits)
    : limits(limits), length(baseLength) {}

bool TVerifyBatch::Add(const QString& verifyName) {
    const QString key = AsciiLower(verifyName);
    if (keys.contains(key))
        return true;
    const qsizetype added = 1 + ShellQuote(verifyName).size();
    if (!names.isEmpty() && (names.size() >= limits.maxNames || length + added > limits.maxCommandLength))
        return false;
    length += added;
    names.append(verifyName);
    keys.insert(key);
    return true;
}

bool TVerifyBatch::Holds(const QString& verifyName) const {
    return keys.contains(AsciiLower(verifyName));
}

QHash<QString, TSetVerifyLines> SplitVerifyOutput(const QStringList& lines, const QStringList& names) {
    QSet<QString> keys;
    for (const QString& name : names)
        keys.insert(AsciiLower(name));
    QHash<QString, TSetVerifyLines> sets;
    QHash<QString, bool> ok;
    QString current; // the set whose file lines came last, until its verdict
    for (const QString& line : lines) {
        QString key;
        bool verdict = false;
        bool setOk = false;
        if (ParseRomsetLine(TrimBlanksAndControls(line), key, verdict, setOk)) {
            current.clear();
            if (!keys.contains(key))
                continue;
            TSetVerifyLines& set = sets[key];
            set.lines.append(line);
            set.verdict = set.verdict || verdict;
            ok[key] = setOk;
            continue;
        }
        key = FileLineKey(line);
        if (keys.contains(key)) {
            current = key;
        } else {
            key = NamedFileKey(line, keys);
            if (key.isEmpty())
                key = current;
        }
        if (!key.isEmpty())
            sets[key].lines.append(line);
    }
    for (auto set = sets.begin(); set != sets.end(); ++set) {
        if (set->verdict)
            set->lines.append(
                QStringLiteral("1 romsets found, %1 were OK.").arg(ok.value(set.key()) ? 1 : 0));
    }
    return sets;
}
