// The supported-games list (Pellmora.GAM, the emulator's -listfull output). Whatever the file
// holds, reading it never fails, and the two ways of looking a game up, the map built once
// (scan) and the search of the file from the top (verify), agree for every name.

#include "FuzzSupport.h"

#include "base/AsciiCase.h"
#include "gamelist/SupportedGames.h"

#include <algorithm>

namespace {

QString Shown(const std::optional<QString>& description) {
    return description ? QStringLiteral("\"%1\"").arg(*description) : QStringLiteral("(none)");
}

// The two look-ups of name agree.
void RequireSameLookup(const QString& file, const TSupportedGames& map, const QString& name) {
    const std::optional<SupportedGame> searched = FindSupportedGame(file, name);
    RequireEqual(qPrintable(QStringLiteral("the look-ups of %1 agree").arg(name)),
                 Shown(searched ? std::optional<QString>(searched->description) : std::nullopt),
                 Shown(map.Lookup(name)));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QString file = WriteScratchFile(QStringLiteral("Pellmora.GAM"), InputBytes(data, size));
    const std::vector<SupportedGame> entries = ReadSupportedGamesFile(file);
    const TSupportedGames map(entries);
    if (map.Count() > static_cast<int>(entries.size()))
        PropertyFailed("the map holds no more names than the list");

    // The names of the list (each search reads the file again, so a sample of them), the same
    // in other letter cases, and a name the list does not hold.
    const size_t step = std::max<size_t>(1, entries.size() / 8);
    for (size_t i = 0; i < entries.size(); i += step) {
        const QString& name = entries[i].shortName;
        RequireSameLookup(file, map, name);
        RequireSameLookup(file, map, AsciiLower(name));
        RequireSameLookup(file, map, AsciiUpper(name));
    }
    RequireSameLookup(file, map, QStringLiteral("no such game"));
    return 0;
}
