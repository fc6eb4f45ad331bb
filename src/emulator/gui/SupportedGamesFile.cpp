#include "emulator/gui/SupportedGamesFile.h"

#include "base/DeleteFileAndWait.h"
#include "base/ProgramTexts.h"
#include "base/WholeFile.h"
#include "base/gui/CommandContext.h"
#include "emulator/CommandTexts.h"
#include "emulator/SupportedGamesStamp.h"
#include "emulator/gui/RunEmulator.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

QString SupportedGamesFileName(const QString& userDataPath) {
    return userDataPath + SupportedGamesListName;
}

QString SupportedGamesStampName(const QString& userDataPath) {
    return SupportedGamesFileName(userDataPath) + QStringLiteral(".stamp");
}

namespace {

std::optional<TSupportedGamesStamp> ReadStamp(const QString& stampName) {
    QFile file(stampName);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    return ParseStamp(file.read(4096));
}

} // namespace

bool GenerateSupportedGamesFile(TCommandContext& context) {
    const AppState& state = context.State;
    const QString fileName = SupportedGamesFileName(state.UserDataPath);
    const QString stampName = SupportedGamesStampName(state.UserDataPath);
    // The note goes first, so a run that fails or is cut short leaves a list nobody trusts.
    DeleteFileAndWait(stampName);
    // Taken before the run: an executable replaced meanwhile makes the note stale, not wrong.
    const auto executable = IdentityOfFile(EmulatorProgram(state.MAMEPath, state.MAMEEXE));
    // A file that cannot be deleted is left to the run: it overwrites it, or fails and says so.
    DeleteFileAndWait(fileName);
    const int code =
        RunEmulator(context, ListFullArgs(), {.stoppable = true, .standardOutputFile = fileName}).exitCode;
    QString problem;
    if (code != 0)
        problem =
            QCoreApplication::translate(
                "Emulator",
                "A problem was experienced when generating the data file %1. The problem code is %2 : %3")
                .arg(fileName, QString::number(code), SystemErrorText(code));
    else if (!QFileInfo(fileName).isFile())
        problem = QCoreApplication::translate("Emulator", "File %1 could not be created.").arg(fileName);
    if (problem.isEmpty()) {
        // Without a note the list is simply made again next time.
        const auto list = IdentityOfFile(fileName);
        if (executable && list)
            WriteWholeFile(stampName, StampText({*executable, list->size}));
        return true;
    }
    context.MessageApp(problem, mtError, mbOK);
    context.Window.ExitProgram();
    return false;
}

bool EnsureSupportedGamesFile(TCommandContext& context) {
    const AppState& state = context.State;
    if (SupportedGamesListIsCurrent(ReadStamp(SupportedGamesStampName(state.UserDataPath)),
                                    IdentityOfFile(EmulatorProgram(state.MAMEPath, state.MAMEEXE)),
                                    IdentityOfFile(SupportedGamesFileName(state.UserDataPath))))
        return true;
    return GenerateSupportedGamesFile(context);
}
