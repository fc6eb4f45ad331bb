#pragma once
// One game of the game list as values: what its four cells mean. The cells' texts are the
// list file's business (gamelist/ListFileCodec.h).

#include <QString>

// None: an empty cell, or a text the program never writes.
enum class GameStatus { None, Good, Bad, Unknown };

struct GameRow {
    bool favourite = false;
    GameStatus status = GameStatus::None;
    QString name;    // the emulator's description, or the unknown game's name
    QString fileDir; // archive or folder name inside the game folder

    bool operator==(const GameRow&) const = default;
};
