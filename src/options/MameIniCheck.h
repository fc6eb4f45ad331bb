#pragma once
// The start-up check of the emulator's configuration file: where the games, snapshots, NVRAM
// and per-game configurations are, and the option values the tabs show.

#include "base/AppState.h"
#include "options/MameIni.h"

#include <QString>

#include <functional>

struct MameIniCheckResult {
    enum Outcome { Ok, Fail };
    Outcome outcome = Ok;
    QString errorMessage;           // the error box text when the outcome is Fail
    bool readconfigWarning = false; // readconfig is "0" (or missing)
};

// Reads the folders and option values of state.MAMEPath's configuration file into state (the file
// read once) and makes sure "snapname" is "%g". Stops at the first folder problem with its
// message. onReadconfigWarning is called when readconfig is "0" or missing, before "snapname" is
// fixed; onFound is passed to the "snapname" write. Throws AppError when the file cannot be read
// or written.
MameIniCheckResult CheckAndReadMameIni(AppState& state, const std::function<void()>& onReadconfigWarning = {},
                                       const INISettingFound& onFound = {});

// The texts of the boxes the check shows.
QString CreateConfigFailedMessage(const QString& mameExe, int code, const QString& systemText);
QString MameIniNotFoundMessage(const QString& mamePath, const QString& mameExe);
QString MultipleRompathsMessage();
QString RompathNotFoundMessage(const QString& rompath);
QString SnapshotDirectoryNotFoundMessage(const QString& snapshotDirectory);
QString CfgDirectoryNotFoundMessage(const QString& cfgDirectory);
QString ReadconfigWarningMessage();
