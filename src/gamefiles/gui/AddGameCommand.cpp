#include "gamefiles/gui/AddGameCommand.h"

#include "base/GameFileLookup.h"
#include "base/IniFile.h"
#include "base/NameText.h"
#include "base/SettingsKeys.h"
#include "base/gui/CommandContext.h"
#include "base/gui/WaitCursor.h"
#include "emulator/gui/SupportedGamesFile.h"
#include "emulator/gui/TForm2.h"
#include "gamefiles/ArchiveTest.h"
#include "gamefiles/GameFileNames.h"
#include "gamefiles/gui/GameFileSupport.h"
#include "gamelist/GameListFile.h"
#include "gamelist/GameListModel.h"
#include "gamelist/ListFileCodec.h"
#include "gamelist/SupportedGames.h"
#include "gamelist/gui/GameListCommands.h"
#include "gamelist/gui/VerifyCommands.h"
#include "platform/SafeFileOps.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include <optional>

namespace {

QString ChooserCaption() {
    return QCoreApplication::translate("AddGame", "Select Zip file(s) for one or more games to add...");
}

QString ChooserFilter() {
    return QCoreApplication::translate(
        "AddGame", "All Zip Files (*.7z *.zip);;7-Zip Files (*.7z);;Zip Files (*.zip);;All Files (*)");
}

void DebugBox(TCommandContext& context, const QString& text) {
    if (context.State.debug)
        context.dialogs.plainMessage(text);
}

// Where the chooser opens: the remembered folder, or the home folder when that is gone (a
// Windows path from an older settings file, a removed disk).
QString ChooserFolder(const AppState& state) {
    return QFileInfo(state.FileDialogPath).isDir() ? state.FileDialogPath : QDir::homePath();
}

void RememberChooserFolder(TCommandContext& context, const QString& firstChosen) {
    context.State.FileDialogPath = QFileInfo(firstChosen).absolutePath();
    context.SettingsIni().WriteString(Settings::Section, Settings::Key::FileDialogPath,
                                      context.State.FileDialogPath);
}

bool AllArchives(const QStringList& chosen) {
    return std::all_of(chosen.begin(), chosen.end(),
                       [](const QString& path) { return IsArchiveName(QFileInfo(path).fileName()); });
}

// The supported game a file name stands for: its name without a ".zip" or ".7z" extension
// (any letter case) is the game's short name.
std::optional<SupportedGame> LookUpGame(TCommandContext& context, const QString& fileName) {
    const QString extension = FileExtension(fileName).toLower();
    if (extension != QLatin1String(".zip") && extension != QLatin1String(".7z"))
        return std::nullopt;
    const QString name = fileName.chopped(extension.size());
    if (name.isEmpty())
        return std::nullopt;
    return FindSupportedGame(SupportedGamesFileName(context.State.UserDataPath), name);
}

// Copies the chosen file into the first game folder as targetName, unless it is that very file
// already, in whichever game folder. False, with the reason in the viewer, when the copy failed:
// the folder is as it was.
bool CopyIntoRompath(TCommandContext& context, const QString& chosenPath, const QString& targetName) {
    const QString target = context.State.rompath + targetName;
    DebugBox(context, QStringLiteral("COPY FROM: ") + chosenPath + QStringLiteral("\nCOPY TO: ") + target);
    const GameLocation held = LocateGame(context.State.rompaths, targetName);
    const QString inPlace = held.folder.isEmpty() ? target : held.folder + targetName;
    if (IsSameFile(chosenPath, inPlace)) {
        ClearReadOnly(inPlace);
        return true;
    }
    const FileOpResult copied = CopyIntoPlace(chosenPath, target);
    if (copied.ok)
        return true;
    context.Form2->Append(QCoreApplication::translate("AddGame", "The file %1 could not be copied to %2: %3")
                              .arg(chosenPath, target, copied.reason));
    context.Form2->Append(QCoreApplication::translate("AddGame", "No further action taken."));
    return false;
}

// The new row, verified without showing the viewer, sorted in, counted and saved.
void ListNewGame(TCommandContext& context, const SupportedGame& game, const QString& targetName) {
    AppState& state = context.State;
    TGameListModel& list = context.GameList;
    // The list appends after its last row even when the count lags behind it.
    state.GameCount =
        list.AppendGame(state.GameCount, {false, GameStatus::Unknown, game.description, targetName});
    context.Window.SelectGridRow(state.GameCount);
    state.DisplayVerifyGame = false;
    struct Restore {
        AppState& state;
        ~Restore() { state.DisplayVerifyGame = true; }
    } restore{state};
    VerifySelectedGame(context);
}

void FinishNewGame(TCommandContext& context, const SupportedGame& game) {
    ResortGameList(context);
    RecountAndShowCounters(context);
    context.Form2->Append(
        QCoreApplication::translate("AddGame", "The game %1 has been added.").arg(game.description));
    SaveGameList(context.GameList, context.State.UserDataPath);
}

enum class Next { NextFile, EndSelection, EndCommand };

// One chosen file, and what comes after it.
Next AddOneGame(TCommandContext& context, const QString& chosenPath) {
    TForm2& viewer = *context.Form2;
    viewer.Append(QString());
    viewer.Append(QString(75, u'_'));
    DebugBox(context, QStringLiteral("File selected = ") + chosenPath);
    const auto game = LookUpGame(context, QFileInfo(chosenPath).fileName());
    if (!game) {
        viewer.Append(QCoreApplication::translate("AddGame", "%1 - NOT A VALID GAME.").arg(chosenPath));
        return Next::EndSelection;
    }
    viewer.Append(game->description + QStringLiteral(" [") + game->shortName + QStringLiteral("]"));
    // The emulator finds a game only under its short name exactly, extension in lower case.
    const QString targetName = game->shortName + FileExtension(chosenPath).toLower();
    if (!TestGameToAdd(context, chosenPath, targetName) || !CopyIntoRompath(context, chosenPath, targetName))
        return Next::NextFile;
    ListNewGame(context, *game, targetName);
    // A failed list run has closed the program: nothing more to do.
    if (!QFileInfo::exists(SupportedGamesFileName(context.State.UserDataPath)))
        return Next::EndCommand;
    FinishNewGame(context, *game);
    return Next::NextFile;
}

} // namespace

bool TestGameToAdd(TCommandContext& context, const QString& chosenPath, const QString& targetName) {
    TForm2& viewer = *context.Form2;
    const QString fileName = QFileInfo(chosenPath).fileName();
    const TGameListModel& list = context.GameList;
    for (int row = 1; row < list.RowCount(); ++row) {
        if (SameTextIgnoringAsciiCase(list.Cells(colFileDir, row), targetName)) {
            viewer.Append(
                QCoreApplication::translate("AddGame", "The game %1 already exists in the list of games.")
                    .arg(fileName));
            viewer.Append(QCoreApplication::translate("AddGame", "No further action taken."));
            return false;
        }
    }
    // A game folder holding the name already: the emulator would play that file, or a copy
    // into the first folder would hide it.
    const GameLocation held = LocateGame(context.State.rompaths, targetName);
    if (!held.path.isEmpty() && !IsSameFile(held.path, chosenPath)) {
        viewer.Append(
            QCoreApplication::translate("AddGame", "The game %1 already exists in the game folder %2.")
                .arg(fileName, held.folder));
        viewer.Append(QCoreApplication::translate("AddGame", "No further action taken."));
        return false;
    }
    DebugBox(context, QStringLiteral("Testing ZIP file ") + chosenPath);
    QString report;
    if (TestZip(chosenPath, report) == 0)
        return true;
    viewer.Append(QString());
    AppendReport(viewer, report);
    viewer.Append(QString());
    viewer.Append(
        QCoreApplication::translate("GameFiles", "Zip file %1 contains a problem.").arg(chosenPath));
    return false;
}

void AddGame(TCommandContext& context) {
    if (!context.Form2)
        return;
    const QStringList chosen = context.dialogs.chooseFiles(
        context.Owner(), {ChooserCaption(), ChooserFolder(context.State), ChooserFilter()});
    if (chosen.isEmpty())
        return;
    context.Form2->Clear();
    RememberChooserFolder(context, chosen.first());
    if (!AllArchives(chosen)) {
        context.MessageApp(QCoreApplication::translate("AddGame", "The game file(s) must ALL be ZIP files."),
                           mtError, mbOK);
        return;
    }
    Next next = Next::NextFile;
    {
        const WaitCursor wait;
        if (!EnsureSupportedGamesFile(context))
            return;
        for (const QString& path : chosen) {
            next = AddOneGame(context, path);
            if (next != Next::NextFile)
                break;
        }
    }
    if (next != Next::EndCommand)
        context.Form2->ShowModal();
}
