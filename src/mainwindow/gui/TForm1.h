#pragma once
// The main window: owns the game list, the log panes, the options tabs and the shared
// state, runs the start-up sequence and the exit path, and routes every command.

#include "base/AppState.h"
#include "base/gui/ActivityLog.h"
#include "mainwindow/gui/CommandTable.h"
#include "mainwindow/gui/MainWindowUi.h"

#include <QMainWindow>
#include <QPointer>

#include <functional>
#include <map>
#include <memory>

class Dialogs;
class TGameListModel;
class TIniFile;
class TProcessLauncher;
class TForm5;

class TForm1 : public QMainWindow {
    Q_OBJECT
  public:
    explicit TForm1(Dialogs& dialogs, QWidget* parent = nullptr);
    ~TForm1() override;

    AppState State;
    TForm1Ui ui;

    Dialogs& dialogs() const { return Dialogs_; }
    ActivityLog& log() { return *Log; }
    TGameListModel& GameList() const { return *GameListModel; }
    TProcessLauncher& Launcher() const { return *Launcher_; }
    // Runs a command text through the launcher in a working folder; returns the exit code.
    int ExecNewProcess(const QString& Dir, const QString& Command);

    // The settings file Pellmora.INI in the user data folder.
    TIniFile SettingsIni() const;

    void FormCreate();
    void Initialise();
    void Post_Initialise();
    void ExitProgram();
    void CloseForm();
    void EnableTaggedComponents(bool enabled);
    void FormKeyDown(int key);
    void Timer1Timer();
    void ReadFormSettings();
    void WriteFormSettings();
    void PageControl1Change(int index);
    void CommandLineSwitchesEditChange(const QString& text);

    // Runs the handler of a command; a failure goes to the application-wide handler.
    void RunCommand(TCommand command);
    // The handler behind a command; commands not built yet have none.
    void SetCommandHandler(TCommand command, std::function<void()> handler);

    // Shows the counters and dates on the Game Data tab.
    void ShowGameData();
    // True once ExitProgram has been asked for.
    bool ExitRequested() const { return exitRequested; }

    // Runs the emulator search dialog; start-up reads MAMEPath afterwards.
    std::function<void()> MAMEDirSearch;
    // Takes a folder chosen by the user as the emulator folder and remembers it.
    void AcceptMAMEPath(const QString& folder);
    void SaveSettings();

    // The outer size of the window: its fixed size plus the frame.
    QSize DesignedFrameSize() const;

  signals:
    void commandRun(TCommand command);
    // Every key press the window sees before its focused control, once each.
    void keyPreviewed(int key);

  protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    enum class PassResult { Done, Exit, Restart };
    PassResult StartupPass();
    void LoadGameList();
    void SelectLastGame();
    void SetActivePageQuietly(int index);
    void BindCommands();
    void BindHandlers();
    void ScheduleFirstPaintStep();
    bool IsNewKeyPress(QWidget* receiver, const QEvent* event);
    void CentreFramedWindow();

    Dialogs& Dialogs_;
    TGameListModel* GameListModel = nullptr;
    TProcessLauncher* Launcher_ = nullptr;
    TForm5* Form5 = nullptr;
    std::unique_ptr<ActivityLog> Log;
    std::map<TCommand, std::function<void()>> handlers;
    bool initialiseRan = false;
    bool startupFinished = false;
    // The key press last seen and the highest control it has reached on its way up.
    const QEvent* lastKeyEvent = nullptr;
    QPointer<QWidget> lastKeyReceiver;
    // No stored position: the window is centred again with its frame, known only once shown.
    bool centreHorizontally = false;
    bool centreVertically = false;
    bool exitRequested = false;
    bool firstPaintScheduled = false;
    bool settingTabQuietly = false;
    // Commands and start-up steps in progress; the program ends only when none is.
    int busyDepth = 0;
    bool quitWhenIdle = false;
    friend class TBusyScope;
};
