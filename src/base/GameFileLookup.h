#pragma once
// Finding a game's archive or folder in the game folder whatever the letter case on disk:
// every test for a game's file, and every action on it, goes through here.

#include "base/FileLookup.h"

#include <QString>
#include <QStringList>
#include <QStringView>

// An archive name: its extension (from its last "." on, upper-cased) is a piece of
// ".ZIP;.7Z" (so ".Z" and ".7" pass too); an empty extension never is. Other names are folders.
bool IsArchiveName(QStringView name);

// The name on disk of the game fileDir: a file when fileDir is an archive name, else a
// folder. Empty when there is none.
QString FindGame(const TFolderListing& rompathListing, QStringView fileDir);

// The full path of the game fileDir under rompath (ending in "/"), as named on disk;
// empty when it does not exist. An empty fileDir names no game.
QString FindGameFile(const QString& rompath, const QString& fileDir);

// Where the game fileDir is among the game folders (each ending in "/"): the first folder that
// holds it, searched in order as the emulator searches them, and its full path there as named on
// disk. Both empty when no folder holds it.
struct GameLocation {
    QString folder;
    QString path;
};
GameLocation LocateGame(const QStringList& folders, const QString& fileDir);
