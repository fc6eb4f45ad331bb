#include "gamelist/gui/VerifyCommands.h"

#include "base/AppError.h"
#include "base/AsciiCase.h"
#include "base/DateTimeText.h"
#include "base/DeleteFileAndWait.h"
#include "base/ProgramTexts.h"
#include "base/SettingsKeys.h"
#include "base/WholeFile.h"
#include "base/gui/CommandContext.h"
#include "base/gui/CommandControls.h"
#include "base/gui/StatusText.h"
#include "base/gui/WaitCursor.h"
#include "emulator/CommandTexts.h"
#include "emulator/VerifyRules.h"
#include "emulator/gui/EmulatorCommandScope.h"
#include "emulator/gui/ExecNewProcess.h"
#include "emulator/gui/SupportedGamesFile.h"
#include "emulator/gui/TForm2.h"
#include "gamelist/GameListFile.h"
#include "gamelist/GameListModel.h"
#include "gamelist/ListSearch.h"
#include "gamelist/SupportedGames.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFileInfo>
#include <QIcon>
#include <QLabel>
#include <QProgressBar>
#include <QStyle>

namespace {

const QString UnknownGame = QStringLiteral("[UNKNOWN GAME]");

void DebugVerifyBox(TCommandContext& context, const char* lead, const QString& gameName,
                    const QString& verifyName, const QString& status) {
    if (context.State.debug)
        context.dialogs.plainMessage(QString::fromLatin1(lead) + QStringLiteral("GameName = ") + gameName +
                                     QStringLiteral("\nGameDir = ") + verifyName +
                                     QStringLiteral("\nGameStatus = ") + status);
}

// The verdict of a block, with the debug boxes that trace it.
QString BlockVerdict(TCommandContext& context, const QStringList& lines, const QString& verifyName,
                     bool traceLines) {
    const QString verdict = Verdict(lines);
    if (!context.State.debug)
        return verdict;
    if (traceLines) {
        const QString wanted =
            QStringLiteral("romset ") + AsciiLower(verifyName) + QStringLiteral(" is good");
        for (const QString& line : lines)
            context.dialogs.plainMessage(QStringLiteral("SEARCHING ") + AsciiLower(line.trimmed()) +
                                         QStringLiteral(" FOR ") + wanted);
    }
    if (verdict == QLatin1String("Good"))
        context.dialogs.plainMessage(QStringLiteral("Result: GameGood = True"));
    else if (verdict == QLatin1String("Bad"))
        context.dialogs.plainMessage(QStringLiteral("Result: GameBad = True"));
    return verdict;
}

// The emulator's lines for one game, or none with a log line when its name would reach the
// emulator as an option or a pattern.
QStringList VerifyRun(TCommandContext& context, const QString& fileDir, const QString& verifyName) {
    const QString refusal = VerifyNameRefusal(verifyName);
    if (!refusal.isEmpty()) {
        context.WriteLog(QStringLiteral("\"") + verifyName + QStringLiteral("\" is not verified: ") +
                         refusal);
        return {};
    }
    const AppState& state = context.State;
    context.Launcher.ExecNewProcess(state.MAMEPath,
                                    VerifyRomsCommand(state.MAMEPath, state.MAMEEXE, fileDir));
    return context.Launcher.CreateProcessOutput;
}

void WriteCounters(TCommandContext& context, bool withGameCountAndDate) {
    const AppState& state = context.State;
    TIniFile ini = context.SettingsIni();
    ini.WriteInteger(Settings::Section, Settings::Key::nFound, state.nFound);
    ini.WriteInteger(Settings::Section, Settings::Key::nUnknown, state.nUnknown);
    if (!withGameCountAndDate)
        return;
    ini.WriteInteger(Settings::Section, Settings::Key::GameCount, state.GameCount);
    ini.WriteDateTime(Settings::Section, Settings::Key::VerifyDate, state.VerifyDate);
}

// The Verify All Games button: Stop while the run goes, pressed then it stops the run.
void SetVerifyButtonRunning(TCommandContext& context, bool running) {
    QAbstractButton* button = context.Window.PushButton(TCommand::VerifyAllGames);
    if (!button)
        return;
    static const char* const normalIcon = "verifyNormalIcon";
    if (running) {
        button->setProperty(normalIcon, button->icon());
        button->setText(QStringLiteral("Stop"));
        button->setIcon(button->style()->standardIcon(QStyle::SP_BrowserStop));
        Untag(button);
        return;
    }
    const QVariant icon = button->property(normalIcon);
    // Never switched to Stop: it is in its normal mode already.
    if (!icon.isValid())
        return;
    button->setText(QStringLiteral("Verify All Games"));
    button->setIcon(icon.value<QIcon>());
    button->setProperty(normalIcon, QVariant());
    Tag(button);
}

} // namespace

void ShowVerifyButtonIdle(TCommandContext& context) {
    SetVerifyButtonRunning(context, false);
}

QString VerifyReportFileName(const QString& userDataPath) {
    return userDataPath + QStringLiteral("Pellmora.VER");
}

void VerifyGame(TCommandContext& context) {
    TEmulatorCommandScope scope(context, TCommand::VerifyGame);
    if (!scope.Refused())
        VerifySelectedGame(context);
}

void VerifySelectedGame(TCommandContext& context) {
    AppState& state = context.State;
    TGameListModel& list = context.GameList;
    const int selected = context.Window.GridRow();
    // The results go to the row of the game verified, wherever it is by then: the list may
    // change while the emulator runs.
    const QString fileDir = list.Cells(colFileDir, selected);
    const auto rowOfGame = [&] { return FindStringInSortGrid(list.Rows(), fileDir, colFileDir); };
    // The empty list's blank row is no game; an empty name would verify every set there is.
    if (fileDir.isEmpty())
        return;
    TForm2& viewer = *context.Form2;
    viewer.Clear();
    QString gameName = list.Cells(colGameName, selected);
    const QString verifyName = VerifyName(fileDir);
    DebugVerifyBox(context, "VERIFY GAME: ", gameName, verifyName, list.Cells(colStatus, selected));
    if (!EnsureSupportedGamesFile(context))
        return;

    const auto found = FindSupportedGame(SupportedGamesFileName(state.UserDataPath), verifyName);
    if (found) {
        if (gameName == UnknownGame) {
            --state.nUnknown;
            ++state.nFound;
        }
        gameName = found->description;
    } else if (gameName != UnknownGame) {
        gameName = UnknownGame;
        ++state.nUnknown;
        --state.nFound;
    }
    int row = rowOfGame();
    if (row > 0)
        list.SetCell(colGameName, row, gameName);
    context.Window.ShowGameData();
    WriteCounters(context, false);
    SaveGameList(list, state.UserDataPath);

    {
        WaitCursor cursor;
        viewer.Append(VerifyBlockHead(verifyName, gameName));
        viewer.Append(VerifyRun(context, fileDir, verifyName));
    }
    if (state.DisplayVerifyGame)
        viewer.ShowModal();
    const QString verdict = BlockVerdict(context, viewer.Lines(), verifyName, false);
    row = rowOfGame();
    if (row > 0)
        list.SetCell(colStatus, row, verdict);
    SaveGameList(list, state.UserDataPath);
}

void StopVerify(AppState& state) {
    state.StopVerification = true;
}

namespace {

// One pass over the rows; the report's lines for the rows verified.
QStringList VerifyRows(TCommandContext& context, const TSupportedGames& supported, bool skipUnknown) {
    AppState& state = context.State;
    TGameListModel& list = context.GameList;
    QStringList report;
    const int rows = list.RowCount() - 1;
    for (int row = 1; row <= rows; ++row) {
        context.Window.SelectGridRow(row);
        const int pct = VerifyPercent(row, rows);
        SetStatusText(context, QStringLiteral("Verifying all games... ") + QString::number(pct) +
                                   QStringLiteral("% Complete"));
        if (QProgressBar* progress = context.Window.ProgressBar())
            progress->setValue(pct);
        QApplication::processEvents();
        if (state.StopVerification) {
            context.WriteLog(QStringLiteral("Stopped by user."), clRed);
            break;
        }
        const QString fileDir = list.Cells(colFileDir, row);
        // The empty list's blank row is no game: no run, no block, no count.
        if (fileDir.isEmpty())
            continue;
        const QString verifyName = VerifyName(fileDir);
        DebugVerifyBox(context, "VERIFY GAMES: ", list.Cells(colGameName, row), verifyName,
                       list.Cells(colStatus, row));
        const auto description = supported.Lookup(verifyName);
        const QString gameName = description ? *description : UnknownGame;
        list.SetCell(colGameName, row, gameName);
        ++(description ? state.nFound : state.nUnknown);
        if (skipUnknown && !description)
            continue;
        QStringList block = VerifyBlockHead(verifyName, gameName);
        block += VerifyRun(context, fileDir, verifyName);
        list.SetCell(colStatus, row, BlockVerdict(context, block, verifyName, true));
        report += block;
    }
    return report;
}

} // namespace

void VerifyAllGames(TCommandContext& context) {
    AppState& state = context.State;
    // While a run goes, its button reads "Stop" and comes here.
    if (state.DoingVerification) {
        StopVerify(state);
        return;
    }
    TEmulatorCommandScope scope(context, TCommand::VerifyAllGames);
    if (scope.Refused())
        return;
    const int answer = context.MessageApp(
        QStringLiteral("Verifying unknown games may take some time to complete.\n"
                       "Do you want to ignore verifying [UNKNOWN] games or verify ALL games?"),
        mtConfirmation, mbYes | mbCancel | mbAll);
    if (answer != mrYes && answer != mrAll)
        return;
    SetStatusText(context, QStringLiteral("Please wait.."));
    if (!EnsureSupportedGamesFile(context))
        return;
    state.DoingVerification = true;
    state.StopVerification = false;
    SetVerifyButtonRunning(context, true);
    QStringList report;
    try {
        const TSupportedGames supported(ReadSupportedGamesFile(SupportedGamesFileName(state.UserDataPath)));
        DeleteFileAndWait(VerifyReportFileName(state.UserDataPath));
        state.nFound = 0;
        state.nUnknown = 0;
        context.Window.EnableTaggedComponents(false);
        report = VerifyRows(context, supported, answer == mrYes);
    } catch (...) {
        state.DoingVerification = false;
        SetVerifyButtonRunning(context, false);
        context.Window.EnableTaggedComponents(true);
        throw;
    }
    state.DoingVerification = false;
    SetStatusText(context, QString());
    context.Window.EnableTaggedComponents(true);

    TGameListModel& list = context.GameList;
    const QString reportFile = VerifyReportFileName(state.UserDataPath);
    if (!WriteWholeFile(reportFile, VerifyReportBytes(report)))
        throw AppError(QStringLiteral("Unable to write to ") + reportFile);
    SaveGameList(list, state.UserDataPath);
    // The empty list's blank row is not a game.
    state.GameCount = list.GameCount();
    state.VerifyDate = QDateTimeToDateTime(QDateTime::currentDateTime());
    WriteCounters(context, true);
    context.Window.ShowGameData();
    if (QProgressBar* progress = context.Window.ProgressBar())
        progress->setValue(0);
    SetStatusText(context, QString());
    context.Window.SelectGridRow(1);
    SetVerifyButtonRunning(context, false);

    TForm2& viewer = *context.Form2;
    viewer.Clear();
    viewer.LoadFromFile(reportFile);
    viewer.ShowModal();
}

void ViewVerifyReport(TCommandContext& context) {
    const QString reportFile = VerifyReportFileName(context.State.UserDataPath);
    if (!QFileInfo(reportFile).isFile()) {
        context.MessageApp(QStringLiteral("No report exists.\nUse Verify All Game to product a report."),
                           mtInformation, mbOK, ProgramName);
        return;
    }
    TForm2& viewer = *context.Form2;
    viewer.LoadFromFile(reportFile);
    viewer.ShowModal();
}
