#pragma once
// How a row's File/Dir names the game's archive or folder, its per-game files, and which
// names the game commands may act on or give.

#include "base/GameFileLookup.h"

#include <QString>

#include <vector>

// The name's extension, from its last "." on with the dot; empty when it has no ".".
QString FileExtension(const QString& fileName);

// An archive row's File/Dir without its extension; a folder row's File/Dir as it is.
QString ShortName(const QString& fileDir);

// A File/Dir the commands may act on: one plain entry of rompath. Not the empty placeholder
// row (which would leave rompath itself), nor "." or "..", nor a name holding "/".
bool IsGameEntryName(const QString& fileDir);

// A name a game may be renamed to (before its extension is put back): not empty, not
// starting with "." (a hidden file no scan sees) or "-" (a name the emulator takes for an
// option), holding neither "/" nor ".." nor a line break.
bool IsAcceptableNewName(const QString& newName);

struct PerGameFile {
    QString folder; // ends with "/"
    QString name;
};

// The files the emulator keeps for the game: its configuration, its non-volatile memory
// and its snapshot, each named after the short name.
std::vector<PerGameFile> PerGameFiles(const QString& shortName, const QString& cfgDirectory,
                                      const QString& nvramDirectory, const QString& snapshotDirectory);
