// The emulator's mame.ini. Whatever it holds, reading never fails; writing an option makes it
// read back as written and changes only that option's line (or adds it at the end): every
// other line keeps its bytes, whatever their encoding.

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

std::map<QString, QString> ReadAll(const QString& file) {
    std::map<QString, QString> values;
    for (const QString& name : Names())
        values[name] = ReadINISetting(file, name, Missing);
    return values;
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

// The lines of a UTF-16 file, as UTF-8 bytes; of any other file, its own bytes.
QList<QByteArray> Lines(const QByteArray& bytes) {
    if (!IsUtf16(bytes))
        return ByteLines(bytes, LineEnds::AnyBreak);
    const auto encoding =
        bytes.startsWith("\xFF\xFE") ? QStringConverter::Utf16LE : QStringConverter::Utf16BE;
    const QString text = QStringDecoder(encoding).decode(bytes.mid(2));
    return ByteLines(text.toUtf8(), LineEnds::AnyBreak);
}

bool HasLoneCarriageReturn(const QByteArray& bytes) {
    for (qsizetype i = bytes.indexOf('\r'); i >= 0; i = bytes.indexOf('\r', i + 1)) {
        if (i + 1 == bytes.size() || bytes.at(i + 1) != '\n')
            return true;
    }
    return false;
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
    std::map<QString, QString> expected = ReadAll(file);
    WriteINISetting(file, name, value);
    expected[name] = Trimmed(value);
    const std::map<QString, QString> after = ReadAll(file);
    RequireEqual("the option written reads back", expected.at(name), after.at(name));
    // The reader ends lines at LF only and a rewrite ends every line with CR LF, so a lone CR
    // may join or split the lines the reader sees; elsewhere the other options read as before.
    if (!HasLoneCarriageReturn(before)) {
        for (const QString& each : Names())
            RequireEqual(qPrintable(QStringLiteral("%1 reads as before after writing %2").arg(each, name)),
                         expected.at(each), after.at(each));
    }

    const QList<QByteArray> oldLines = Lines(before);
    const QByteArray written = ReadScratchFile(file);
    const QList<QByteArray> newLines = Lines(written);
    RequireOneLineChanged(
        qPrintable(QStringLiteral("writing %1 changes only its line or appends it").arg(name)), oldLines,
        newLines, Insertion::AtEnd);
    return 0;
}
