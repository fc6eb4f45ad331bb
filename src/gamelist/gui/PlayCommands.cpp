#include "gamelist/gui/PlayCommands.h"

#include "base/DateTimeText.h"
#include "base/GameFileLookup.h"
#include "base/ProgramTexts.h"
#include "base/gui/ActivityLog.h"
#include "base/gui/CommandContext.h"
#include "emulator/CommandTexts.h"
#include "emulator/GameNameRules.h"
#include "emulator/PlayTexts.h"
#include "emulator/gui/EmulatorCommandScope.h"
#include "emulator/gui/RunEmulator.h"
#include "gamelist/GameListFile.h"
#include "gamelist/GameListModel.h"
#include "gamelist/ListFileCodec.h"
#include "platform/gui/WindowsKeyGrab.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDateTime>
#include <QFileInfo>
#include <QLineEdit>
#include <QPointer>

#include <algorithm>

namespace {

GameRow CurrentGame(const TCommandContext& context) {
    return context.GameList.Game(context.Window.GridRow());
}

// The game's archive or folder is in one of the game folders. An empty File/Dir names the game
// folders themselves, so the emulator is started with no game.
bool GameFileExists(const QStringList& rompaths, const QString& fileDir) {
    if (fileDir.isEmpty())
        return std::any_of(rompaths.cbegin(), rompaths.cend(),
                           [](const QString& folder) { return QFileInfo(folder).isDir(); });
    return !LocateGame(rompaths, fileDir).path.isEmpty();
}

// Whether the user goes on with a game that is unverified or found bad.
bool ConfirmStatus(const TCommandContext& context, const GameRow& game) {
    if (game.status == GameStatus::Unknown)
        return context.MessageApp(NotVerifiedQuestion(game.name), mtConfirmation, mbYes | mbNo) == mrYes;
    if (game.status == GameStatus::Bad)
        return context.MessageApp(FoundBadQuestion(game.name), mtWarning, mbYes | mbNo) == mrYes;
    return true;
}

QString NowText() {
    return DateTimeToStr(QDateTimeToDateTime(QDateTime::currentDateTime()));
}

// Swallows the Windows keys for its lifetime when they are live now. A failed grab leaves them
// live and WindowsKeyActive false, so no later run tries again.
class TWindowsKeysHeld {
  public:
    TWindowsKeysHeld(AppState& state, WindowsKeyGrab& grab) : state(state), grab(grab) {
        if (!state.WindowsKeyActive)
            return;
        held = grab.Grab();
        state.WindowsKeyActive = false;
    }
    ~TWindowsKeysHeld() {
        if (!held)
            return;
        grab.Release();
        state.WindowsKeyActive = true;
    }
    TWindowsKeysHeld(const TWindowsKeysHeld&) = delete;
    TWindowsKeysHeld& operator=(const TWindowsKeysHeld&) = delete;

  private:
    AppState& state;
    WindowsKeyGrab& grab;
    bool held = false;
};

// The controls stay off and the keys held for the run; both come back however it ends, and
// the window that was active before is active again.
class TRunScope {
  public:
    TRunScope(TCommandContext& context, const QString& gameName, WindowsKeyGrab& grab) : context(context) {
        context.Window.EnableTaggedComponents(false);
        LogGameStart(context, gameName);
        keys = std::make_unique<TWindowsKeysHeld>(context.State, grab);
        activeWindow = QApplication::activeWindow();
    }
    ~TRunScope() {
        if (activeWindow)
            activeWindow->activateWindow();
        keys.reset();
        context.Window.EnableTaggedComponents(true);
    }
    TRunScope(const TRunScope&) = delete;
    TRunScope& operator=(const TRunScope&) = delete;

  private:
    TCommandContext& context;
    std::unique_ptr<TWindowsKeysHeld> keys;
    QPointer<QWidget> activeWindow;
};

} // namespace

void LogGameStart(TCommandContext& context, const QString& gameName) {
    ActivityLog& log = context.Log;
    log.WriteLogTab(QString());
    log.WriteLogTab(gameName, clBlue, fsBold);
    log.WriteLogTab(QCoreApplication::translate("Play", "Started %1").arg(NowText()));
}

void LogGameFinish(TCommandContext& context, const QStringList& output) {
    ActivityLog& log = context.Log;
    for (const QString& line : output) {
        if (line.isEmpty())
            continue;
        switch (ClassifyLogText(line)) {
        case LogKind::Warning:
            log.WriteLogTab(line, clYellow);
            break;
        case LogKind::Error:
            log.WriteLogTab(line, clRed);
            break;
        case LogKind::Normal:
            log.WriteLogTab(line);
            break;
        }
    }
    log.WriteLogTab(QCoreApplication::translate("Play", "Finished %1").arg(NowText()));
    log.FocusLogTabEnd();
}

void PlayGame(TCommandContext& context, WindowsKeyGrab& keyGrab) {
    // No row shown (a filter nothing passes): there is no game to play.
    const int row = context.Window.GridRow();
    if (row < 1)
        return;
    const GameRow game = CurrentGame(context);
    const AppState& state = context.State;
    if (state.debug)
        context.dialogs.plainMessage(PlayDebugText(game.name, game.fileDir, StatusText(game.status)));
    // Quoting does not keep the emulator from reading such a name as an option.
    if (StartsLikeOption(game.fileDir)) {
        context.MessageApp(OptionLikeGameText(game.name, game.fileDir), mtError, mbOK);
        return;
    }
    if (!GameFileExists(state.rompaths, game.fileDir)) {
        context.MessageApp(GameFileMissingText(game.name, game.fileDir), mtError, mbOK);
        return;
    }
    if (!ConfirmStatus(context, game))
        return;
    const QString switches =
        context.CommandLineSwitchesEdit ? context.CommandLineSwitchesEdit->text() : QString();
    TRunResult run;
    const QDateTime started = QDateTime::currentDateTimeUtc();
    {
        const TRunScope scope(context, game.name, keyGrab);
        // The game's window takes the keys: only the emulator's own exit ends the run.
        run = RunEmulator(context, PlayArgs(game.fileDir, state.readconfig, state.verbose, switches),
                          {.stoppable = false, .standardOutputFile = {}});
    }
    // A run that started counts as played, however it ended.
    if (run.exitCode != TRunResult::StartFailedCode) {
        context.GameList.RecordRun(row, started, QDateTime::currentDateTimeUtc());
        SavePlayHistory(context.GameList, state.UserDataPath);
    }
    context.Window.ShowPage(TPage::Log);
    LogGameFinish(context, run.lines);
    if (run.exitCode != 0)
        context.MessageApp(PlayProblemText(game.name, run.exitCode, run.lines), mtError, mbOK, ProgramName);
}

void RegisterPlayCommands(TCommandContext& context, std::shared_ptr<WindowsKeyGrab> keyGrab) {
    if (!keyGrab)
        keyGrab = CreatePlatformKeyGrab();
    RegisterEmulatorCommand(context, TCommand::PlayGame,
                            [&context, keyGrab] { PlayGame(context, *keyGrab); });
}
