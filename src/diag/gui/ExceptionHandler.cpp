#include "diag/gui/ExceptionHandler.h"

#include "base/AppState.h"
#include "base/ProgramTexts.h"
#include "base/gui/MessageApp.h"
#include "diag/CurrentException.h"
#include "diag/VersionString.h"

#include <QCoreApplication>
#include <QDateTime>

namespace {

const TFolders*& InstalledState() {
    static const TFolders* state = nullptr;
    return state;
}

QString BoxTitle() {
    return QCoreApplication::translate("Exceptions", "GENERAL EXCEPTION ERROR");
}

} // namespace

void InstallExceptionHandler(const TFolders* state) {
    InstalledState() = state;
}

void GeneralExceptionHandler(Dialogs& dialogs, QWidget* owner, const TExceptionReport& report) {
    const TFolders* state = InstalledState();
    if (!state) {
        MessageApp(dialogs, owner, BoxTitle() + QStringLiteral(": ") + report.Message, mtError, mbOK,
                   BoxTitle());
        return;
    }
    const TExceptionLogContext log{ProgramName, GetVersionString(), QDateTime::currentDateTime(),
                                   state->CurrentPath, state->UserDataPath};
    const QString fileName = WriteExceptionLogFor(log, report);
    MessageApp(dialogs, owner, ExceptionBoxText(report.Message, fileName, state->UserDataPath), mtError, mbOK,
               BoxTitle());
}

void HandleCurrentException(Dialogs& dialogs, QWidget* owner) {
    GeneralExceptionHandler(dialogs, owner, DescribeCurrentException());
}
