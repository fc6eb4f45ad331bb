#include "gamelist/gui/ScanCommand.h"

#include "base/AsciiCase.h"
#include "base/DateTimeText.h"
#include "base/SettingsKeys.h"
#include "base/gui/CommandContext.h"
#include "base/gui/MessageApp.h"
#include "base/gui/StatusText.h"
#include "base/gui/WaitCursor.h"
#include "emulator/gui/EmulatorCommandScope.h"
#include "emulator/gui/SupportedGamesFile.h"
#include "gamelist/FolderScan.h"
#include "gamelist/GameListFile.h"
#include "gamelist/GameListModel.h"
#include "gamelist/ListFileCodec.h"
#include "gamelist/ScanRules.h"
#include "gamelist/SupportedGames.h"
#include "gamelist/gui/TSortGrid.h"
#include "platform/FileNameCase.h"
#include "platform/UndecodableNames.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QLabel>
#include <QSet>

namespace {

void SortList(TCommandContext& context, int col) {
    context.Grid.SortByColumn(col, context.State.GSortOptions);
}

QString UnreadableFoldersMessage(const QStringList& folders) {
    return (folders.size() == 1
                ? QCoreApplication::translate(
                      "Scan", "The game folder %1 cannot be read, so the game list was left as it is.")
                : QCoreApplication::translate(
                      "Scan", "The game folders %1 cannot be read, so the game list was left as it is."))
        .arg(folders.join(QStringLiteral(", ")));
}

TDateTime Now() {
    return QDateTimeToDateTime(QDateTime::currentDateTime());
}

void WriteScanSettings(TCommandContext& context, bool withGames) {
    const AppState& state = context.State;
    TIniFile ini = context.SettingsIni();
    ini.WriteInteger(Settings::Section, Settings::Key::GameCount, state.GameCount);
    if (withGames)
        ini.WriteInteger(Settings::Section, Settings::Key::nGames, state.nGames);
    ini.WriteInteger(Settings::Section, Settings::Key::nFound, state.nFound);
    ini.WriteInteger(Settings::Section, Settings::Key::nUnknown, state.nUnknown);
    ini.WriteDateTime(Settings::Section, Settings::Key::ImportDate, state.ImportDate);
}

// Whether the user lets the scan remove every game of the list, No being the default.
bool RemovingEveryGameConfirmed(TCommandContext& context, const QStringList& folders, int games) {
    MessageRequest request;
    request.message =
        (folders.size() == 1
             ? QCoreApplication::translate(
                   "Scan", "The game folder %1 holds none of the %2 game(s) in the list.\n\nIf the "
                           "folder is on a disk that is not mounted, or is not the right folder, "
                           "removing them loses every favourite mark and status.\n\nRemove all "
                           "the games from the list?")
             : QCoreApplication::translate(
                   "Scan", "The game folders %1 hold none of the %2 game(s) in the list.\n\nIf a "
                           "folder is on a disk that is not mounted, or is not the right folder, "
                           "removing them loses every favourite mark and status.\n\nRemove all "
                           "the games from the list?"))
            .arg(folders.join(QStringLiteral(", ")), QString::number(games));
    request.type = mtConfirmation;
    request.buttons = mbYes | mbNo;
    request.title = DefaultMessageTitle(mtConfirmation);
    request.defaultButton = mbNo;
    return context.dialogs.messageBox(context.Owner(), request) == mrYes;
}

// A row without File/Dir (the empty list's blank row) is no game and is left alone.
std::vector<int> MissingRows(const TGameListModel& list, const TGameFolderListings& games) {
    return MissingGameRows(
        list, [&games](const QString& fileDir) { return fileDir.isEmpty() || games.Holds(fileDir); });
}

// False when the scan would remove every game and the user keeps them: nothing is changed then.
bool MayRemoveMissing(TCommandContext& context, const TGameFolderListings& games) {
    const std::vector<int> missing = MissingRows(context.GameList, games);
    return !RemovesEveryGame(context.GameList, missing) ||
           RemovingEveryGameConfirmed(context, games.Listed(), static_cast<int>(missing.size()));
}

void RemoveMissing(TCommandContext& context, const TGameFolderListings& games) {
    AppState& state = context.State;
    TGameListModel& list = context.GameList;
    const QStringList removed = RemoveGameRows(list, MissingRows(list, games));
    for (const QString& line : removed)
        context.WriteLog(line);
    if (removed.isEmpty())
        return;
    RecountGames(state, list);
    state.ImportDate = Now();
    context.Window.ShowGameData();
    WriteScanSettings(context, false);
    if (state.GameCount == 0)
        DeleteGameListFile(state.UserDataPath);
    else
        SaveGameList(list, state.UserDataPath);
    context.MessageApp(
        QCoreApplication::translate("Scan", "%1 missing game(s) removed from the list.").arg(removed.size()),
        mtInformation, mbOK);
}

QStringList NewNames(TCommandContext& context, const TGameFolderListings& games) {
    const TGameListModel& list = context.GameList;
    QSet<QString> listed;
    listed.reserve(list.RowCount());
    for (int row = 1; row < list.RowCount(); ++row)
        listed.insert(AsciiLower(list.Cells(colFileDir, row)));
    std::function<void(const QString&)> found;
    if (context.State.debug)
        found = [&context](const QString& message) { context.dialogs.plainMessage(message); };
    const auto log = [&context](const QString& line) { context.WriteLog(line); };
    const QStringList names = games.NewNames(listed, found, log, FileNamesMatchCase());
    for (const QString& folder : games.Listed()) {
        for (const QString& name : UndecodableNames(folder))
            log(UndecodedNameSkipText(name));
    }
    return names;
}

void AddNewGames(TCommandContext& context, const QStringList& newNames) {
    AppState& state = context.State;
    TGameListModel& list = context.GameList;
    if (state.GameCount == 0) {
        list.EmptyList();
        state.nFound = 0;
        state.nUnknown = 0;
    }
    const std::vector<SupportedGame> supported =
        ReadSupportedGamesFile(SupportedGamesFileName(state.UserDataPath));
    state.nGames = static_cast<int>(supported.size());
    for (const ScanAddition& addition : MatchNewNames(supported, newNames)) {
        state.GameCount = list.AppendGame(state.GameCount,
                                          {false, GameStatus::Unknown, addition.gameName, addition.fileDir});
        ++(addition.known ? state.nFound : state.nUnknown);
        context.WriteLog(addition.logLine);
    }
    SortList(context, state.SortColumn);
    state.ImportDate = Now();
    context.Window.ShowGameData();
    WriteScanSettings(context, true);
    SaveGameList(list, state.UserDataPath);
}

// The scan itself; the number of games added, 0 when the scan ended without adding any.
int ScanGameFolder(TCommandContext& context) {
    AppState& state = context.State;
    context.WriteLog(QCoreApplication::translate("Commands", "Scan for Games"), clBlue, fsBold);
    context.WriteLog(QCoreApplication::translate("Scan", "Scanning..."));
    SetStatusText(context, QCoreApplication::translate("Scan", "Scanning..."));
    context.Window.EnableTaggedComponents(false);
    context.Window.SelectGridRow(1);

    // A game folder that cannot be listed (an unplugged disk, a share gone) would make its
    // games look missing: no row is removed while one is gone, and with none listed nothing is
    // added either.
    const TGameFolderListings games(state.rompaths);
    if (!games.AnyListed()) {
        context.Window.EnableTaggedComponents(true);
        context.MessageApp(UnreadableFoldersMessage(games.Unlisted()), mtError, mbOK);
        return 0;
    }
    if (games.Unlisted().isEmpty() && !MayRemoveMissing(context, games)) {
        context.WriteLog(
            QCoreApplication::translate("Scan", "Scan stopped: the game list was kept as it was."));
        SetStatusText(context, QString());
        context.Window.EnableTaggedComponents(true);
        return 0;
    }
    SortList(context, colFileDir);
    for (const QString& folder : games.Unlisted())
        context.WriteLog(QCoreApplication::translate(
                             "Scan", "The game folder %1 cannot be read: no game is removed from the list "
                                     "until it is back.")
                             .arg(folder));
    if (games.Unlisted().isEmpty())
        RemoveMissing(context, games);
    const QStringList newNames = NewNames(context, games);
    SortList(context, state.SortColumn);
    context.Window.EnableTaggedComponents(true);
    context.Window.SelectGridRow(1);
    if (newNames.isEmpty()) {
        context.MessageApp(QCoreApplication::translate("Scan", "No new games found."), mtInformation, mbOK);
        state.ImportDate = Now();
        context.Window.ShowGameData();
        return 0;
    }

    QAbstractButton* play = context.Window.PushButton(TCommand::PlayGame);
    if (play)
        play->setEnabled(false);
    {
        WaitCursor cursor;
        if (!EnsureSupportedGamesFile(context))
            return 0;
        AddNewGames(context, newNames);
    }
    if (play)
        play->setEnabled(true);
    context.Window.SelectGridRow(1);
    SetStatusText(context, QString());
    return static_cast<int>(newNames.size());
}

} // namespace

void RecountGames(AppState& state, const TGameListModel& list) {
    state.GameCount = 0;
    state.nFound = 0;
    state.nUnknown = 0;
    for (int row = 1; row < list.RowCount(); ++row) {
        if (list.Cells(colFileDir, row).isEmpty())
            continue;
        ++state.GameCount;
        ++(list.Cells(colGameName, row) == UnknownGameName() ? state.nUnknown : state.nFound);
    }
}

void ScanForGames(TCommandContext& context) {
    int added = 0;
    {
        TEmulatorCommandScope scope(context, TCommand::ScanForGames);
        if (scope.Refused())
            return;
        added = ScanGameFolder(context);
    }
    if (added == 0)
        return;
    const int answer = context.MessageApp(
        QCoreApplication::translate(
            "Scan", "%1 new games added to the list.\n\nBefore you can run any game, you must "
                    "\"verify\" it.\n\nWould you like to verify ALL GAMES now?")
            .arg(added),
        mtConfirmation, mbYes | mbNo);
    if (answer == mrYes)
        context.RunCommand(TCommand::VerifyAllGames);
}
