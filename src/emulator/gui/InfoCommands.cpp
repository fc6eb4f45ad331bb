#include "emulator/gui/InfoCommands.h"

#include "base/FileLookup.h"
#include "base/gui/CommandContext.h"
#include "base/gui/StatusText.h"
#include "emulator/CommandTexts.h"
#include "emulator/VerifyRules.h"
#include "emulator/gui/RunEmulator.h"
#include "emulator/gui/SupportedGamesFile.h"
#include "emulator/gui/TForm2.h"

#include <QApplication>
#include <QCoreApplication>
#include <QFileInfo>
#include <QLabel>
#include <QUrl>

#include <cerrno>

namespace {

QString ProblemText(const QString& lead, int code) {
    return QCoreApplication::translate("Emulator", "%1 The problem code is %2 : %3")
        .arg(lead, QString::number(code), SystemErrorText(code));
}

// A failed run the program cannot go on from: says so and closes the program.
void ReportAndExit(TCommandContext& context, int code) {
    context.MessageApp(
        ProblemText(QCoreApplication::translate("Emulator", "A problem was experienced."), code), mtError,
        mbOK);
    context.Window.ExitProgram();
}

void AppendBlankSeparator(TForm2& viewer) {
    viewer.Append(QString());
    viewer.Append(SeparatorLine());
    viewer.Append(QString());
}

// One of the emulator's documents: its text replaces the viewer's (replace) or follows it;
// when it is missing the warning is shown and takes its place in the viewer.
void ShowDocument(TCommandContext& context, const QString& relativeName, bool replace) {
    const QString& mamePath = context.State.MAMEPath;
    const QString docs = IncludeTrailingPathDelimiter(FindFileIgnoringCase(mamePath, QStringLiteral("docs")));
    const QString fileName = FindFileIgnoringCase(docs, QFileInfo(relativeName).fileName());
    TForm2& viewer = *context.Form2;
    if (QFileInfo(fileName).isFile()) {
        if (replace)
            viewer.LoadFromFile(fileName);
        else
            viewer.AppendFromFile(fileName);
        return;
    }
    const QString warning =
        QCoreApplication::translate("Emulator", "File %1 could not be found.").arg(mamePath + relativeName);
    context.MessageApp(warning, mtWarning, mbOK);
    viewer.Append(warning);
}

} // namespace

void HelpWithMAME(TCommandContext& context) {
    TForm2& viewer = *context.Form2;
    viewer.Clear();
    ShowDocument(context, QStringLiteral("docs/config.txt"), true);
    AppendBlankSeparator(viewer);
    ShowDocument(context, QStringLiteral("docs/windows.txt"), false);
    AppendBlankSeparator(viewer);
    const TRunResult run = RunEmulator(context, ShowUsageArgs());
    if (run.exitCode != 0)
        context.MessageApp(ProblemText(QCoreApplication::translate(
                                           "Emulator", "A problem was experienced getting -showusage."),
                                       run.exitCode),
                           mtError, mbOK);
    viewer.Append(run.lines);
    AppendBlankSeparator(viewer);
    viewer.ShowModal();
}

void DisplayMAMEVersion(TCommandContext& context) {
    const TRunResult run = RunEmulator(context, HelpArgs());
    if (run.exitCode != 0) {
        ReportAndExit(context, run.exitCode);
        return;
    }
    TForm2& viewer = *context.Form2;
    viewer.Clear();
    viewer.Append(run.lines);
    viewer.ShowModal();
}

void ValidateSystem(TCommandContext& context) {
    if (context.MessageApp(QCoreApplication::translate("Emulator",
                                                       "Validating the system may take a while to complete.\n"
                                                       "Do you want to continue to validate?"),
                           mtConfirmation, mbYes | mbNo) != mrYes)
        return;
    SetStatusText(context, QCoreApplication::translate("Verify", "Please wait.."));
    context.Window.EnableTaggedComponents(false);
    const TRunResult run = RunEmulator(context, ValidateArgs());
    context.Window.EnableTaggedComponents(true);
    if (run.exitCode != 0) {
        ReportAndExit(context, run.exitCode);
        return;
    }
    TForm2& viewer = *context.Form2;
    viewer.Clear();
    if (run.lines.isEmpty())
        viewer.Append(QCoreApplication::translate("Emulator", "MAME VALIDATION: No issues found."));
    else
        viewer.Append(run.lines);
    viewer.ShowModal();
}

void ListSupportedGames(TCommandContext& context) {
    if (!GenerateSupportedGamesFile(context))
        return;
    TForm2& viewer = *context.Form2;
    viewer.LoadFromFile(SupportedGamesFileName(context.State.UserDataPath));
    viewer.ShowModal();
}

void EditMAMEConfig(TCommandContext& context) {
    const QString fileName = FindFileIgnoringCase(context.State.MAMEPath, QStringLiteral("mame.ini"));
    QWidget* active = QApplication::activeWindow();
    // The desktop reports no reason of its own: a missing file is said as such, anything
    // else as no program to open it with.
    int code = 0;
    if (!QFileInfo(fileName).isFile())
        code = ENOENT;
    else if (!context.dialogs.openUrl(QUrl::fromLocalFile(fileName)))
        code = ENOEXEC;
    if (active)
        active->activateWindow();
    if (code != 0)
        context.MessageApp(
            ProblemText(QCoreApplication::translate("Emulator", "A problem was experienced."), code), mtError,
            mbOK);
}
