#include "gamelist/gui/VerifyCommands.h"

#include "base/AppError.h"
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
#include "emulator/VerifyReason.h"
#include "emulator/VerifyRules.h"
#include "emulator/gui/EmulatorCommandScope.h"
#include "emulator/gui/ExecNewProcess.h"
#include "emulator/gui/RunEmulator.h"
#include "emulator/gui/SupportedGamesFile.h"
#include "emulator/gui/TForm2.h"
#include "gamelist/GameListFile.h"
#include "gamelist/GameListModel.h"
#include "gamelist/ListFileCodec.h"
#include "gamelist/ListSearch.h"
#include "gamelist/SupportedGames.h"
#include "gamelist/VerifyPlan.h"
#include "gamelist/gui/VerifyAllRows.h"
#include "gamelist/gui/VerifyRun.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QFileInfo>
#include <QIcon>
#include <QLabel>
#include <QProgressBar>
#include <QStyle>

namespace {

const QString UnknownGame = UnknownGameName();

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
        button->setText(QCoreApplication::translate("Verify", "Stop"));
        button->setIcon(button->style()->standardIcon(QStyle::SP_BrowserStop));
        Untag(button);
        return;
    }
    const QVariant icon = button->property(normalIcon);
    // Never switched to Stop: it is in its normal mode already.
    if (!icon.isValid())
        return;
    button->setText(QCoreApplication::translate("Commands", "Verify All Games"));
    button->setIcon(icon.value<QIcon>());
    button->setProperty(normalIcon, QVariant());
    Tag(button);
}

// Verify All's run: the run flag, the Stop button and the disabled controls, put back on every
// way out, a failure included.
class TVerifyAllScope {
  public:
    explicit TVerifyAllScope(TCommandContext& context) : context(context) {
        context.State.DoingVerification = true;
        context.State.StopVerification = false;
        SetVerifyButtonRunning(context, true);
        context.Window.EnableTaggedComponents(false);
    }
    ~TVerifyAllScope() {
        context.State.DoingVerification = false;
        context.Window.EnableTaggedComponents(true);
        SetVerifyButtonRunning(context, false);
    }
    TVerifyAllScope(const TVerifyAllScope&) = delete;
    TVerifyAllScope& operator=(const TVerifyAllScope&) = delete;

  private:
    TCommandContext& context;
};

} // namespace

void ShowVerifyButtonIdle(TCommandContext& context) {
    SetVerifyButtonRunning(context, false);
}

QString VerifyReportFileName(const QString& userDataPath) {
    return userDataPath + VerifyReportName;
}

void VerifySelectedGame(TCommandContext& context) {
    AppState& state = context.State;
    TGameListModel& list = context.GameList;
    const int selected = context.Window.GridRow();
    // No row shown (a filter nothing passes) or the empty list's blank row: no game. An empty
    // name would verify every set there is.
    if (selected < 1)
        return;
    const GameRow game = list.Game(selected);
    const TVerifyPlan plan = PlanVerify(game);
    if (!plan.IsGame())
        return;
    // The results go to the row of the game verified, wherever it is by then: the list may
    // change while the emulator runs.
    const auto rowOfGame = [&] { return FindStringInSortGrid(list.Rows(), plan.fileDir, colFileDir); };
    TForm2& viewer = *context.Form2;
    viewer.Clear();
    DebugVerifyBox(context, "VERIFY GAME: ", game.name, plan.verifyName, list.Cells(colStatus, selected));
    if (!EnsureSupportedGamesFile(context))
        return;

    QString gameName = game.name;
    const auto found = FindSupportedGame(SupportedGamesFileName(state.UserDataPath), plan.verifyName);
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
        list.SetGameName(row, gameName);
    context.Window.ShowGameData();
    WriteCounters(context, false);

    QStringList block = VerifyBlockHead(plan.verifyName, gameName);
    QStringList said;
    {
        WaitCursor cursor;
        said = VerifyRun(context, plan).lines;
        block += said;
        viewer.Append(block);
    }
    if (state.DisplayVerifyGame)
        viewer.ShowModal();
    const GameStatus verdict = BlockVerdict(context, block, plan.verifyName, false);
    row = rowOfGame();
    if (row > 0)
        list.SetVerified(row, verdict, ReadVerifyReason(said));
    // One save for the name and the status together.
    SaveGameList(list, state.UserDataPath);
}

void StopVerify(TCommandContext& context) {
    context.State.StopVerification = true;
    // Not after the emulator's own end: the run under way is ended too.
    context.Launcher.StopRun();
}

void VerifyAllGames(TCommandContext& context) {
    AppState& state = context.State;
    // While a run goes, its button reads "Stop" and comes here.
    if (state.DoingVerification) {
        StopVerify(context);
        return;
    }
    // Not registered with its scope: pressed as Stop during its own run, it must not be refused.
    const TEmulatorCommandScope scope(context, TCommand::VerifyAllGames);
    if (scope.Refused())
        return;
    const int answer = context.MessageApp(
        QCoreApplication::translate("Verify",
                                    "Verifying unknown games may take some time to complete.\n"
                                    "Do you want to ignore verifying [UNKNOWN] games or verify ALL games?"),
        mtConfirmation, mbYes | mbCancel | mbAll);
    if (answer != mrYes && answer != mrAll)
        return;
    SetStatusText(context, QCoreApplication::translate("Verify", "Please wait.."));
    if (!EnsureSupportedGamesFile(context))
        return;
    const QString reportFile = VerifyReportFileName(state.UserDataPath);
    {
        const TVerifyAllScope running(context);
        const TSupportedGames supported(ReadSupportedGamesFile(SupportedGamesFileName(state.UserDataPath)));
        DeleteFileAndWait(reportFile);
        state.nFound = 0;
        state.nUnknown = 0;
        const QStringList report = VerifyAllRows(context, supported, answer == mrYes);
        SetStatusText(context, QString());

        TGameListModel& list = context.GameList;
        if (!WriteWholeFile(reportFile, VerifyReportBytes(report)))
            throw AppError(QCoreApplication::translate("Files", "Unable to write to %1").arg(reportFile));
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
    }

    TForm2& viewer = *context.Form2;
    viewer.Clear();
    viewer.LoadFromFile(reportFile);
    viewer.ShowModal();
}

void ViewVerifyReport(TCommandContext& context) {
    const QString reportFile = VerifyReportFileName(context.State.UserDataPath);
    if (!QFileInfo(reportFile).isFile()) {
        context.MessageApp(QCoreApplication::translate(
                               "Verify", "No report exists.\nUse Verify All Game to product a report."),
                           mtInformation, mbOK, ProgramName);
        return;
    }
    TForm2& viewer = *context.Form2;
    viewer.LoadFromFile(reportFile);
    viewer.ShowModal();
}
