#include "options/MameIni.h"

#include "base/AppError.h"
#include "base/AsciiCase.h"
#include "base/FileLookup.h"
#include "base/WholeFile.h"

#include <QCoreApplication>
#include <QStringDecoder>
#include <QStringEncoder>
#include <QStringList>

namespace {

constexpr int PaddedNameWidth = 25;

bool IsUtf16(QStringConverter::Encoding encoding) {
    return encoding == QStringConverter::Utf16LE || encoding == QStringConverter::Utf16BE;
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

bool SameNameIgnoringAsciiCase(QStringView a, QStringView b) {
    if (a.size() != b.size())
        return false;
    for (qsizetype i = 0; i < a.size(); ++i) {
        if (AsciiUpper(a.at(i)) != AsciiUpper(b.at(i)))
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

TMameIni::TMameIni(const QString& fileName) : fileName(fileName) {
    Decode(ReadWholeFile(fileName));
}

// A byte-order mark selects UTF-8 or UTF-16; otherwise the locale's encoding, or Latin-1 when
// any byte is not valid in it (an unfinished character at the end included).
void TMameIni::Decode(const QByteArray& data) {
    if (data.startsWith("\xEF\xBB\xBF")) {
        encoding = QStringConverter::Utf8;
        byteOrderMark = data.left(3);
    } else if (data.startsWith("\xFF\xFE")) {
        encoding = QStringConverter::Utf16LE;
        byteOrderMark = data.left(2);
    } else if (data.startsWith("\xFE\xFF")) {
        encoding = QStringConverter::Utf16BE;
        byteOrderMark = data.left(2);
    }
    SplitLines(data.mid(byteOrderMark.size()));
    DecodeLines();
}

// Lines end at CR LF, a lone LF or a lone CR, found by code unit so UTF-16 splits too; a final
// line end adds no empty line.
void TMameIni::SplitLines(const QByteArray& body) {
    const qsizetype unit = IsUtf16(encoding) ? 2 : 1;
    const qsizetype usable = body.size() - body.size() % unit;
    danglingByte = body.mid(usable);
    const auto unitAt = [&](qsizetype i) -> char16_t {
        const auto byte = [&](qsizetype k) { return char16_t(static_cast<unsigned char>(body.at(k))); };
        if (unit == 1)
            return byte(i);
        return encoding == QStringConverter::Utf16LE ? char16_t(byte(i) | byte(i + 1) << 8)
                                                     : char16_t(byte(i) << 8 | byte(i + 1));
    };
    qsizetype start = 0;
    for (qsizetype i = 0; i < usable; i += unit) {
        const char16_t c = unitAt(i);
        if (c != u'\r' && c != u'\n')
            continue;
        Line line{body.mid(start, i - start), QString(), LineEnd::LineFeed};
        if (c == u'\r') {
            const bool feedFollows = i + unit < usable && unitAt(i + unit) == u'\n';
            line.end = feedFollows ? LineEnd::CarriageReturnLineFeed : LineEnd::CarriageReturn;
            if (feedFollows)
                i += unit;
        }
        lines.append(line);
        start = i + unit;
    }
    if (start < usable)
        lines.append(Line{body.mid(start, usable - start), QString(), LineEnd::None});
}

void TMameIni::DecodeLines() {
    bool clean = true;
    for (Line& line : lines) {
        QStringDecoder decoder(encoding,
                               QStringConverter::Flag::Stateless | QStringConverter::Flag::ConvertInitialBom);
        line.text = decoder.decode(line.bytes);
        clean = clean && !decoder.hasError();
    }
    if (clean || !byteOrderMark.isEmpty())
        return;
    // Taken one character per byte, so nothing is lost however the file was written.
    encoding = QStringConverter::Latin1;
    for (Line& line : lines)
        line.text = QString::fromLatin1(line.bytes);
}

QByteArray TMameIni::Encode(const QString& text) const {
    QStringEncoder encoder(encoding, QStringConverter::Flag::Default);
    return encoder.encode(text);
}

// The lines as a reader of the file on disk sees them: they end at LF, a CR just before it
// belonging to the line end, so a lone CR stays inside a line until the file is rewritten.
QStringList TMameIni::LinesAsRead() const {
    QStringList result;
    QString current;
    for (const Line& line : lines) {
        current += line.text;
        if (line.end == LineEnd::CarriageReturn && !rewritten) {
            current += QLatin1Char('\r');
            continue;
        }
        result.append(current);
        current.clear();
    }
    if (!current.isEmpty()) {
        current.chop(1); // the lone CR at the very end
        result.append(current);
    }
    return result;
}

QString TMameIni::Value(const QString& name, const QString& def) const {
    QString value;
    for (const QString& line : LinesAsRead()) {
        if (LineMatchesName(line, name, &value))
            return value;
    }
    return def;
}

bool TMameIni::SetValue(const QString& name, const QString& value, const INISettingFound& onFound) {
    const QString text = name.leftJustified(PaddedNameWidth, QLatin1Char(' ')) + QLatin1Char(' ') + value;
    rewritten = true;
    for (Line& line : lines) {
        if (LineMatchesName(line.text, name, nullptr)) {
            if (onFound)
                onFound(value);
            line = Line{Encode(text), text, LineEnd::CarriageReturnLineFeed};
            return true;
        }
    }
    lines.append(Line{Encode(text), text, LineEnd::CarriageReturnLineFeed});
    return false;
}

QByteArray TMameIni::Bytes() const {
    const QByteArray lineEnd = Encode(QStringLiteral("\r\n"));
    QByteArray result = byteOrderMark;
    for (const Line& line : lines)
        result += line.bytes + lineEnd;
    return result + danglingByte;
}

void TMameIni::Save() const {
    if (!WriteWholeFile(fileName, Bytes()))
        throw AppError(QCoreApplication::translate("Files", "Unable to write to %1").arg(fileName));
}

QString ReadINISetting(const QString& iniFile, const QString& name, const QString& def) {
    return TMameIni(iniFile).Value(name, def);
}

bool WriteINISetting(const QString& iniFile, const QString& name, const QString& value,
                     const INISettingFound& onFound) {
    TMameIni ini(iniFile);
    const bool found = ini.SetValue(name, value, onFound);
    ini.Save();
    return found;
}
