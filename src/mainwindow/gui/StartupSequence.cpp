// The start-up sequence run when the main window is shown, and the first-paint step.

#include "base/DateTimeText.h"
#include "base/FileLookup.h"
#include "base/IniFile.h"
#include "base/SettingsKeys.h"
#include "base/gui/MessageApp.h"
#include "diag/gui/ExceptionHandler.h"
#include "emulator/CommandTexts.h"
#include "gamelist/ConvertGameListFile.h"
#include "gamelist/GameListFileProbe.h"
#include "gamelist/GameListModel.h"
#include "gamelist/gui/TSortGrid.h"
#include "locate/VersionCheck.h"
#include "locate/gui/LocateCommands.h"
#include "mainwindow/ScreenSizeCheck.h"
#include "mainwindow/gui/TForm1.h"
#include "options/gui/MameIniStartupCheck.h"
#include "options/gui/OptionsPages.h"

#include <QFileInfo>
#include <QGuiApplication>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QTabWidget>

namespace {

const QString kUnknownGame = QStringLiteral("[UNKNOWN GAME]");

bool SameLettersIgnoringCase(const QString& a, const QString& b) {
    // Only the letters A to Z are compared without regard to case.
    if (a.size() != b.size())
        return false;
    for (int i = 0; i < a.size(); ++i) {
        QChar x = a[i], y = b[i];
        if (x == y)
            continue;
        auto upper = [](QChar c) {
            return (c >= QLatin1Char('a') && c <= QLatin1Char('z')) ? QChar(c.unicode() - 32) : c;
        };
        if (upper(x) != upper(y))
            return false;
    }
    return true;
}

QString DateText(TDateTime value) {
    return value == 0 ? QStringLiteral("None") : DateTimeToStr(value);
}

} // namespace

void TForm1::Initialise() {
    PassResult result = PassResult::Restart;
    while (result == PassResult::Restart) {
        result = PassResult::Done;
        const bool completed = RunGuarded(Dialogs_, this, [&] { result = StartupPass(); });
        if (!completed)
            result = PassResult::Done; // the rest of the pass is lost; the window shows what it had
    }
    if (result == PassResult::Exit)
        ExitProgram();
}

TForm1::PassResult TForm1::StartupPass() {
    const QString title = QStringLiteral("Pellmora");

    // 2. Run state.
    State.debug = false;
    State.WindowsKeyActive = true;
    State.DisplayVerifyGame = true;
    State.LastGridRow = 0;
    State.GSortOptions = TSortOptions();

    // 3. Start-up settings, when the file exists.
    if (SettingsFileExists(State.UserDataPath)) {
        QString switches;
        ReadStartupSettings(SettingsIni(), State, switches);
        ui.CommandLineSwitchesEdit->setText(switches);
    }

    // 4. No emulator folder yet.
    if (State.MAMEPath.isEmpty()) {
        MessageApp(
            Dialogs_, this,
            QStringLiteral("The path to the M.A.M.E. program file MAME.EXE or MAME64.EXE has not been set.\n"
                           "Click on OK to initiate a search."),
            mtWarning, mbOK, title);
        if (MAMEDirSearch)
            MAMEDirSearch();
        return State.MAMEPath.isEmpty() ? PassResult::Exit : PassResult::Restart;
    }

    // 5.
    State.MAMEPath = IncludeTrailingPathDelimiter(State.MAMEPath);

    // 6. No emulator in it.
    if (!MameExecutableExists(State.MAMEPath)) {
        MessageApp(
            Dialogs_, this,
            QStringLiteral("The M.A.M.E. program file MAME.EXE or MAME64.EXE was not found in the path ") +
                State.MAMEPath + QStringLiteral("\nClick on OK to initiate a search."),
            mtWarning, mbOK, title);
        if (MAMEDirSearch)
            MAMEDirSearch();
        return !MameExecutableExists(State.MAMEPath) ? PassResult::Exit : PassResult::Restart;
    }

    // 7. mame64 wins when both exist.
    State.MAMEEXE = PreferredMameExecutableName(State.MAMEPath);

    // 8. Screen size.
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QString warning = ScreenSizeWarning(screen->size());
        if (!warning.isEmpty())
            MessageApp(Dialogs_, this, warning, mtWarning, mbOK, title);
    }

    // 9. The emulator's configuration file.
    if (!RunMameIniStartupCheck(
            State, Dialogs_, this,
            [this](const QString& dir, const QString& command) { return ExecNewProcess(dir, command); },
            CreateConfigCommand))
        return PassResult::Exit;

    // 10-12. Whether a new list must be built at the first paint.
    const QString listFile = FindFileIgnoringCase(State.UserDataPath, QStringLiteral("Pellmora.DAT"));
    State.GenerateGameList = !SettingsFileExists(State.UserDataPath) || !QFileInfo::exists(listFile);
    ConvertGameListFile(State.UserDataPath);
    const QString convertedListFile =
        FindFileIgnoringCase(State.UserDataPath, QStringLiteral("Pellmora.DAT"));
    if (QFileInfo::exists(convertedListFile) && !HasMoreThanOneLine(convertedListFile))
        State.GenerateGameList = true;

    // 13. The Log tab is never the first one shown.
    SetActivePageQuietly(State.ActivePage == 1 ? 0 : State.ActivePage);

    // 14-16.
    LoadGameList();
    // 15. Sorting by SortColumn comes with the list view; the list keeps its file order until then.
    SelectLastGame();

    // 17-18.
    ShowGameData();
    ui.Options->FillOptionControls(State);
    ui.MAMEDirEdit->setText(State.MAMEPath);
    ui.SaveSettingsBitBtn->setEnabled(false);
    return PassResult::Done;
}

void TForm1::SetActivePageQuietly(int index) {
    settingTabQuietly = true;
    ui.PageControl1->setCurrentIndex(index);
    settingTabQuietly = false;
}

void TForm1::LoadGameList() {
    TGameListModel& list = GameList();
    list.Clear();
    const QString listFile = FindFileIgnoringCase(State.UserDataPath, QStringLiteral("Pellmora.DAT"));
    if (QFileInfo::exists(listFile))
        list.LoadFromFile(listFile, QLatin1Char(','));
    State.GameCount = list.GameCount();
    list.SetHeaderTexts();
    ui.SortGrid1->SetColumnWidths();
}

void TForm1::SelectLastGame() {
    TGameListModel& list = GameList();
    int row = 1;
    if (!State.LastSelectedGame.isEmpty()) {
        for (int r = 1; r < list.RowCount(); ++r) {
            if (SameLettersIgnoringCase(list.Cells(colGameName, r), State.LastSelectedGame))
                row = r;
        }
    }
    ui.SortGrid1->SetRow(row);
}

void TForm1::ShowGameData() {
    ui.TotalGamesLabel->setText(QString::number(State.nGames));
    ui.KnownGamesLabel->setText(QString::number(State.nFound));
    ui.UnknownGamesLabel->setText(QString::number(State.nUnknown));
    ui.ImportDateLabel->setText(DateText(State.ImportDate));
    ui.VerifyDateLabel->setText(DateText(State.VerifyDate));
    ui.ViewVerifyReportBitBtn->setEnabled(State.VerifyDate != 0);
}

void TForm1::Post_Initialise() {
    if (State.PostInitialiseDone)
        return;
    State.PostInitialiseDone = true;
    if (!StartupVersionCheck(State, Dialogs_, this)) {
        ExitProgram();
        return;
    }
    if (State.GenerateGameList) {
        MessageApp(Dialogs_, this,
                   QStringLiteral("The Pellmora game list file (Pellmora.DAT) was not found.\n"
                                  "The program will now generate a new one.\n\n"
                                  "This may take a while to complete.\nClick OK to continue."),
                   mtConfirmation, mbOK);
        State.GameCount = 0;
        State.nGames = 0;
        State.nUnknown = 0;
        State.nFound = 0;
        RunCommand(TCommand::ScanForGames);
        State.GenerateGameList = false;
    }
}
