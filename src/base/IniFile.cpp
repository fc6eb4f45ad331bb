#include "base/IniFile.h"

#include "base/AppError.h"
#include "base/DateTimeText.h"
#include "base/FileLookup.h"
#include "base/WholeFile.h"

#include <QCoreApplication>
#include <QFile>
#include <QStringDecoder>
#include <QStringEncoder>

#include <limits>
#include <optional>
#include <type_traits>

namespace {

constexpr qsizetype MaxValueLength = 2047;
const QString LineBreak = QStringLiteral("\r\n");

bool IsBlank(QChar c) {
    return c == QLatin1Char(' ') || c == QLatin1Char('\t') || c == QLatin1Char('\r') ||
           c == QLatin1Char('\v') || c == QLatin1Char('\f');
}

QString TrimBlanks(const QString& text) {
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && IsBlank(text.at(begin)))
        ++begin;
    while (end > begin && IsBlank(text.at(end - 1)))
        --end;
    return text.mid(begin, end - begin);
}

QString WithoutMatchingQuotes(const QString& text) {
    if (text.size() >= 2 && text.front() == text.back() &&
        (text.front() == QLatin1Char('"') || text.front() == QLatin1Char('\'')))
        return text.mid(1, text.size() - 2);
    return text;
}

QString CappedValue(QString text) {
    if (text.size() > MaxValueLength) {
        text.truncate(MaxValueLength);
        if (text.back().isHighSurrogate()) // never return half a character
            text.chop(1);
    }
    return text;
}

bool SameName(const QString& a, const QString& b) {
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

// The file's bytes as the byte-order mark (if any) and the text after it. Without a mark
// the text is in the locale's encoding.
struct FileText {
    QStringConverter::Encoding encoding = QStringConverter::System;
    QByteArray bom;
    QByteArray body;
    bool IsUtf16() const {
        return encoding == QStringConverter::Utf16LE || encoding == QStringConverter::Utf16BE;
    }
};

FileText SplitByteOrderMark(const QByteArray& bytes) {
    struct Mark {
        const char* bytes;
        QStringConverter::Encoding encoding;
    };
    static const Mark marks[] = {{"\xEF\xBB\xBF", QStringConverter::Utf8},
                                 {"\xFF\xFE", QStringConverter::Utf16LE},
                                 {"\xFE\xFF", QStringConverter::Utf16BE}};
    for (const Mark& mark : marks) {
        if (bytes.startsWith(mark.bytes)) {
            const qsizetype length = qstrlen(mark.bytes);
            return {mark.encoding, bytes.left(length), bytes.mid(length)};
        }
    }
    return {QStringConverter::System, QByteArray(), bytes};
}

// One line of a text: [start, contentEnd) is its content without the line break, next is
// where the following line begins.
struct LineSpan {
    qsizetype start = 0;
    qsizetype contentEnd = 0;
    qsizetype next = 0;
    bool terminated = false;
};

// c as the character type of Body.
template <typename Body> auto Char(char c) {
    if constexpr (std::is_same_v<Body, QString>)
        return QLatin1Char(c);
    else
        return c;
}

template <typename Body> LineSpan LineAt(const Body& body, qsizetype start) {
    LineSpan span;
    span.start = start;
    const qsizetype newline = body.indexOf(Char<Body>('\n'), start);
    span.terminated = newline >= 0;
    span.next = span.terminated ? newline + 1 : body.size();
    span.contentEnd = span.terminated ? newline : body.size();
    if (span.contentEnd > start && body.at(span.contentEnd - 1) == Char<Body>('\r'))
        --span.contentEnd;
    return span;
}

// What a lookup of a section (and a key in it) found.
struct Lookup {
    bool sectionFound = false;
    bool keyFound = false;
    LineSpan keyLine;
    QString keyName; // as spelled in the file
    QString rawValue;
    LineSpan lastLineOfSection; // its last line that is not blank
};

// Either the locale's 8-bit text, kept as bytes so lines nobody changes are rewritten
// byte for byte, or UTF-16 text decoded whole.
template <typename Body> class IniText {
  public:
    IniText(const Body& body, QStringConverter::Encoding encoding)
        : body(body),
          decoder(encoding, QStringConverter::Flag::Stateless | QStringConverter::Flag::ConvertInitialBom),
          encoder(encoding) {}

    // The first section named section and, unless key is null, the first key of that name in it.
    Lookup Find(const QString& section, const QString& key) {
        Lookup found;
        const QString sectionName = TrimBlanks(section);
        const QString keyName = TrimBlanks(key);
        bool inSection = false;
        for (qsizetype position = 0; position < body.size();) {
            const LineSpan span = LineAt(body, position);
            position = span.next;
            const QString text = Text(span);
            qsizetype first = 0;
            while (first < text.size() && IsBlank(text.at(first)))
                ++first;
            if (first < text.size() && text.at(first) == QLatin1Char('[')) {
                if (inSection)
                    break;
                const qsizetype close = text.indexOf(QLatin1Char(']'), first);
                const qsizetype nameEnd = close < 0 ? text.size() : close;
                if (SameName(TrimBlanks(text.mid(first + 1, nameEnd - first - 1)), sectionName)) {
                    found.sectionFound = inSection = true;
                    found.lastLineOfSection = span;
                }
                continue;
            }
            if (!inSection || first == text.size())
                continue;
            found.lastLineOfSection = span;
            const qsizetype equals = text.indexOf(QLatin1Char('='));
            if (key.isNull() || equals < 0)
                continue;
            const QString name = TrimBlanks(text.left(equals));
            if (SameName(name, keyName)) {
                found.keyFound = true;
                found.keyLine = span;
                found.keyName = name;
                found.rawValue = text.mid(equals + 1);
                break;
            }
        }
        return found;
    }

    // The text with the key set to value, by the private-profile rules.
    Body WithValue(const QString& section, const QString& key, const QString& value) {
        const Lookup found = Find(section, key);
        qsizetype from = body.size();
        qsizetype to = body.size();
        QString insert;
        if (found.keyFound) {
            from = found.keyLine.start;
            to = found.keyLine.contentEnd;
            insert = found.keyName + QLatin1Char('=') + value;
        } else if (found.sectionFound) {
            from = to = found.lastLineOfSection.next;
            insert = (found.lastLineOfSection.terminated ? QString() : LineBreak) + key + QLatin1Char('=') +
                     value + LineBreak;
        } else {
            const bool needsBreak = !body.isEmpty() && !body.endsWith(Char<Body>('\n'));
            insert = (needsBreak ? LineBreak : QString()) + QLatin1Char('[') + section + QLatin1Char(']') +
                     LineBreak + key + QLatin1Char('=') + value + LineBreak;
        }
        Body result = body.left(from);
        result += Encoded(insert);
        result += body.mid(to);
        return result;
    }

  private:
    QString Text(const LineSpan& span) {
        if constexpr (std::is_same_v<Body, QString>)
            return body.mid(span.start, span.contentEnd - span.start);
        else
            return decoder.decode(QByteArrayView(body).sliced(span.start, span.contentEnd - span.start));
    }

    Body Encoded(const QString& text) {
        if constexpr (std::is_same_v<Body, QString>)
            return text;
        else
            return encoder.encode(text);
    }

    const Body& body;
    QStringDecoder decoder;
    QStringEncoder encoder;
};

// The file's bytes, or nothing when there is no such file.
std::optional<QByteArray> ReadFileBytes(const QString& path) {
    if (!QFile::exists(path))
        return std::nullopt;
    return ReadWholeFile(path);
}

Lookup FindInFile(const QString& path, const QString& section, const QString& key) {
    const std::optional<QByteArray> bytes = ReadFileBytes(path);
    if (!bytes)
        return Lookup();
    const FileText file = SplitByteOrderMark(*bytes);
    if (file.IsUtf16()) {
        const QString text =
            QStringDecoder(file.encoding, QStringConverter::Flag::ConvertInitialBom).decode(file.body);
        return IniText<QString>(text, file.encoding).Find(section, key);
    }
    return IniText<QByteArray>(file.body, file.encoding).Find(section, key);
}

QByteArray WithValue(const QByteArray& bytes, const QString& section, const QString& key,
                     const QString& value) {
    const FileText file = SplitByteOrderMark(bytes);
    if (file.IsUtf16()) {
        const QString text =
            QStringDecoder(file.encoding, QStringConverter::Flag::ConvertInitialBom).decode(file.body);
        const QString changed = IniText<QString>(text, file.encoding).WithValue(section, key, value);
        return file.bom + QStringEncoder(file.encoding).encode(changed);
    }
    return file.bom + IniText<QByteArray>(file.body, file.encoding).WithValue(section, key, value);
}

bool HexDigitValue(QChar c, unsigned& digit) {
    const char16_t u = c.unicode();
    if (u >= '0' && u <= '9')
        digit = u - '0';
    else if (u >= 'a' && u <= 'f')
        digit = u - 'a' + 10;
    else if (u >= 'A' && u <= 'F')
        digit = u - 'A' + 10;
    else
        return false;
    return true;
}

} // namespace

bool TryIniTextToInt(const QString& value, int& result) {
    if (value.size() > 2 && value.at(0) == QLatin1Char('0') &&
        (value.at(1) == QLatin1Char('x') || value.at(1) == QLatin1Char('X'))) {
        quint64 bits = 0;
        for (qsizetype i = 2; i < value.size(); ++i) {
            unsigned digit = 0;
            if (!HexDigitValue(value.at(i), digit))
                return false;
            bits = bits * 16 + digit;
            if (bits > 0xFFFFFFFFu)
                return false;
        }
        // The 32 bits as they stand, as Windows reads them: 0xFFFFFFFF is -1.
        result = static_cast<int>(static_cast<quint32>(bits));
        return true;
    }
    qsizetype i = 0;
    const bool negative = value.startsWith(QLatin1Char('-'));
    if (negative || value.startsWith(QLatin1Char('+')))
        i = 1;
    if (i == value.size())
        return false;
    qint64 magnitude = 0;
    for (; i < value.size(); ++i) {
        const char16_t u = value.at(i).unicode();
        if (u < '0' || u > '9')
            return false;
        magnitude = magnitude * 10 + (u - '0');
        if (magnitude > qint64(1) << 31)
            return false;
    }
    const qint64 signedValue = negative ? -magnitude : magnitude;
    if (signedValue > std::numeric_limits<int>::max())
        return false;
    result = static_cast<int>(signedValue);
    return true;
}

TIniFile::TIniFile(const QString& fileName) : fileName(fileName) {}

QString TIniFile::ResolvedFileName() const {
    const qsizetype slash = fileName.lastIndexOf(QLatin1Char('/'));
    return FindFileIgnoringCase(fileName.left(slash + 1), fileName.mid(slash + 1));
}

QString TIniFile::ReadString(const QString& section, const QString& key, const QString& def) const {
    const Lookup found = FindInFile(ResolvedFileName(), section, key);
    if (!found.keyFound)
        return def;
    return CappedValue(WithoutMatchingQuotes(TrimBlanks(found.rawValue)));
}

int TIniFile::ReadInteger(const QString& section, const QString& key, int def) const {
    int value = 0;
    return TryIniTextToInt(ReadString(section, key, QString()), value) ? value : def;
}

TDateTime TIniFile::ReadDateTime(const QString& section, const QString& key, TDateTime def,
                                 const QLocale& locale) const {
    TDateTime value = 0;
    return TryStrToDateTime(ReadString(section, key, QString()), value, locale) ? value : def;
}

bool TIniFile::SectionExists(const QString& section) const {
    return FindInFile(ResolvedFileName(), section, QString()).sectionFound;
}

void TIniFile::WriteString(const QString& section, const QString& key, const QString& value) {
    const QString path = ResolvedFileName();
    const AppError writeError(QCoreApplication::translate("Files", "Unable to write to %1").arg(path));
    QString oneLine = value;
    oneLine.replace(QLatin1Char('\r'), QLatin1Char(' ')).replace(QLatin1Char('\n'), QLatin1Char(' '));

    std::optional<QByteArray> bytes;
    try {
        bytes = ReadFileBytes(path);
    } catch (const AppError&) {
        throw writeError;
    }
    const QByteArray contents = WithValue(bytes.value_or(QByteArray()), section, key, oneLine);

    if (!WriteWholeFile(path, contents))
        throw writeError;
}

void TIniFile::WriteInteger(const QString& section, const QString& key, int value) {
    WriteString(section, key, QString::number(value));
}

void TIniFile::WriteDateTime(const QString& section, const QString& key, TDateTime value,
                             const QLocale& locale) {
    WriteString(section, key, DateTimeToStr(value, locale));
}
