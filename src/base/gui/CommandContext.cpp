#include "base/gui/CommandContext.h"

#include "base/SettingsKeys.h"
#include "base/gui/ActivityLog.h"
#include "base/gui/MessageApp.h"

void TCommandContext::WriteLog(const QString& text, TColor colour, TFontStyles style) const {
    Log.WriteLog(text, colour, style);
}

int TCommandContext::MessageApp(const QString& message, TMsgDlgType type, TMsgDlgButtons buttons,
                                const QString& title, int helpContext) const {
    return ::MessageApp(dialogs, Owner(), message, type, buttons, title, helpContext);
}

TIniFile TCommandContext::SettingsIni() const {
    return SettingsFile(State.UserDataPath);
}
