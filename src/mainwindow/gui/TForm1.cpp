#include "mainwindow/gui/TForm1.h"

#include "base/FileLookup.h"
#include "base/IniFile.h"
#include "base/SettingsKeys.h"
#include "base/gui/DesignScale.h"
#include "base/gui/Dialogs.h"
#include "diag/gui/ExceptionHandler.h"
#include "emulator/gui/ExecNewProcess.h"
#include "gamelist/GameListModel.h"
#include "gamelist/gui/TSortGrid.h"
#include "locate/gui/LocateCommands.h"
#include "locate/gui/TForm5.h"
#include "options/MameIni.h"
#include "options/gui/OptionsPages.h"
#include "platform/UserDataPath.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QTabWidget>
#include <QTimer>
#include <QToolBar>

// Marks the window busy while a command or start-up step runs. Closing the window in the
// middle of one (its wait loop keeps serving the close box) ends the program only once
// the command has finished, so no run is cut short.
class TBusyScope {
  public:
    explicit TBusyScope(TForm1& form) : form(form) { ++form.busyDepth; }
    ~TBusyScope() {
        if (--form.busyDepth == 0 && form.quitWhenIdle)
            QCoreApplication::quit();
    }
    TBusyScope(const TBusyScope&) = delete;
    TBusyScope& operator=(const TBusyScope&) = delete;

  private:
    TForm1& form;
};

TForm1::TForm1(Dialogs& dialogs, QWidget* parent) : QMainWindow(parent), Dialogs_(dialogs) {
    setObjectName(QStringLiteral("TForm1"));
    // The program ends when the main window has closed and no command is running.
    QGuiApplication::setQuitOnLastWindowClosed(false);
    ui.setupUi(this);
    Log = std::make_unique<ActivityLog>(ui.CreateProcessLog, ui.LogRichEdit);
    GameListModel = new TGameListModel(this);
    GameListModel->EmptyList();
    ui.SortGrid1->setModel(GameListModel);

    // A fixed frame: no maximise box, no resizing.
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint |
                   Qt::MSWindowsFixedSizeDialogHint);
    // The client area is 796 x 532 under the menu bar; tool bar and status bar are inside it.
    const TDesignScale px(this);
    setFixedSize(px(796), px(532) + ui.MainMenu1->sizeHint().height());

    BindCommands();
    connect(ui.PageControl1, &QTabWidget::currentChanged, this, [this](int index) {
        if (!settingTabQuietly)
            RunGuarded(Dialogs_, this, [&] { PageControl1Change(index); });
    });
    connect(ui.CommandLineSwitchesEdit, &QLineEdit::textChanged, this, [this](const QString& text) {
        RunGuarded(Dialogs_, this, [&] { CommandLineSwitchesEditChange(text); });
    });
    connect(ui.Timer1, &QTimer::timeout, this, &TForm1::Timer1Timer);
    ui.Timer1->start();
    // The window sees every key before the focused control.
    qApp->installEventFilter(this);

    Launcher_ = new TProcessLauncher(*Log, Dialogs_, State, this);
    // Secondary windows live as long as the main window.
    Form5 = new TForm5(
        State, Dialogs_, [this](const QString& folder) { AcceptMAMEPath(folder); }, this);
    MAMEDirSearch = [this] { Form5->exec(); };
    connect(ui.Options, &OptionsPages::optionChanged, this,
            [this] { ui.SaveSettingsBitBtn->setEnabled(true); });
    BindHandlers();
    FormCreate();
}

TForm1::~TForm1() {
    qApp->removeEventFilter(this);
}

TIniFile TForm1::SettingsIni() const {
    return SettingsFile(State.UserDataPath);
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

void TForm1::BindCommands() {
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
}

void TForm1::SetCommandHandler(TCommand command, std::function<void()> handler) {
    handlers[command] = std::move(handler);
}

void TForm1::RunCommand(TCommand command) {
    emit commandRun(command);
    const auto handler = handlers.find(command);
    if (handler == handlers.end())
        return; // built by a later release of the program
    TBusyScope busy(*this);
    RunGuarded(Dialogs_, this, handler->second);
}

void TForm1::ExitProgram() {
    exitRequested = true;
    QMetaObject::invokeMethod(this, &QWidget::close, Qt::QueuedConnection);
}

void TForm1::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (initialiseRan)
        return;
    initialiseRan = true;
    TBusyScope busy(*this);
    Initialise();
    if (exitRequested)
        return;
    // The first-paint step belongs after the whole sequence. A paint that came while a box of
    // the sequence was open was let by; ask for another.
    startupFinished = true;
    update();
}

void TForm1::closeEvent(QCloseEvent* event) {
    RunGuarded(Dialogs_, this, [this] { CloseForm(); });
    event->accept();
    if (busyDepth == 0)
        QCoreApplication::quit();
    else
        quitWhenIdle = true;
}

void TForm1::CloseForm() {
    const int row = ui.SortGrid1->Row();
    if (row > 1) {
        const QString gameName = GameList().Cells(colGameName, row);
        if (gameName != QLatin1String("[UNKNOWN GAME]")) {
            State.LastSelectedGame = gameName;
            SettingsIni().WriteString(Settings::Section, Settings::Key::LastSelectedGame, gameName);
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
        RunGuarded(Dialogs_, this, [this] { Post_Initialise(); });
    });
}

void TForm1::FormKeyDown(int key) {
    Launcher_->FormKeyDown(key);
    emit keyPreviewed(key);
}

int TForm1::ExecNewProcess(const QString& Dir, const QString& Command) {
    return Launcher_->ExecNewProcess(Dir, Command);
}

void TForm1::BindHandlers() {
    SetCommandHandler(TCommand::ExitProgram, [this] { ExitProgram(); });
    SetCommandHandler(TCommand::SaveSettings, [this] { SaveSettings(); });
    SetCommandHandler(TCommand::MAMEDirSelect, [this] {
        ::MAMEDirSelect(State, Dialogs_, this, ui.MAMEDirEdit->text(),
                        [this](const QString& folder) { AcceptMAMEPath(folder); });
    });
    SetCommandHandler(TCommand::MAMEDirSearch, [this] { MAMEDirSearch(); });
    SetCommandHandler(TCommand::OpenExplorertoDataPath,
                      [this] { ::OpenExplorertoDataPath(State, Dialogs_); });
    SetCommandHandler(TCommand::OpenExplorertoMAMEPath,
                      [this] { ::OpenExplorertoMAMEPath(State, Dialogs_); });
}

void TForm1::AcceptMAMEPath(const QString& folder) {
    State.MAMEPath = IncludeTrailingPathDelimiter(folder);
    ui.MAMEDirEdit->setText(State.MAMEPath);
    SettingsIni().WriteString(Settings::Section, Settings::Key::MAMEPath, State.MAMEPath);
}

void TForm1::SaveSettings() {
    ui.Options->SaveSettings(MameIniPath(State.MAMEPath), [this](const QString& value) {
        if (State.debug)
            Dialogs_.plainMessage(QStringLiteral("Found: ") + value);
    });
    ui.SaveSettingsBitBtn->setEnabled(false);
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
        if (widget->property("tag").toInt() == kTaggedControl)
            widget->setEnabled(enabled);
    }
    const auto actions = findChildren<QAction*>();
    for (QAction* action : actions) {
        if (action->property("tag").toInt() == kTaggedControl)
            action->setEnabled(enabled);
    }
}
