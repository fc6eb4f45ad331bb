#pragma once
// The emulator's list of the games it supports (its -listfull output, kept as Pellmora.GAM):
// a header line, then one line per game: the short name, blanks, the description in double
// quotes closing the line.

#include <QHash>
#include <QString>
#include <QStringView>

#include <optional>
#include <vector>

struct SupportedGame {
    QString shortName;
    QString description;
};

// One line, without its line ending. An entry when it holds a double quote and another one
// among its last two characters: the short name is the text before the first quote without
// surrounding blanks and control characters; the description everything after the first
// quote but the line's last character.
std::optional<SupportedGame> ParseSupportedGameLine(QStringView line);

// Every entry of the list's text in order; line 1 is the header and never an entry.
// Lines end at a line feed, with or without a carriage return before it.
std::vector<SupportedGame> ParseSupportedGames(QStringView text);

// The list file read as UTF-8, as the emulator writes it. Throws AppError when it cannot be read.
std::vector<SupportedGame> ReadSupportedGamesFile(const QString& fileName);

// The first entry of the list file whose short name equals name ignoring ASCII case.
// Throws AppError when the file cannot be read.
std::optional<SupportedGame> FindSupportedGame(const QString& fileName, QStringView name);

// Descriptions by upper-cased short name. When two entries share a short name the first
// one is kept, as a search from the top finds it.
class TSupportedGames {
  public:
    explicit TSupportedGames(const std::vector<SupportedGame>& entries);
    std::optional<QString> Lookup(QStringView name) const;
    int Count() const { return static_cast<int>(descriptions.size()); }

  private:
    QHash<QString, QString> descriptions;
};
