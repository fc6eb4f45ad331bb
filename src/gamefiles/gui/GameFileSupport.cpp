#include "gamefiles/gui/GameFileSupport.h"

#include "base/IniFile.h"
#include "base/SettingsKeys.h"
#include "base/gui/CommandContext.h"
#include "emulator/gui/TForm2.h"
#include "gamelist/gui/ScanCommand.h"

void RecountAndShowCounters(TCommandContext& context) {
    AppState& state = context.State;
    RecountGames(state, context.GameList);
    TIniFile ini = context.SettingsIni();
    ini.WriteInteger(Settings::Section, Settings::Key::GameCount, state.GameCount);
    ini.WriteInteger(Settings::Section, Settings::Key::nFound, state.nFound);
    ini.WriteInteger(Settings::Section, Settings::Key::nUnknown, state.nUnknown);
    context.Window.ShowGameData();
}

void AppendReport(TForm2& viewer, const QString& report) {
    QStringList lines = report.split(QStringLiteral("\r\n"));
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast(); // the break that ends the last line starts no new one
    viewer.Append(lines);
}
