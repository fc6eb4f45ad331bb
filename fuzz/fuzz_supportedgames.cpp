// The emulator's supported-games list. Whatever the file holds, reading it never fails; its
// entries are exactly the lines after the first that the line rule accepts, in order; and a
// look-up of an entry's short name, in any letter case, finds the first entry of that name.

#include "FuzzSupport.h"

#include "base/AsciiCase.h"
#include "gamelist/SupportedGames.h"

#include <algorithm>

namespace {

// The lines after the first, each without its line feed and a carriage return before it.
QStringList EntryLines(const QByteArray& bytes) {
    QStringList lines = QString::fromUtf8(bytes).split(u'\n');
    lines.removeFirst();
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    for (QString& line : lines) {
        if (line.endsWith(u'\r'))
            line.chop(1);
    }
    return lines;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray bytes = InputBytes(data, size);
    const QString file = WriteScratchFile(QStringLiteral("Pellmora.GAM"), bytes);
    const std::vector<SupportedGame> entries = ReadSupportedGamesFile(file);

    QStringList expected, actual;
    for (const QString& line : EntryLines(bytes)) {
        if (const auto entry = ParseSupportedGameLine(line))
            expected.append(entry->shortName + u'\n' + entry->description);
    }
    for (const SupportedGame& entry : entries)
        actual.append(entry.shortName + u'\n' + entry.description);
    RequireEqual("the entries are the accepted lines after the first, in order", expected.join(u'\n'),
                 actual.join(u'\n'));

    const TSupportedGames games(entries);
    for (size_t i = 0; i < entries.size() && i < 8; ++i) {
        const QString wanted = AsciiUpper(entries[i].shortName);
        const auto first = std::find_if(entries.begin(), entries.end(), [&](const SupportedGame& e) {
            return AsciiUpper(e.shortName) == wanted;
        });
        const auto found = FindSupportedGame(file, AsciiLower(wanted));
        if (!found)
            PropertyFailed("a listed short name is found", entries[i].shortName);
        RequireEqual("the search finds the first entry of that name", first->description, found->description);
        RequireEqual("the map keeps the first entry of that name", first->description,
                     games.Lookup(wanted).value_or(QString()));
    }
    return 0;
}
