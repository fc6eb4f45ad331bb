#include "base/SettingsKeys.h"

#include "base/FileLookup.h"
#include "base/SetConversion.h"

#include <QDir>
#include <QFileInfo>

#include <limits>

namespace {

int ReadIndex(const TIniFile& ini, const QString& key, int def, int count) {
    const int value = ini.ReadInteger(Settings::Section, key, def);
    return value >= 0 && value < count ? value : def;
}

} // namespace

QString Settings::Default::FileDialogPath() {
    return IncludeTrailingPathDelimiter(QDir::homePath());
}

TIniFile SettingsFile(const QString& userDataPath) {
    return TIniFile(userDataPath + Settings::FileName);
}

bool SettingsFileExists(const QString& userDataPath) {
    return QFileInfo::exists(FindFileIgnoringCase(userDataPath, Settings::FileName));
}

void ReadStartupSettings(const TIniFile& ini, AppState& state, QString& commandLineSwitches) {
    using namespace Settings;
    state.MAMEPath = ini.ReadString(Section, Key::MAMEPath, QString());
    state.nGames = ini.ReadInteger(Section, Key::nGames, Default::nGames);
    state.nFound = ini.ReadInteger(Section, Key::nFound, Default::nFound);
    state.nUnknown = ini.ReadInteger(Section, Key::nUnknown, Default::nUnknown);
    state.GameCount = ini.ReadInteger(Section, Key::GameCount, Default::GameCount);
    state.ImportDate = ini.ReadDateTime(Section, Key::ImportDate, Default::ImportDate);
    state.VerifyDate = ini.ReadDateTime(Section, Key::VerifyDate, Default::VerifyDate);
    state.FileDialogPath = ini.ReadString(Section, Key::FileDialogPath, Default::FileDialogPath());
    state.SortColumn = ReadIndex(ini, Key::SortColumn, Default::SortColumn, SortColumnCount);
    // Only the low byte is the direction; a byte that names no direction reads as the default.
    const auto direction =
        IntToSet<TSortDirection>(ini.ReadInteger(Section, Key::SortDirection, Default::SortDirection), 1);
    state.GSortOptions.SortDirection = direction == sdAscending || direction == sdDescending
                                           ? direction
                                           : IntToSet<TSortDirection>(Default::SortDirection, 1);
    state.ActivePage = ReadIndex(ini, Key::ActivePage, Default::ActivePage, PageCount);
    state.LastSelectedGame = ini.ReadString(Section, Key::LastSelectedGame, QString());
    commandLineSwitches = ini.ReadString(Section, Key::CommandLineSwitches, QString());
}

TWindowSettings ReadWindowSettings(const TIniFile& ini, int defaultLeft, int defaultTop) {
    using namespace Settings;
    // No stored number can be this one, so it tells a missing or unreadable entry.
    constexpr int missing = std::numeric_limits<int>::min();
    TWindowSettings settings;
    settings.Left = ini.ReadInteger(Section, Key::Left, missing);
    settings.LeftStored = settings.Left != missing;
    if (!settings.LeftStored)
        settings.Left = defaultLeft;
    settings.Top = ini.ReadInteger(Section, Key::Top, missing);
    settings.TopStored = settings.Top != missing;
    if (!settings.TopStored)
        settings.Top = defaultTop;
    settings.StyleName = ini.ReadString(Section, Key::StyleName, Default::StyleName);
    settings.Width = ini.ReadInteger(Section, Key::Width, 0);
    settings.Height = ini.ReadInteger(Section, Key::Height, 0);
    settings.Maximised = ini.ReadInteger(Section, Key::Maximised, 0) != 0;
    return settings;
}

void WriteWindowSettings(TIniFile& ini, const TWindowSettings& settings) {
    using namespace Settings;
    ini.WriteInteger(Section, Key::Left, settings.Left);
    ini.WriteInteger(Section, Key::Top, settings.Top);
    ini.WriteString(Section, Key::StyleName, settings.StyleName);
    ini.WriteInteger(Section, Key::Width, settings.Width);
    ini.WriteInteger(Section, Key::Height, settings.Height);
    ini.WriteInteger(Section, Key::Maximised, settings.Maximised ? 1 : 0);
}
