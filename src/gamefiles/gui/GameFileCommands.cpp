#include "gamefiles/gui/GameFileCommands.h"

#include "base/GameFileLookup.h"
#include "base/gui/CommandContext.h"
#include "emulator/PlayTexts.h"
#include "emulator/gui/EmulatorCommandScope.h"
#include "emulator/gui/TForm2.h"
#include "gamefiles/ArchiveTest.h"
#include "gamefiles/GameFileActions.h"
#include "gamefiles/GameFileNames.h"
#include "gamefiles/gui/AddGameCommand.h"
#include "gamefiles/gui/GameFileSupport.h"
#include "gamefiles/gui/SnapshotCommands.h"
#include "gamelist/GameListFile.h"
#include "gamelist/GameListModel.h"
#include "gamelist/ListFileCodec.h"

#include <QCoreApplication>

namespace {

struct SelectedGame {
    int row = 0;
    GameRow game;
};

// The selected row when it names a game entry of a game folder; row 0 for the empty list's blank
// row (or a File/Dir that would reach outside the folder), which the commands leave alone.
SelectedGame ReadSelectedGame(TCommandContext& context) {
    const int row = context.Window.GridRow();
    const TGameListModel& list = context.GameList;
    if (row < 1 || row >= list.RowCount() || context.State.rompath.isEmpty())
        return {};
    const GameRow game = list.Game(row);
    if (!IsGameEntryName(game.fileDir))
        return {};
    return {row, game};
}

// The game folder of fileDir is the first that holds it, the file the emulator would play;
// the first game folder when none does.
GameFolders FoldersOf(const AppState& state, const QString& fileDir) {
    const QString folder = LocateGame(state.rompaths, fileDir).folder;
    return {folder.isEmpty() ? state.rompath : folder, state.cfg_directory, state.nvram_directory,
            state.snapshot_directory};
}

void DebugGameBox(TCommandContext& context, const QString& lead, const GameRow& game) {
    if (!context.State.debug)
        return;
    context.dialogs.plainMessage(RowDebugText(lead, game.name, game.fileDir, StatusText(game.status)));
}

bool Confirmed(TCommandContext& context, const QString& question) {
    return context.MessageApp(question, mtConfirmation, mbYes | mbNo) == mrYes;
}

} // namespace

void DeleteGame(TCommandContext& context) {
    const SelectedGame selected = ReadSelectedGame(context);
    if (selected.row < 1)
        return;
    const GameRow& game = selected.game;
    DebugGameBox(context, QStringLiteral("DELETE GAME: "), game);
    if (!Confirmed(context, QCoreApplication::translate(
                                "GameFiles",
                                "Are you certain you wish to delete the game: \n\nName:\t%1\nFile/Dir: \t%2")
                                .arg(game.name, game.fileDir)))
        return;
    const GameFolders folders = FoldersOf(context.State, game.fileDir);
    const DeleteResult result = DeleteGameEntry(folders, game.fileDir, [&context](const QString& file) {
        if (context.State.debug)
            context.dialogs.plainMessage(QStringLiteral("DELETING ") + file);
    });
    if (result.outcome == DeleteOutcome::Failed) {
        // The game is still there and playable: its row and per-game files stay with it.
        context.MessageApp(result.message, mtError, mbOK);
        return;
    }
    if (result.outcome == DeleteOutcome::Missing)
        context.MessageApp(result.message, mtWarning, mbOK);
    DeletePerGameFiles(folders, game.fileDir);
    context.GameList.DeleteRow(selected.row);
    RecountAndShowCounters(context);
    SaveGameList(context.GameList, context.State.UserDataPath);
    context.Window.SelectGridRow(qMax(1, selected.row - 1));
    ShowSnapshot(context, context.Window.GridRow());
}

void ResetGame(TCommandContext& context) {
    const SelectedGame selected = ReadSelectedGame(context);
    if (selected.row < 1)
        return;
    const GameRow& game = selected.game;
    DebugGameBox(context, QStringLiteral("RESET GAME: "), game);
    if (!Confirmed(context,
                   QCoreApplication::translate("GameFiles", "Are you certain you wish to reset the game %1 ?")
                       .arg(game.name)))
        return;
    DeletePerGameFiles(FoldersOf(context.State, game.fileDir), game.fileDir);
    // The picture just deleted must not stay on the Game Image tab.
    ShowSnapshot(context, selected.row);
}

void RenameGameClick(TCommandContext& context) {
    const SelectedGame selected = ReadSelectedGame(context);
    if (selected.row < 1)
        return;
    const GameRow& game = selected.game;
    DebugGameBox(context, QStringLiteral("GAME: "), game);
    QString answer = RenameOldName(game.fileDir);
    if (!context.dialogs.inputBox(
            context.Owner(), QCoreApplication::translate("GameFiles", "Rename.."),
            QCoreApplication::translate("GameFiles", "Enter the new name for %1").arg(game.name), answer))
        return;
    const AppState& state = context.State;
    const RenameResult result = RenameGameEntry(state.rompaths, game.fileDir, answer);
    switch (result.outcome) {
    case RenameOutcome::Unchanged:
        return;
    case RenameOutcome::Refused:
        context.MessageApp(QCoreApplication::translate(
                               "GameFiles",
                               "The name \"%1\" cannot be given to a game: it must not be empty, start with "
                               "\".\" or \"-\", or hold \"/\" or \"..\".")
                               .arg(answer.trimmed()),
                           mtError, mbOK);
        return;
    case RenameOutcome::Failed:
        context.MessageApp(QCoreApplication::translate(
                               "GameFiles",
                               "Error renaming file/directory!\n\nYou either do not have permission to "
                               "modify the file name OR another file with the same name already "
                               "exists."),
                           mtError, mbOK);
        return;
    case RenameOutcome::Renamed:
        break;
    }
    MoveSnapshot(state.snapshot_directory, game.fileDir, result.newFileDir);
    context.GameList.SetFileDir(selected.row, result.newFileDir);
    SaveGameList(context.GameList, state.UserDataPath);
    ShowSnapshot(context, selected.row);
}

void TestZIPFileClick(TCommandContext& context) {
    const int row = context.Window.GridRow();
    if (row < 1 || !context.Form2)
        return;
    const QString fileDir = context.GameList.Game(row).fileDir;
    // The file the emulator would play, as named on disk; a missing one is reported under its
    // listed name in the first game folder.
    QString path = IsGameEntryName(fileDir) ? LocateGame(context.State.rompaths, fileDir).path : QString();
    if (path.isEmpty())
        path = context.State.rompath + fileDir;
    TForm2& viewer = *context.Form2;
    viewer.Clear();
    QString report;
    const int verdict = TestZip(path, report);
    viewer.Append(QString());
    AppendReport(viewer, report);
    viewer.Append(QString());
    viewer.Append((verdict == 0 ? QCoreApplication::translate("GameFiles", "Zip file %1 is OK.")
                                : QCoreApplication::translate("GameFiles", "Zip file %1 contains a problem."))
                      .arg(path));
    viewer.ShowModal();
}

void RegisterGameFileCommands(TCommandContext& context) {
    context.Register(TCommand::DeleteGame, [&context] { DeleteGame(context); });
    context.Register(TCommand::ResetGame, [&context] { ResetGame(context); });
    context.Register(TCommand::RenameGame, [&context] { RenameGameClick(context); });
    context.Register(TCommand::TestZipFile, [&context] { TestZIPFileClick(context); });
    RegisterEmulatorCommand(context, TCommand::AddGame, [&context] { AddGame(context); });
}
