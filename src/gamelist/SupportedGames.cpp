#include "gamelist/SupportedGames.h"

#include "base/AsciiCase.h"
#include "base/NameText.h"
#include "base/WholeFile.h"

namespace {

// Calls take(line) for every line after the header until it returns false.
template <typename Take> void ForEachEntryLine(QStringView text, Take take) {
    qsizetype start = text.indexOf(u'\n');
    if (start < 0)
        return;
    ++start;
    while (start < text.size()) {
        qsizetype end = text.indexOf(u'\n', start);
        if (end < 0)
            end = text.size();
        qsizetype length = end - start;
        if (length > 0 && text[end - 1] == u'\r')
            --length;
        if (!take(text.mid(start, length)))
            return;
        start = end + 1;
    }
}

QString ReadListText(const QString& fileName) {
    return QString::fromUtf8(ReadWholeFile(fileName));
}

} // namespace

std::optional<SupportedGame> ParseSupportedGameLine(QStringView line) {
    const qsizetype length = line.size();
    const qsizetype firstQuote = line.indexOf(u'"');
    if (firstQuote < 0)
        return std::nullopt;
    const qsizetype closingQuote = line.indexOf(u'"', std::max<qsizetype>(length - 2, 0));
    if (closingQuote <= firstQuote)
        return std::nullopt;
    return SupportedGame{TrimBlanksAndControls(line.left(firstQuote)).toString(),
                         line.mid(firstQuote + 1, length - firstQuote - 2).toString()};
}

std::vector<SupportedGame> ParseSupportedGames(QStringView text) {
    std::vector<SupportedGame> entries;
    entries.reserve(static_cast<size_t>(text.count(u'\n')));
    ForEachEntryLine(text, [&entries](QStringView line) {
        if (auto entry = ParseSupportedGameLine(line))
            entries.push_back(std::move(*entry));
        return true;
    });
    return entries;
}

std::vector<SupportedGame> ReadSupportedGamesFile(const QString& fileName) {
    return ParseSupportedGames(ReadListText(fileName));
}

std::optional<SupportedGame> FindSupportedGame(const QString& fileName, QStringView name) {
    std::optional<SupportedGame> found;
    ForEachEntryLine(ReadListText(fileName), [&](QStringView line) {
        auto entry = ParseSupportedGameLine(line);
        if (entry && SameTextIgnoringAsciiCase(entry->shortName, name))
            found = std::move(entry);
        return !found;
    });
    return found;
}

TSupportedGames::TSupportedGames(const std::vector<SupportedGame>& entries) {
    descriptions.reserve(static_cast<qsizetype>(entries.size()));
    for (const SupportedGame& entry : entries) {
        QString key = AsciiUpper(entry.shortName);
        if (!descriptions.contains(key))
            descriptions.insert(std::move(key), entry.description);
    }
}

std::optional<QString> TSupportedGames::Lookup(QStringView name) const {
    const auto found = descriptions.constFind(AsciiUpper(name));
    if (found == descriptions.cend())
        return std::nullopt;
    return *found;
}
