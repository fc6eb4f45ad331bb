#pragma once
// The main window: owns the widgets, the game list, the log, the launcher and the shared
// state, wires the commands of every subsystem to its controls, and serves them as the window
// (TMainWindowServices). The start-up sequence and the commands live elsewhere.

#include "base/AppState.h"
#include "base/gui/CommandContext.h"
#include "base/gui/CommandRegistry.h"
#include "mainwindow/gui/MainWindowUi.h"

#include <QMainWindow>
#include <QPointer>

#include <memory>
#include <optional>

class ActivityLog;
class Dialogs;
class TGameListModel;
class TProcessLauncher;
class TStartupSequence;

class TForm1 : public QMainWindow, private TMainWindowServices {
    Q_OBJECT
  public:
    explicit TForm1(Dialogs& dialogs, QWidget* parent = nullptr);
    ~TForm1() override;

    // Everything a command works with; tests reach the state and services through it too.
    TCommandContext& Context() { return *context; }
    const TForm1Ui& Ui() const { return ui; }

    void ExitProgram() override;
    void EnableTaggedComponents(bool enabled) override;
    // Runs the command's handler as the user's choice: the program stays up until it has
    // finished, and a failure goes to the application-wide handler.
    void RunCommand(TCommand command) override;
    // True once ExitProgram has been asked for.
    bool ExitRequested() const { return exitRequested; }

  signals:
    void commandRun(TCommand command);

  protected:
    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    // TMainWindowServices.
    QWidget* Owner() override { return this; }
    int GridRow() const override;
    void SelectGridRow(int row) override;
    void ShowPage(TPage page) override;
    void ShowGameData() override;
    void ShowMAMEPath() override;
    QProgressBar* ProgressBar() override;
    QLabel* StatusPanel(TStatusPanel panel) override;
    QAbstractButton* PushButton(TCommand command) override;

    void FormCreate();
    void CloseForm();
    void FormKeyDown(int key);
    void Timer1Timer();
    void ReadFormSettings();
    void WriteFormSettings();
    void PageControl1Change(int index);
    void ShowGameFolder();
    void ShowGameReason();
    // The outer size of the window: its fixed size plus the frame.
    QSize DesignedFrameSize() const;
    void CentreFramedWindow();

    // After a failure abandoned a command: controls enabled, normal cursor, the Verify All
    // Games button in its normal mode, no run flags left set. Nothing is rolled back.
    void ReturnToIdle();
    void RegisterCommands();
    void BindControls();
    void ScheduleFirstPaintStep();
    bool IsNewKeyPress(QWidget* receiver, const QEvent* event);

    AppState State;
    TForm1Ui ui;
    Dialogs& Dialogs_;
    std::unique_ptr<ActivityLog> Log;
    TGameListModel* GameListModel = nullptr;
    TProcessLauncher* Launcher = nullptr;
    TWindowEvents* Events = nullptr;
    std::unique_ptr<TCommandRegistry> Commands;
    std::unique_ptr<TCommandContext> context;
    std::unique_ptr<TStartupSequence> Startup;

    bool initialiseRan = false;
    bool startupFinished = false;
    bool exitRequested = false;
    bool firstPaintScheduled = false;
    bool settingTabQuietly = false;
    // The key press last seen and the highest control it has reached on its way up.
    const QEvent* lastKeyEvent = nullptr;
    QPointer<QWidget> lastKeyReceiver;
    // No stored position: the window is centred again with its frame, known only once shown.
    bool centreHorizontally = false;
    bool centreVertically = false;
    // Commands and start-up steps in progress; the program ends only when none is.
    int busyDepth = 0;
    bool quitWhenIdle = false;
    // A failure has abandoned part of the commands in progress.
    bool abandoned = false;
    friend class TBusyScope;
};
