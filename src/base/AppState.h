#pragma once
// The program's shared state, in parts by what they are: folders, mame.ini values, list
// counters, the remembered view and run flags. One instance lives in the main window.

#include <QString>
#include <QStringList>

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

// Where things are, each folder ending in "/": the program's own folders, the emulator's
// folder and executable name, and the folders its mame.ini names. Set at start-up and by the
// emulator folder commands.
struct TFolders {
    QString CurrentPath;
    QString UserDataPath;
    QString MAMEPath;
    QString MAMEEXE;
    QString rompath;      // the first game folder found at start-up: where new games go
    QStringList rompaths; // every game folder of the rompath, in the order the emulator searches them
    QString snapshot_directory;
    QString nvram_directory;
    QString cfg_directory;
};

// Option values read from mame.ini at start-up; the Controls, Audio and Video tabs edit the
// document itself, not these.
struct TMameIniValues {
    QString mame_window, readconfig, scheat, usemouse, joystick, steadykey, verbose, skip_gameinfo;
    QString sound, samplerate, antialias, hwstretch, gamma, brightness, contrast;
};

// Counters and dates of the game list, shown on the Game Data tab and kept in the settings
// file: written by Scan, Verify and the game-file commands.
struct TListCounters {
    int GameCount = 0;
    int nFound = 0;
    int nUnknown = 0;
    int nGames = 0;
    TDateTime ImportDate = 0;
    TDateTime VerifyDate = 0;
};

// What the main window remembers between starts in the settings file.
struct TRememberedView {
    QString FileDialogPath;
    int SortColumn = 0;
    TSortOptions GSortOptions;
    int ActivePage = 0;
    QString LastSelectedGame;
    QString StyleName;
};

// Flags of the running program: the debug mode, the run under way and what may end it,
// and how far start-up has come. Never saved.
struct TRunFlags {
    bool debug = false;
    bool DoingVerification = false;
    bool StopVerification = false;
    bool AllowEscape = false;
    bool DisplayVerifyGame = true;
    bool WindowsKeyActive = true;
    int LastGridRow = 0;
    bool FormSettingsRead = false;
    bool GenerateGameList = false;
    bool PostInitialiseDone = false;
};

// The whole state by its parts: a handler reaches every name as before (State.MAMEPath), and
// code that needs one part takes that part alone.
struct AppState : TFolders, TMameIniValues, TListCounters, TRememberedView, TRunFlags {};
