#include "mainwindow/gui/TForm1.h"

#include "base/FileLookup.h"
#include "base/GameFileLookup.h"
#include "base/SettingsKeys.h"
#include "base/gui/ActivityLog.h"
#include "base/gui/DesignScale.h"
#include "base/gui/Dialogs.h"
#include "base/gui/WindowClosing.h"
#include "diag/gui/DiagCommands.h"
#include "diag/gui/ExceptionHandler.h"
#include "emulator/gui/EmulatorCommands.h"
#include "emulator/gui/ExecNewProcess.h"
#include "gamefiles/gui/GameFileCommands.h"
#include "gamefiles/gui/SnapshotCommands.h"
#include "gamefiles/gui/StatusCommands.h"
#include "gamelist/GameListModel.h"
#include "gamelist/ListFileCodec.h"
#include "gamelist/gui/GameFilterBar.h"
#include "gamelist/gui/GameListCommands.h"
#include "gamelist/gui/PlayCommands.h"
#include "gamelist/gui/TSortGrid.h"
#include "gamelist/gui/VerifyCommands.h"
#include "locate/gui/LocateCommands.h"
#include "mainwindow/gui/GameDataPage.h"
#include "mainwindow/gui/StartupSequence.h"
#include "options/gui/OptionsCommands.h"
#include "platform/UserDataPath.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QLabel>
#include <QMenuBar>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QTabWidget>
#include <QTimer>

// Marks the window busy while a command or start-up step runs. Closing the window in the
// middle of one (its wait loop keeps serving the close box) ends the program once the
// command has finished; an emulator run under way is ended first. When the last one ends after a failure
// abandoned part of the work, the window is made idle again.
class TBusyScope {
  public:
    explicit TBusyScope(TForm1& form) : form(form) { ++form.busyDepth; }
    ~TBusyScope() {
        if (--form.busyDepth != 0)
            return;
        if (form.abandoned) {
            form.abandoned = false;
            form.ReturnToIdle();
        }
        if (form.quitWhenIdle)
            QCoreApplication::quit();
    }
    TBusyScope(const TBusyScope&) = delete;
    TBusyScope& operator=(const TBusyScope&) = delete;

  private:
    TForm1& form;
};

TForm1::TForm1(Dialogs& dialogs, QWidget* parent) : QMainWindow(parent), Dialogs_(dialogs) {
    // From here on a failure is written to the exception log of this window's user data folder.
    InstallExceptionHandler(&State);
    setObjectName(QStringLiteral("TForm1"));
    // The program ends when the main window has closed and no command is running.
    QGuiApplication::setQuitOnLastWindowClosed(false);
    ui.setupUi(this);
    Log = std::make_unique<ActivityLog>(ui.CreateProcessLog, ui.LogRichEdit);
    GameListModel = new TGameListModel(this);
    GameListModel->EmptyList();
    ui.SortGrid1->setModel(GameListModel);
    ui.FilterBar->FollowGrid();

    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint | Qt::WindowCloseButtonHint);
    // The designed size is the first and the smallest: the client area is 796 x 532 under the
    // menu bar; tool bar and status bar are inside it.
    const TDesignScale px(this);
    setMinimumSize(px(796), px(532) + ui.MainMenu1->sizeHint().height());
    resize(minimumSize());

    Launcher = new TProcessLauncher(*Log, Dialogs_, State, this);
    Events = new TWindowEvents(this);
    Commands = std::make_unique<TCommandRegistry>(*Log);
    context.reset(new TCommandContext{.State = State,
                                      .dialogs = Dialogs_,
                                      .Log = *Log,
                                      .Launcher = *Launcher,
                                      .GameList = *GameListModel,
                                      .Grid = *ui.SortGrid1,
                                      .Window = *this,
                                      .Events = *Events,
                                      .Commands = *Commands,
                                      .Options = ui.Options,
                                      .SearchEdit = ui.SearchEdit,
                                      .CommandLineSwitchesEdit = ui.CommandLineSwitchesEdit,
                                      .GameImage = ui.GameImage});
    Startup = std::make_unique<TStartupSequence>(*context);
    RegisterCommands();
    BindControls();

    connect(ui.Timer1, &QTimer::timeout, this, &TForm1::Timer1Timer);
    ui.Timer1->start();
    // The window sees every key before the focused control.
    qApp->installEventFilter(this);
    FormCreate();
}

TForm1::~TForm1() {
    qApp->removeEventFilter(this);
    InstallExceptionHandler(nullptr);
}

// Each subsystem gives its commands their handlers; the order is the order in which the
// secondary windows are created.
void TForm1::RegisterCommands() {
    RegisterEmulatorCommands(*context);
    RegisterPlayCommands(*context);
    RegisterStatusCommands(*context);
    RegisterSnapshotCommands(*context);
    RegisterGameFileCommands(*context);
    RegisterLocateCommands(*context);
    RegisterDiagCommands(*context, [this] { WriteFormSettings(); });
    RegisterOptionsCommands(*context);
    RegisterGameListCommands(*context);
    ConnectGameFilterBar(*context, *ui.FilterBar);
    context->Register(TCommand::ExitProgram, [this] { ExitProgram(); });
}

void TForm1::BindControls() {
    for (const TCommandBinding& binding : ui.bindings) {
        const TCommand command = binding.command;
        for (QAction* action : {binding.menuItem, binding.toolButton, binding.popupItem}) {
            if (action)
                connect(action, &QAction::triggered, this, [this, command] { RunCommand(command); });
        }
        if (binding.pushButton)
            connect(binding.pushButton, &QAbstractButton::clicked, this,
                    [this, command] { RunCommand(command); });
    }
    connect(ui.PageControl1, &QTabWidget::currentChanged, this, [this](int index) {
        if (settingTabQuietly)
            return;
        RunGuarded(Dialogs_, this, [&] { PageControl1Change(index); });
        ShowGameFolder();
    });
    // The grid raises this for every change of the current row and again after each sort,
    // when the current game has moved.
    ui.SortGrid1->OnSelectCell = [this](int row) { emit Events->gridRowChanged(row); };
    connect(Events, &TWindowEvents::gridRowChanged, this, [this] { ShowGameFolder(); });
    // A verification or a status set by hand changes the selected game's reason in place.
    connect(GameListModel, &QAbstractItemModel::dataChanged, this, [this] { ShowGameReason(); });
}

void TForm1::FormCreate() {
    State.CurrentPath = IncludeTrailingPathDelimiter(QCoreApplication::applicationDirPath());
    State.UserDataPath = ChooseUserDataPath(State.CurrentPath);
    // A failure to create the folder is not reported here: the first write reports it.
    QDir().mkpath(State.UserDataPath);
    RunGuarded(Dialogs_, this, [this] { ReadFormSettings(); });
}

QSize TForm1::DesignedFrameSize() const {
    // Before the window is first shown the frame is not known yet: then this is the window alone.
    return frameGeometry().size();
}

void TForm1::RunCommand(TCommand command) {
    emit commandRun(command);
    TBusyScope busy(*this);
    if (!RunGuarded(Dialogs_, this, [&] { Commands->Run(command); }))
        abandoned = true;
}

void TForm1::ReturnToIdle() {
    State.DoingVerification = false;
    State.AllowEscape = false;
    ShowVerifyButtonIdle(*context);
    EnableTaggedComponents(true);
    if (QAbstractButton* play = PushButton(TCommand::PlayGame))
        play->setEnabled(true);
    while (QApplication::overrideCursor())
        QApplication::restoreOverrideCursor();
}

void TForm1::ExitProgram() {
    exitRequested = true;
    QMetaObject::invokeMethod(this, &QWidget::close, Qt::QueuedConnection);
}

void TForm1::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    ui.FitToWindow(size() - minimumSize());
}

void TForm1::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (initialiseRan)
        return;
    initialiseRan = true;
    TBusyScope busy(*this);
    if (!Startup->Initialise())
        return;
    // The first-paint step belongs after the whole sequence. A paint that came while a box of
    // the sequence was open was let by; ask for another.
    startupFinished = true;
    update();
}

void TForm1::closeEvent(QCloseEvent* event) {
    RunGuarded(Dialogs_, this, [this] { CloseForm(); });
    event->accept();
    if (busyDepth == 0) {
        QCoreApplication::quit();
        return;
    }
    quitWhenIdle = true;
    setProperty(ClosedDuringCommandProperty, true);
    // A command that runs the emulator would go on without a window, its viewer showing later
    // on its own: its run ends now, Verify All ends with it, and every wait the command has
    // left (boxes, the viewer) returns at once.
    if (Launcher->CommandActive || Launcher->isRunning()) {
        State.StopVerification = true;
        Launcher->StopRun();
        QCoreApplication::exit(0);
    }
}

void TForm1::CloseForm() {
    const int row = ui.SortGrid1->Row();
    if (row > 1) {
        const QString gameName = GameListModel->Cells(colGameName, row);
        if (gameName != UnknownGameName()) {
            State.LastSelectedGame = gameName;
            context->SettingsIni().WriteString(Settings::Section, Settings::Key::LastSelectedGame, gameName);
        }
    }
    if (State.FormSettingsRead)
        WriteFormSettings();
}

bool TForm1::event(QEvent* event) {
    switch (event->type()) {
    case QEvent::StatusTip:
        // Hints go to the first panel, not over the whole bar.
        ui.StatusHintPanel->setText(static_cast<QStatusTipEvent*>(event)->tip());
        return true;
    case QEvent::UpdateRequest:
    case QEvent::Paint:
        ScheduleFirstPaintStep();
        break;
    default:
        break;
    }
    return QMainWindow::event(event);
}

bool TForm1::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress && watched->isWidgetType() &&
        static_cast<QWidget*>(watched)->window() == this) {
        if (IsNewKeyPress(static_cast<QWidget*>(watched), event))
            FormKeyDown(static_cast<QKeyEvent*>(event)->key());
    } else if (event->type() == QEvent::Paint && watched == centralWidget()) {
        ScheduleFirstPaintStep();
    }
    return QMainWindow::eventFilter(watched, event);
}

bool TForm1::IsNewKeyPress(QWidget* receiver, const QEvent* event) {
    // A key the focused control ignores travels up through its parents as the same event, and
    // the application's filter sees it at each of them: only its first receiver counts.
    // A new press may reuse the old one's address; it is taken for the old one only when it
    // arrives at a parent of the control that one last reached.
    const bool propagated = event == lastKeyEvent && lastKeyReceiver && receiver != lastKeyReceiver &&
                            receiver->isAncestorOf(lastKeyReceiver);
    lastKeyEvent = event;
    lastKeyReceiver = receiver;
    return !propagated;
}

void TForm1::ScheduleFirstPaintStep() {
    if (firstPaintScheduled || !startupFinished || exitRequested)
        return;
    firstPaintScheduled = true;
    // The frame is known once the window is on screen, so this is where it can be centred.
    CentreFramedWindow();
    // Not inside the paint itself: the step may open boxes and run the emulator.
    QTimer::singleShot(0, this, [this] {
        TBusyScope busy(*this);
        if (!RunGuarded(Dialogs_, this, [this] { Startup->Post_Initialise(); }))
            abandoned = true;
    });
}

void TForm1::FormKeyDown(int key) {
    Launcher->FormKeyDown(key);
    emit Events->keyPreviewed(key);
}

void TForm1::Timer1Timer() {
    const auto windows = QApplication::topLevelWidgets();
    for (QWidget* window : windows) {
        if (window->isVisible() && (window->windowFlags() & Qt::WindowStaysOnTopHint))
            window->raise();
    }
}

void TForm1::EnableTaggedComponents(bool enabled) {
    const auto widgets = findChildren<QWidget*>();
    for (QWidget* widget : widgets) {
        if (IsTagged(widget))
            widget->setEnabled(enabled);
    }
    const auto actions = findChildren<QAction*>();
    for (QAction* action : actions) {
        if (IsTagged(action))
            action->setEnabled(enabled);
    }
}

int TForm1::GridRow() const {
    return ui.SortGrid1->Row();
}

void TForm1::SelectGridRow(int row) {
    ui.SortGrid1->SetRow(row);
}

void TForm1::ShowPage(TPage page) {
    settingTabQuietly = true;
    ui.PageControl1->setCurrentIndex(int(page));
    settingTabQuietly = false;
}

void TForm1::ShowGameData() {
    ui.GameData->ShowGameData(State);
    ShowGameFolder();
}

// Looked up only while the tab shows: a game in a later folder means listing the earlier ones.
void TForm1::ShowGameFolder() {
    if (ui.PageControl1->currentWidget() != ui.GameData)
        return;
    const int row = GridRow();
    const QString fileDir =
        row >= 1 && row < GameListModel->RowCount() ? GameListModel->Game(row).fileDir : QString();
    ui.GameData->ShowGameFolder(fileDir.isEmpty() ? QString() : LocateGame(State.rompaths, fileDir).folder);
    ShowGameReason();
}

void TForm1::ShowGameReason() {
    if (ui.PageControl1->currentWidget() == ui.GameData)
        ui.GameData->ShowGameReason(GameListModel->ReasonText(GridRow()));
}

void TForm1::ShowMAMEPath() {
    ui.GameData->ShowMAMEPath(State);
}

QProgressBar* TForm1::ProgressBar() {
    return ui.ProgressBar1;
}

QLabel* TForm1::StatusPanel(TStatusPanel panel) {
    return panel == TStatusPanel::Hint ? ui.StatusHintPanel : ui.StatusStatePanel;
}

QAbstractButton* TForm1::PushButton(TCommand command) {
    for (const TCommandBinding& binding : ui.bindings) {
        if (binding.command == command)
            return binding.pushButton;
    }
    return nullptr;
}
