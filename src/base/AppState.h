#pragma once
// The program's shared state: the folders, counters, option values and run flags
// every command reads and writes. One instance lives in the main window.

#include <QString>

#include <cstdint>
#include <functional>

enum TSortStyle : std::uint8_t { ssAutomatic, ssAlphabetic, ssNumeric, ssDateTime, ssTime, ssCustom };
enum TSortDirection : std::uint8_t { sdAscending, sdDescending };

struct TSortOptions {
    TSortStyle SortStyle = ssAutomatic;
    TSortDirection SortDirection = sdAscending;
    bool SortCaseSensitive = false;
    // For ssCustom: negative, zero or positive for two texts; none compares every text equal.
    std::function<int(const QString&, const QString&)> SortCompare;
};

// A date-time as the number of days since 30 December 1899, the time of day as the fraction; 0 means none.
using TDateTime = double;

struct AppState {
    // Folders, each ending in "/".
    QString CurrentPath;
    QString UserDataPath;
    QString MAMEPath;
    QString MAMEEXE;
    QString rompath;
    QString snapshot_directory;
    QString nvram_directory;
    QString cfg_directory;

    // Option values read from mame.ini at start-up.
    QString mame_window, readconfig, scheat, usemouse, joystick, steadykey, verbose, skip_gameinfo;
    QString sound, samplerate, antialias, hwstretch, gamma, brightness, contrast;

    // Counters and dates shown on the Game Data tab.
    int GameCount = 0;
    int nFound = 0;
    int nUnknown = 0;
    int nGames = 0;
    TDateTime ImportDate = 0;
    TDateTime VerifyDate = 0;

    QString FileDialogPath;
    int SortColumn = 0;
    TSortOptions GSortOptions;
    int ActivePage = 0;
    QString LastSelectedGame;
    QString StyleName;

    // Run flags.
    bool debug = false;
    bool DoingVerification = false;
    bool StopVerification = false;
    bool AllowEscape = false;
    bool EscapeRoutine = false;
    bool DisplayVerifyGame = true;
    bool WindowsKeyActive = true;
    int LastGridRow = 0;
    bool FormSettingsRead = false;
    bool GenerateGameList = false;
    bool PostInitialiseDone = false;
};
