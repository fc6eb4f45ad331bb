#include "emulator/gui/SupportedGamesFile.h"

#include "base/DeleteFileAndWait.h"
#include "base/gui/CommandContext.h"
#include "emulator/CommandTexts.h"
#include "emulator/gui/ExecNewProcess.h"

#include <QFileInfo>

QString SupportedGamesFileName(const QString& userDataPath) {
    return userDataPath + QStringLiteral("Pellmora.GAM");
}

bool GenerateSupportedGamesFile(TCommandContext& context) {
    const AppState& state = context.State;
    const QString fileName = SupportedGamesFileName(state.UserDataPath);
    // A file that cannot be deleted is left to the run: it overwrites it, or fails and says so.
    DeleteFileAndWait(fileName);
    const int code = context.Launcher.ExecNewProcess(
        state.MAMEPath, ListFullCommand(state.MAMEPath, state.MAMEEXE, state.UserDataPath));
    QString problem;
    if (code != 0)
        problem = QStringLiteral("A problem was experienced when generating the data file ") + fileName +
                  QStringLiteral(". The problem code is ") + QString::number(code) + QStringLiteral(" : ") +
                  SystemErrorText(code);
    else if (!QFileInfo(fileName).isFile())
        problem = QStringLiteral("File ") + fileName + QStringLiteral(" could not be created.");
    if (problem.isEmpty())
        return true;
    context.MessageApp(problem, mtError, mbOK);
    context.Window.ExitProgram();
    return false;
}
