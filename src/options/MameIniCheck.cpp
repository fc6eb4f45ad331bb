#include "options/MameIniCheck.h"

#include "options/FolderRule.h"
#include "options/MameOptions.h"

#include <QFileInfo>

namespace {

bool FolderExists(const QString& folder) {
    return QFileInfo(folder).isDir();
}

MameIniCheckResult Failure(const QString& message) {
    MameIniCheckResult result;
    result.outcome = MameIniCheckResult::Fail;
    result.errorMessage = message;
    return result;
}

} // namespace

QString CreateConfigFailedMessage(const QString& mameExe, int code, const QString& systemText) {
    return QStringLiteral("A problem was experienced when trying to generate a default MAME.INI file. "
                          "Please run the DOS command \"") +
           mameExe +
           QStringLiteral(" -createconfig\" manually and try this program again. The problem code is ") +
           QString::number(code) + QStringLiteral(" : ") + systemText;
}

QString MameIniNotFoundMessage(const QString& mamePath, const QString& mameExe) {
    return QStringLiteral("The M.A.M.E. configuration file ") + mamePath +
           QStringLiteral("MAME.INI was not found.\n\nPlease run the DOS command \"") + mameExe +
           QStringLiteral(" -createconfig\" manually and try this program again.");
}

QString MultipleRompathsMessage() {
    return QStringLiteral("The MAME.INI configuration file has the attribute \"rompath\" set with multiple "
                          "paths.\nPellmora does not support multiple paths defined in the rompath.");
}

QString RompathNotFoundMessage(const QString& rompath) {
    return QStringLiteral("The directory where all your games are supposed to be located (ie. rompath) could "
                          "not be found.\nAccording to your MAME.INI configuration file, the rompath is "
                          "currently set to ") +
           rompath +
           QStringLiteral("\nPlease edit the MAME.INI file and change the rompath to the appropriate value "
                          "(eg. roms).");
}

QString SnapshotDirectoryNotFoundMessage(const QString& snapshotDirectory) {
    return QStringLiteral("The directory where game snap shots are supposed to be located (ie. "
                          "snapshot_directory) could not be found.\nAccording to your MAME.INI configuration "
                          "file, the snapshot_directory is currently set to ") +
           snapshotDirectory +
           QStringLiteral(
               "\nPlease edit the MAME.INI file and change the snapshot_directory to the appropriate "
               "value (eg. snap).");
}

QString CfgDirectoryNotFoundMessage(const QString& cfgDirectory) {
    return QStringLiteral("The directory where game configs are supposed to be located (ie. cfg_directory) "
                          "could not be found.\nAccording to your MAME.INI configuration file, the "
                          "cfg_directory is currently set to ") +
           cfgDirectory +
           QStringLiteral("\nPlease edit the MAME.INI file and change the cfg_directory to the appropriate "
                          "value (eg. cfg).");
}

QString ReadconfigWarningMessage() {
    return QStringLiteral(
        "The MAME.INI configuration file has the attribute \"readconfig\" set to \"0\".\nThis "
        "means that the MAME emulator will not use the MAME.INI configuration file when "
        "playing games.\nWe suggest you change this value to \"1\". This can be done from "
        "within this application.");
}

MameIniCheckResult CheckAndReadMameIni(AppState& state, const std::function<void()>& onReadconfigWarning,
                                       const INISettingFound& onFound) {
    TMameIni ini(MameIniPath(state.MAMEPath));
    const auto read = [&ini](const char* name, const char* def) {
        return ini.Value(QLatin1String(name), QLatin1String(def));
    };

    state.rompath = read("rompath", "roms");
    if (state.rompath.contains(QLatin1Char(';')))
        return Failure(MultipleRompathsMessage());
    state.rompath = ApplyFolderRule(state.MAMEPath, state.rompath);
    if (!FolderExists(state.rompath))
        return Failure(RompathNotFoundMessage(state.rompath));

    state.snapshot_directory = ApplyFolderRule(state.MAMEPath, read("snapshot_directory", "snap"));
    if (!FolderExists(state.snapshot_directory))
        return Failure(SnapshotDirectoryNotFoundMessage(state.snapshot_directory));

    // The NVRAM folder is only needed once a game has saved something, so it may be missing.
    state.nvram_directory = ApplyFolderRule(state.MAMEPath, read("nvram_directory", "nvram"));

    state.cfg_directory = ApplyFolderRule(state.MAMEPath, read("cfg_directory", "cfg"));
    if (!FolderExists(state.cfg_directory))
        return Failure(CfgDirectoryNotFoundMessage(state.cfg_directory));

    for (const TMameOption& option : MameOptions())
        state.*option.field = read(option.key, option.defaultValue);
    MameIniCheckResult result;
    if (state.readconfig == QLatin1String("0")) {
        result.readconfigWarning = true;
        if (onReadconfigWarning)
            onReadconfigWarning();
    }

    const QString snapnameGame = QLatin1String(SnapnameGame);
    if (read(SnapnameKey, "0") != snapnameGame) {
        ini.SetValue(QLatin1String(SnapnameKey), snapnameGame, onFound);
        ini.Save();
    }
    return result;
}
