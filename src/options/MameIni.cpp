#include "options/MameIni.h"

#include "base/WholeFile.h"

#include "base/AppError.h"
#include "base/FileLookup.h"

#include <QFile>
#include <QStringConverter>
#include <QStringList>

namespace {

constexpr int PaddedNameWidth = 25;

struct IniText {
    QString text;
    QStringConverter::Encoding encoding = QStringConverter::System;
    QByteArray byteOrderMark;
};

// A byte-order mark selects UTF-8 or UTF-16; otherwise the locale's encoding. Bytes that are not
// valid in the locale's encoding are taken one character each, so a rewrite gives them back unchanged.
IniText DecodeIniText(const QByteArray& data) {
    IniText result;
    if (data.startsWith("\xEF\xBB\xBF")) {
        result.encoding = QStringConverter::Utf8;
        result.byteOrderMark = data.left(3);
    } else if (data.startsWith("\xFF\xFE")) {
        result.encoding = QStringConverter::Utf16LE;
        result.byteOrderMark = data.left(2);
    } else if (data.startsWith("\xFE\xFF")) {
        result.encoding = QStringConverter::Utf16BE;
        result.byteOrderMark = data.left(2);
    }
    const QByteArray body = data.mid(result.byteOrderMark.size());
    QStringDecoder decoder(result.encoding, QStringConverter::Flag::ConvertInitialBom);
    result.text = decoder.decode(body);
    if (decoder.hasError() && result.byteOrderMark.isEmpty()) {
        result.encoding = QStringConverter::Latin1;
        result.text = QString::fromLatin1(body);
    }
    return result;
}

QByteArray EncodeIniText(const IniText& ini) {
    QStringEncoder encoder(ini.encoding, QStringConverter::Flag::Default);
    QByteArray encoded = encoder.encode(ini.text);
    return ini.byteOrderMark + encoded;
}

// Lines end at LF; a CR just before it belongs to the line end.
QStringList SplitAtLineFeeds(const QString& text) {
    QStringList lines = text.split(QLatin1Char('\n'));
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    for (QString& line : lines) {
        if (line.endsWith(QLatin1Char('\r')))
            line.chop(1);
    }
    return lines;
}

// Lines end at CR LF, a lone LF or a lone CR; a final line end adds no empty line.
QStringList SplitAtAnyLineEnd(const QString& text) {
    QStringList lines;
    qsizetype start = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c != QLatin1Char('\r') && c != QLatin1Char('\n'))
            continue;
        lines.append(text.mid(start, i - start));
        if (c == QLatin1Char('\r') && i + 1 < text.size() && text.at(i + 1) == QLatin1Char('\n'))
            ++i;
        start = i + 1;
    }
    if (start < text.size())
        lines.append(text.mid(start));
    return lines;
}

// Trims every character from code 0 to 32, not only what Unicode calls white space.
QStringView TrimControlCharacters(QStringView s) {
    qsizetype begin = 0;
    qsizetype end = s.size();
    while (begin < end && s.at(begin).unicode() <= 32)
        ++begin;
    while (end > begin && s.at(end - 1).unicode() <= 32)
        --end;
    return s.mid(begin, end - begin);
}

char16_t UpperAsciiLetter(char16_t c) {
    return (c >= u'a' && c <= u'z') ? char16_t(c - (u'a' - u'A')) : c;
}

bool SameNameIgnoringAsciiCase(QStringView a, QStringView b) {
    if (a.size() != b.size())
        return false;
    for (qsizetype i = 0; i < a.size(); ++i) {
        if (UpperAsciiLetter(a.at(i).unicode()) != UpperAsciiLetter(b.at(i).unicode()))
            return false;
    }
    return true;
}

// The line's name runs up to its first blank; the value is the rest. So an indented line, or a
// name followed by a tab only, never matches.
bool LineMatchesName(const QString& line, const QString& name, QString* value) {
    const qsizetype blank = line.indexOf(QLatin1Char(' '));
    const QStringView lineName =
        blank < 0 ? QStringView() : TrimControlCharacters(QStringView(line).left(blank + 1));
    if (!SameNameIgnoringAsciiCase(lineName, name))
        return false;
    if (value)
        *value = TrimControlCharacters(QStringView(line).mid(qMax<qsizetype>(blank, 0))).toString();
    return true;
}

} // namespace

QString MameIniPath(const QString& mamePath) {
    return FindFileIgnoringCase(mamePath, QStringLiteral("mame.ini"));
}

QString ReadINISetting(const QString& iniFile, const QString& name, const QString& def) {
    const QStringList lines = SplitAtLineFeeds(DecodeIniText(ReadWholeFile(iniFile)).text);
    QString value;
    for (const QString& line : lines) {
        if (LineMatchesName(line, name, &value))
            return value;
    }
    return def;
}

bool WriteINISetting(const QString& iniFile, const QString& name, const QString& value,
                     const INISettingFound& onFound) {
    IniText ini = DecodeIniText(ReadWholeFile(iniFile));
    QStringList lines = SplitAtAnyLineEnd(ini.text);
    const QString newLine = name.leftJustified(PaddedNameWidth, QLatin1Char(' ')) + QLatin1Char(' ') + value;

    bool found = false;
    for (QString& line : lines) {
        if (LineMatchesName(line, name, nullptr)) {
            if (onFound)
                onFound(value);
            line = newLine;
            found = true;
            break;
        }
    }
    if (!found)
        lines.append(newLine);

    ini.text.clear();
    for (const QString& line : std::as_const(lines))
        ini.text += line + QLatin1String("\r\n");
    const QByteArray bytes = EncodeIniText(ini);

    if (!WriteWholeFile(iniFile, bytes))
        throw AppError(QStringLiteral("Unable to write to ") + iniFile);
    return found;
}
