#include "mainwindow/gui/StartupSequence.h"

#include "base/FileLookup.h"
#include "base/NameText.h"
#include "base/ProgramTexts.h"
#include "base/SettingsKeys.h"
#include "base/gui/CommandContext.h"
#include "diag/gui/ExceptionHandler.h"
#include "emulator/CommandTexts.h"
#include "emulator/gui/RunEmulator.h"
#include "gamelist/ConvertGameListFile.h"
#include "gamelist/GameListFile.h"
#include "gamelist/GameListFileProbe.h"
#include "gamelist/GameListModel.h"
#include "gamelist/gui/GameListCommands.h"
#include "gamelist/gui/TSortGrid.h"
#include "locate/VersionCheck.h"
#include "locate/gui/LocateCommands.h"
#include "mainwindow/ScreenSizeCheck.h"
#include "options/gui/MameIniStartupCheck.h"
#include "options/gui/OptionsPages.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLineEdit>
#include <QScreen>

bool TStartupSequence::Initialise() {
    PassResult result = PassResult::Restart;
    while (result == PassResult::Restart) {
        result = PassResult::Done;
        const bool completed = RunGuarded(context.dialogs, context.Owner(), [&] { result = StartupPass(); });
        if (!completed)
            result = PassResult::Done; // the rest of the pass is lost; the window shows what it had
    }
    if (result != PassResult::Exit)
        return true;
    context.Window.ExitProgram();
    return false;
}

TStartupSequence::PassResult TStartupSequence::StartupPass() {
    ResetRunState();
    ReadStartupSettings();
    if (const PassResult found = FindEmulator(); found != PassResult::Done)
        return found;
    WarnAboutSmallScreen();
    AppState& state = context.State;
    if (!RunMameIniStartupCheck(state, context.dialogs, context.Owner(),
                                [this] { return RunEmulator(context, CreateConfigArgs()).exitCode; }))
        return PassResult::Exit;
    DecideWhetherToBuildTheList();
    // The Log tab is never the first one shown.
    context.Window.ShowPage(state.ActivePage == int(TPage::Log) ? TPage::GameImage : TPage(state.ActivePage));
    LoadGameList();
    ResortGameList(context);
    SelectLastGame();
    FillWindow();
    return PassResult::Done;
}

void TStartupSequence::ResetRunState() {
    AppState& state = context.State;
    state.debug = false;
    state.WindowsKeyActive = true;
    state.DisplayVerifyGame = true;
    state.LastGridRow = 0;
    state.GSortOptions = TSortOptions();
}

void TStartupSequence::ReadStartupSettings() {
    // Without a settings file everything keeps its value.
    if (!SettingsFileExists(context.State.UserDataPath))
        return;
    QString switches;
    ::ReadStartupSettings(context.SettingsIni(), context.State, switches);
    context.Options->Controls->CommandLineSwitchesEdit->setText(switches);
}

TStartupSequence::PassResult TStartupSequence::FindEmulator() {
    AppState& state = context.State;
    if (state.MAMEPath.isEmpty()) {
        SearchAfterWarning(QCoreApplication::translate(
            "Startup", "The path to the M.A.M.E. program file MAME.EXE or MAME64.EXE has not been set.\n"
                       "Click on OK to initiate a search."));
        return state.MAMEPath.isEmpty() ? PassResult::Exit : PassResult::Restart;
    }
    state.MAMEPath = IncludeTrailingPathDelimiter(state.MAMEPath);
    if (!MameExecutableExists(state.MAMEPath)) {
        SearchAfterWarning(QCoreApplication::translate(
                               "Startup",
                               "The M.A.M.E. program file MAME.EXE or MAME64.EXE was not found in the "
                               "path %1\nClick on OK to initiate a search.")
                               .arg(state.MAMEPath));
        // The search may have changed MAMEPath.
        return MameExecutableExists(state.MAMEPath) ? PassResult::Restart : PassResult::Exit;
    }
    // mame64 wins when both exist.
    state.MAMEEXE = PreferredMameExecutableName(state.MAMEPath);
    return PassResult::Done;
}

void TStartupSequence::SearchAfterWarning(const QString& warning) {
    context.MessageApp(warning, mtWarning, mbOK, ProgramName);
    // The search dialog itself, not the command: this is no choice of the user's.
    context.Commands.Run(TCommand::MAMEDirSearch);
}

void TStartupSequence::WarnAboutSmallScreen() {
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QString warning = ScreenSizeWarning(screen->size());
        if (!warning.isEmpty())
            context.MessageApp(warning, mtWarning, mbOK, ProgramName);
    }
}

void TStartupSequence::DecideWhetherToBuildTheList() {
    AppState& state = context.State;
    const QString listFile = GameListFileName(state.UserDataPath);
    state.GenerateGameList = !SettingsFileExists(state.UserDataPath) || !QFileInfo::exists(listFile);
    ConvertGameListFile(state.UserDataPath);
    const QString convertedListFile = GameListFileName(state.UserDataPath);
    if (QFileInfo::exists(convertedListFile) && !HasMoreThanOneLine(convertedListFile))
        state.GenerateGameList = true;
}

void TStartupSequence::LoadGameList() {
    TGameListModel& list = context.GameList;
    list.Clear();
    const QString listFile = GameListFileName(context.State.UserDataPath);
    if (QFileInfo::exists(listFile)) {
        const qsizetype widened = list.LoadFromFile(listFile, QLatin1Char(','));
        if (widened > 0)
            context.WriteLog(QCoreApplication::translate(
                                 "Startup",
                                 "Warning: %1 line(s) of %2 had more than four cells; the cells past "
                                 "the fourth were dropped.")
                                 .arg(QString::number(widened), listFile));
    }
    // A damaged history never stops the start: what was sound is kept.
    const int damagedLine = LoadPlayHistory(list, context.State.UserDataPath);
    if (damagedLine > 0)
        context.WriteLog(
            QStringLiteral("Warning: the play history file %1 is damaged at line %2; the rest of it is "
                           "ignored.")
                .arg(PlayHistoryFileName(context.State.UserDataPath), QString::number(damagedLine)));
    const int damagedReason = LoadVerifyReasons(list, context.State.UserDataPath);
    if (damagedReason > 0)
        context.WriteLog(
            QStringLiteral(
                "Warning: the verification reasons file %1 is damaged at line %2; the rest of it is "
                "ignored.")
                .arg(VerifyReasonsFileName(context.State.UserDataPath), QString::number(damagedReason)));
    context.State.GameCount = list.GameCount();
    list.SetHeaderTexts();
    context.Grid.SetColumnWidths();
}

void TStartupSequence::SelectLastGame() {
    const TGameListModel& list = context.GameList;
    const QString& last = context.State.LastSelectedGame;
    int row = 1;
    if (!last.isEmpty()) {
        // Every row is visited: of several matches, the last one wins.
        for (int r = 1; r < list.RowCount(); ++r) {
            if (SameTextIgnoringAsciiCase(list.Cells(colGameName, r), last))
                row = r;
        }
    }
    context.Window.SelectGridRow(row);
}

void TStartupSequence::FillWindow() {
    context.Window.ShowGameData();
    context.Options->FillOptionControls(context.State);
    context.Window.ShowMAMEPath();
    if (QAbstractButton* save = context.Window.PushButton(TCommand::SaveSettings))
        save->setEnabled(false);
}

void TStartupSequence::Post_Initialise() {
    AppState& state = context.State;
    if (state.PostInitialiseDone)
        return;
    state.PostInitialiseDone = true;
    if (!StartupVersionCheck(state, context.dialogs, context.Owner())) {
        context.Window.ExitProgram();
        return;
    }
    if (!state.GenerateGameList)
        return;
    context.MessageApp(
        QCoreApplication::translate("Startup", "The Pellmora game list file (Pellmora.DAT) was not found.\n"
                                               "The program will now generate a new one.\n\n"
                                               "This may take a while to complete.\nClick OK to continue."),
        mtConfirmation, mbOK);
    state.GameCount = 0;
    state.nGames = 0;
    state.nUnknown = 0;
    state.nFound = 0;
    context.RunCommand(TCommand::ScanForGames);
    state.GenerateGameList = false;
}
