#include "options/MameIniCheck.h"

#include "options/FolderRule.h"
#include "options/MameOptions.h"
#include "options/RompathFolders.h"

#include <QCoreApplication>
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
    return QCoreApplication::translate("MameIni",
                                       "A problem was experienced when trying to generate a default MAME.INI "
                                       "file. Please run the DOS command \"%1 -createconfig\" manually and "
                                       "try this program again. The problem code is %2 : %3")
        .arg(mameExe, QString::number(code), systemText);
}

QString MameIniNotFoundMessage(const QString& mamePath, const QString& mameExe) {
    return QCoreApplication::translate("MameIni",
                                       "The M.A.M.E. configuration file %1MAME.INI was not found.\n\nPlease "
                                       "run the DOS command \"%2 -createconfig\" manually and try this "
                                       "program again.")
        .arg(mamePath, mameExe);
}

QString RompathNotFoundMessage(const QString& rompath) {
    return QCoreApplication::translate("MameIni",
                                       "The directory where all your games are supposed to be located (ie. "
                                       "rompath) could not be found.\nAccording to your MAME.INI "
                                       "configuration file, the rompath is currently set to %1\nPlease edit "
                                       "the MAME.INI file and change the rompath to the appropriate value "
                                       "(eg. roms).")
        .arg(rompath);
}

QString SnapshotDirectoryNotFoundMessage(const QString& snapshotDirectory) {
    return QCoreApplication::translate("MameIni",
                                       "The directory where game snap shots are supposed to be located (ie. "
                                       "snapshot_directory) could not be found.\nAccording to your MAME.INI "
                                       "configuration file, the snapshot_directory is currently set to "
                                       "%1\nPlease edit the MAME.INI file and change the snapshot_directory "
                                       "to the appropriate value (eg. snap).")
        .arg(snapshotDirectory);
}

QString CfgDirectoryNotFoundMessage(const QString& cfgDirectory) {
    return QCoreApplication::translate("MameIni",
                                       "The directory where game configs are supposed to be located (ie. "
                                       "cfg_directory) could not be found.\nAccording to your MAME.INI "
                                       "configuration file, the cfg_directory is currently set to %1\nPlease "
                                       "edit the MAME.INI file and change the cfg_directory to the "
                                       "appropriate value (eg. cfg).")
        .arg(cfgDirectory);
}

QString ReadconfigWarningMessage() {
    return QCoreApplication::translate(
        "MameIni", "The MAME.INI configuration file has the attribute \"readconfig\" set to \"0\".\nThis "
                   "means that the MAME emulator will not use the MAME.INI configuration file when "
                   "playing games.\nWe suggest you change this value to \"1\". This can be done from "
                   "within this application.");
}

MameIniCheckResult CheckAndReadMameIni(AppState& state, const std::function<void()>& onReadconfigWarning,
                                       const INISettingFound& onFound,
                                       const std::function<void(const QString&)>& onMissingGameFolders) {
    TMameIni ini(MameIniPath(state.MAMEPath));
    const auto read = [&ini](const char* name, const char* def) {
        return ini.Value(QLatin1String(name), QLatin1String(def));
    };

    // A folder of several may be on a disk that is not mounted: the others will do meanwhile.
    state.rompaths = RompathFolders(state.MAMEPath, read("rompath", "roms"));
    const RompathCheck rompaths = CheckRompathFolders(state.rompaths, FolderExists);
    if (rompaths.existing.isEmpty())
        return Failure(RompathNotFoundMessage(state.rompaths.join(QLatin1Char(';'))));
    state.rompath = rompaths.existing.first();
    MameIniCheckResult result;
    result.missingGameFolders = rompaths.missing;
    if (!rompaths.missing.isEmpty() && onMissingGameFolders)
        onMissingGameFolders(MissingGameFoldersMessage(rompaths.missing));

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
