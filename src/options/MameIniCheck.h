#pragma once
// The start-up check of the emulator's configuration file: where the games, snapshots, NVRAM
// and per-game configurations are, and the option values the tabs show.

#include "base/AppState.h"
#include "options/MameIni.h"

#include <QString>
#include <QStringList>

#include <functional>

struct MameIniCheckResult {
    enum Outcome { Ok, Fail };
    Outcome outcome = Ok;
    QString errorMessage;           // the error box text when the outcome is Fail
    bool readconfigWarning = false; // readconfig is "0" (or missing)
    QStringList missingGameFolders; // rompath folders not found while others were
};

// Reads the folders and option values of state.MAMEPath's configuration file into state (the file
// read once) and makes sure "snapname" is "%g". Stops at the first folder problem with its
// message; a game folder missing while another exists is no problem but is passed to
// onMissingGameFolders with the warning's text, once for all of them. onReadconfigWarning is
// called when readconfig is "0" or missing, before "snapname" is fixed; onFound is passed to the
// "snapname" write. Throws AppError when the file cannot be read or written.
MameIniCheckResult CheckAndReadMameIni(AppState& state, const std::function<void()>& onReadconfigWarning = {},
                                       const INISettingFound& onFound = {},
                                       const std::function<void(const QString&)>& onMissingGameFolders = {});

// The texts of the boxes the check shows.
QString CreateConfigFailedMessage(const QString& mameExe, int code, const QString& systemText);
QString MameIniNotFoundMessage(const QString& mamePath, const QString& mameExe);
QString RompathNotFoundMessage(const QString& rompath);
QString SnapshotDirectoryNotFoundMessage(const QString& snapshotDirectory);
QString CfgDirectoryNotFoundMessage(const QString& cfgDirectory);
QString ReadconfigWarningMessage();
