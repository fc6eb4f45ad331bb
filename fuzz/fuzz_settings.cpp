// The program's settings file. Whatever it holds, reading never fails; writing one key makes
// that key read back as written, leaves every other key reading as before, and changes the
// file only at that key's line (or adds the key, and its section, in one place).

#include "FuzzSupport.h"

#include "base/IniFile.h"
#include "base/SettingsKeys.h"

#include <QLocale>

#include <map>

namespace {

const QStringList& Keys() {
    using namespace Settings::Key;
    static const QStringList keys{MAMEPath,
                                  nGames,
                                  nFound,
                                  nUnknown,
                                  GameCount,
                                  ImportDate,
                                  VerifyDate,
                                  FileDialogPath,
                                  SortColumn,
                                  SortDirection,
                                  ActivePage,
                                  LastSelectedGame,
                                  CommandLineSwitches,
                                  Left,
                                  Top,
                                  StyleName};
    return keys;
}

// Section names as a damaged or hand-edited file may spell them.
const QStringList& Sections() {
    static const QStringList sections{Settings::Section, QStringLiteral("pellmora"),
                                      QStringLiteral(" Pellmora "), QStringLiteral("Other")};
    return sections;
}

const QString Missing = QStringLiteral("\x01missing");

std::map<QString, QString> ReadAll(const TIniFile& ini, const QString& section) {
    std::map<QString, QString> values;
    for (const QString& key : Keys()) {
        values[key] = ini.ReadString(section, key, Missing);
        ini.ReadInteger(section, key, 0);
        ini.ReadDateTime(section, key, 0, QLocale::c());
    }
    return values;
}

// What the reading rules make of a written value: line breaks were written as blanks, then
// blanks around it and one pair of enclosing quotes are dropped.
QString ReadBack(QString value) {
    value.replace(QLatin1Char('\r'), QLatin1Char(' ')).replace(QLatin1Char('\n'), QLatin1Char(' '));
    const auto blank = [](QChar c) {
        return c == QLatin1Char(' ') || c == QLatin1Char('\t') || c == QLatin1Char('\r') ||
               c == QLatin1Char('\v') || c == QLatin1Char('\f');
    };
    qsizetype begin = 0, end = value.size();
    while (begin < end && blank(value.at(begin)))
        ++begin;
    while (end > begin && blank(value.at(end - 1)))
        --end;
    value = value.mid(begin, end - begin);
    if (value.size() >= 2 && value.front() == value.back() &&
        (value.front() == QLatin1Char('"') || value.front() == QLatin1Char('\'')))
        value = value.mid(1, value.size() - 2);
    return value.left(2047);
}

bool IsUtf16(const QByteArray& bytes) {
    return bytes.startsWith("\xFF\xFE") || bytes.startsWith("\xFE\xFF");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const WriteRequest request = SplitWriteRequest(InputBytes(data, size));
    const QString key = Keys().at(request.choice % Keys().size());
    const QString section = Sections().at(request.choice / Keys().size() % Sections().size());
    // Latin-1, so every character fits whatever encoding the file turns out to have.
    const QString value = QString::fromLatin1(request.value);
    const QByteArray& before = request.file;

    TIniFile ini(WriteScratchFile(QStringLiteral("Pellmora.INI"), before));
    std::map<QString, QString> expected = ReadAll(ini, section);
    ini.SectionExists(section);
    ini.WriteString(section, key, value);
    expected[key] = ReadBack(value);
    const std::map<QString, QString> after = ReadAll(ini, section);
    for (const QString& each : Keys())
        RequireEqual(qPrintable(QStringLiteral("key %1 reads as expected after writing %2").arg(each, key)),
                     expected.at(each), after.at(each));

    // UTF-16 text is decoded and encoded whole, so only 8-bit files are compared by the byte.
    if (!IsUtf16(before)) {
        const QList<QByteArray> oldLines = ByteLines(before, LineEnds::LineFeed);
        const QByteArray written = ReadScratchFile(ini.FileName());
        const QList<QByteArray> newLines = ByteLines(written, LineEnds::LineFeed);
        RequireOneLineChanged("a write changes only the key's line, or adds lines in one place", oldLines,
                              newLines, Insertion::AnyPlace);
    }
    return 0;
}
