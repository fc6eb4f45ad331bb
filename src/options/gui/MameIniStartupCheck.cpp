#include "options/gui/MameIniStartupCheck.h"

#include "base/ProgramTexts.h"
#include "base/gui/Dialogs.h"
#include "base/gui/MessageApp.h"
#include "emulator/CommandTexts.h"
#include "options/MameIni.h"
#include "options/MameIniCheck.h"

#include <QFileInfo>

namespace {

bool MameIniExists(const QString& mamePath) {
    return QFileInfo(MameIniPath(mamePath)).isFile();
}

} // namespace

bool RunMameIniStartupCheck(AppState& state, Dialogs& dialogs, QWidget* owner,
                            const std::function<int()>& createConfig) {
    const auto failWith = [&](const QString& message) {
        MessageApp(dialogs, owner, message, mtError, mbOK, ProgramName);
        return false;
    };

    if (!MameIniExists(state.MAMEPath)) {
        const int code = createConfig();
        if (code != 0)
            return failWith(CreateConfigFailedMessage(state.MAMEEXE, code, SystemErrorText(code)));
        if (!MameIniExists(state.MAMEPath))
            return failWith(MameIniNotFoundMessage(state.MAMEPath, state.MAMEEXE));
    }

    const MameIniCheckResult result = CheckAndReadMameIni(
        state, [&] { MessageApp(dialogs, owner, ReadconfigWarningMessage(), mtWarning, mbOK, ProgramName); },
        [&](const QString& value) {
            if (state.debug)
                dialogs.plainMessage(QStringLiteral("Found: ") + value);
        },
        [&](const QString& message) { MessageApp(dialogs, owner, message, mtWarning, mbOK, ProgramName); });
    if (result.outcome == MameIniCheckResult::Fail)
        return failWith(result.errorMessage);
    return true;
}
