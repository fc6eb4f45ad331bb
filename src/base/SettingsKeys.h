#pragma once
// The program's own settings file: its name, its one section, the keys with their defaults,
// and the reads done at start-up and at main window creation.

#include "base/AppState.h"
#include "base/IniFile.h"

#include <QString>

namespace Settings {

inline const QString FileName = QStringLiteral("Pellmora.INI");
inline const QString Section = QStringLiteral("Pellmora");

namespace Key {
inline const QString MAMEPath = QStringLiteral("MAMEPath");
inline const QString nGames = QStringLiteral("nGames");
inline const QString nFound = QStringLiteral("nFound");
inline const QString nUnknown = QStringLiteral("nUnknown");
inline const QString GameCount = QStringLiteral("GameCount");
inline const QString ImportDate = QStringLiteral("ImportDate");
inline const QString VerifyDate = QStringLiteral("VerifyDate");
inline const QString FileDialogPath = QStringLiteral("FileDialogPath");
inline const QString SortColumn = QStringLiteral("SortColumn");
inline const QString SortDirection = QStringLiteral("SortDirection");
inline const QString ActivePage = QStringLiteral("ActivePage");
inline const QString LastSelectedGame = QStringLiteral("LastSelectedGame");
inline const QString CommandLineSwitches = QStringLiteral("CommandLineSwitches");
inline const QString Left = QStringLiteral("Left");
inline const QString Top = QStringLiteral("Top");
inline const QString StyleName = QStringLiteral("StyleName");
inline const QString Width = QStringLiteral("Width");
inline const QString Height = QStringLiteral("Height");
inline const QString Maximised = QStringLiteral("Maximised");
inline const QString GameView = QStringLiteral("GameView");
inline const QString HistoryColumns = QStringLiteral("HistoryColumns");
} // namespace Key

namespace Default {
constexpr int nGames = -1;
constexpr int nFound = -1;
constexpr int nUnknown = -1;
constexpr int GameCount = 0;
constexpr TDateTime ImportDate = 0;
constexpr TDateTime VerifyDate = 0;
constexpr int SortColumn = 2;
constexpr int SortDirection = 0;
constexpr int ActivePage = 0;
inline const QString StyleName = QStringLiteral("Obsidian");
// The user's home folder, ending in "/".
QString FileDialogPath();
} // namespace Default

// The game list's columns and the main window's tabs: stored indexes outside them read as
// the default, so a damaged file cannot send the program past the end of either.
// The list's four columns and the three of the play history.
constexpr int SortColumnCount = 7;
constexpr int PageCount = 6;

} // namespace Settings

// The settings file of the user data folder (which ends in "/"); its name is matched
// ignoring case when it is read or written.
TIniFile SettingsFile(const QString& userDataPath);
bool SettingsFileExists(const QString& userDataPath);

// Start-up step 3: MAMEPath, nGames, nFound, nUnknown, GameCount, ImportDate, VerifyDate,
// FileDialogPath, SortColumn, SortDirection (its low byte into GSortOptions.SortDirection),
// ActivePage, LastSelectedGame, then CommandLineSwitches into commandLineSwitches, in that
// order. Throws AppError when the file exists but cannot be read.
void ReadStartupSettings(const TIniFile& ini, AppState& state, QString& commandLineSwitches);

struct TWindowSettings {
    int Left = 0;
    int Top = 0;
    QString StyleName;
    // The window's size without its frame, 0 when none is stored; whether it was maximised
    // (Left, Top, Width and Height then tell where it goes back to).
    int Width = 0;
    int Height = 0;
    bool Maximised = false;
    // Whether Left and Top came from the file rather than from the caller's defaults.
    bool LeftStored = false;
    bool TopStored = false;
};

// (screen extent - window extent) / 2, rounded towards zero: the default of Left and Top.
constexpr int CentredEdge(int screenExtent, int windowExtent) {
    return (screenExtent - windowExtent) / 2;
}

// Left and Top (with the caller's defaults), StyleName (default "Obsidian"), Width and Height
// (default 0) and Maximised (default 0).
TWindowSettings ReadWindowSettings(const TIniFile& ini, int defaultLeft, int defaultTop);
// Writes Left, Top, StyleName, Width, Height and Maximised (1 or 0).
void WriteWindowSettings(TIniFile& ini, const TWindowSettings& settings);
