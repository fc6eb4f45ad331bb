// The emulator's mame.ini. Whatever it holds, reading never fails; setting an option makes it
// read back as set, leaves every other option reading as the saved file does, and the saved
// file differs only at that option's line (or has it added at the end): every other line keeps
// its bytes, whatever their encoding.

#include "FuzzSupport.h"

#include "options/MameIni.h"

#include <QStringDecoder>

#include <map>

namespace {

// The options the program reads and writes.
const QStringList& Names() {
    static const QStringList names{QStringLiteral("rompath"),         QStringLiteral("snapshot_directory"),
                                   QStringLiteral("nvram_directory"), QStringLiteral("cfg_directory"),
                                   QStringLiteral("window"),          QStringLiteral("readconfig"),
                                   QStringLiteral("cheat"),           QStringLiteral("mouse"),
                                   QStringLiteral("joystick"),        QStringLiteral("steadykey"),
                                   QStringLiteral("verbose"),         QStringLiteral("skip_gameinfo"),
                                   QStringLiteral("sound"),           QStringLiteral("samplerate"),
                                   QStringLiteral("antialias"),       QStringLiteral("hwstretch"),
                                   QStringLiteral("gamma"),           QStringLiteral("brightness"),
                                   QStringLiteral("contrast"),        QStringLiteral("snapname")};
    return names;
}

const QString Missing = QStringLiteral("\x01missing");

std::map<QString, QString> ReadAll(const TMameIni& ini) {
    std::map<QString, QString> values;
    for (const QString& name : Names())
        values[name] = ini.Value(name, Missing);
    return values;
}

void RequireSameValues(const char* what, const std::map<QString, QString>& expected,
                       const std::map<QString, QString>& actual) {
    for (const QString& name : Names())
        RequireEqual(qPrintable(QStringLiteral("%1: %2").arg(QLatin1String(what), name)), expected.at(name),
                     actual.at(name));
}

// Characters 0 to 32 around a value are not part of it.
QString Trimmed(const QString& value) {
    qsizetype begin = 0, end = value.size();
    while (begin < end && value.at(begin).unicode() <= 32)
        ++begin;
    while (end > begin && value.at(end - 1).unicode() <= 32)
        --end;
    return value.mid(begin, end - begin);
}

bool IsUtf16(const QByteArray& bytes) {
    return bytes.startsWith("\xFF\xFE") || bytes.startsWith("\xFE\xFF");
}

// A UTF-16 file's code units as text: CR and LF as themselves, any other unit as four hex
// digits, so its lines split as an 8-bit file's and compare unit for unit.
QByteArray Utf16UnitsAsText(const QByteArray& bytes) {
    const bool littleEndian = bytes.startsWith("\xFF\xFE");
    QByteArray text;
    for (qsizetype i = 2; i + 1 < bytes.size(); i += 2) {
        const auto low = static_cast<unsigned char>(bytes.at(littleEndian ? i : i + 1));
        const auto high = static_cast<unsigned char>(bytes.at(littleEndian ? i + 1 : i));
        const int unit = high << 8 | low;
        if (unit == '\r' || unit == '\n')
            text += char(unit);
        else
            text += QByteArray::number(unit, 16).rightJustified(4, '0');
    }
    return text;
}

bool HasLoneCarriageReturn(const QByteArray& bytes) {
    for (qsizetype i = bytes.indexOf('\r'); i >= 0; i = bytes.indexOf('\r', i + 1)) {
        if (i + 1 == bytes.size() || bytes.at(i + 1) != '\n')
            return true;
    }
    return false;
}

// A file without a byte-order mark is UTF-8 unless some byte is not: replacing the one line that
// was not turns the others from Latin-1 to UTF-8.
bool DecodesAsUtf8(const QByteArray& bytes) {
    QStringDecoder decoder(QStringConverter::Utf8, QStringConverter::Flag::Stateless);
    decoder.decode(bytes);
    return !decoder.hasError();
}

QList<QByteArray> Lines(const QByteArray& bytes) {
    return ByteLines(IsUtf16(bytes) ? Utf16UnitsAsText(bytes) : bytes, LineEnds::AnyBreak);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const WriteRequest request = SplitWriteRequest(InputBytes(data, size));
    const QString name = Names().at(request.choice % Names().size());
    // Latin-1 without line breaks: what an edit box of the options tabs can hold, in any encoding.
    QString value = QString::fromLatin1(request.value);
    value.remove(QLatin1Char('\r'));
    const QByteArray& before = request.file;

    const QString file = WriteScratchFile(QStringLiteral("mame.ini"), before);
    TMameIni ini(file);
    std::map<QString, QString> expected = ReadAll(ini);
    ini.SetValue(name, value);
    expected[name] = Trimmed(value);
    // The document reads as the saved file will, which ends every line with CR LF: so a lone
    // CR, inside a line for a reader of the file before, may now end it.
    const std::map<QString, QString> set = ReadAll(ini);
    RequireEqual("the option set reads back", expected.at(name), set.at(name));
    ini.Save();
    const QByteArray written = ReadScratchFile(file);
    if (DecodesAsUtf8(before) == DecodesAsUtf8(written)) {
        RequireSameValues("the saved file reads as the document", set, ReadAll(TMameIni(file)));
        if (!HasLoneCarriageReturn(before))
            RequireSameValues("the other options read as before", expected, set);
    }

    RequireOneLineChanged(
        qPrintable(QStringLiteral("setting %1 changes only its line or appends it").arg(name)), Lines(before),
        Lines(written), Insertion::AtEnd);
    if (IsUtf16(before) && before.size() % 2 != 0 && written.back() != before.back())
        PropertyFailed("the odd last byte of a UTF-16 file stays last");
    return 0;
}
