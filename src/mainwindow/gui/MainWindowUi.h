#pragma once
// The widgets of the main window, built in one place; TForm1 owns the behaviour.

#include "base/gui/CommandControls.h"

#include <QSize>

#include <vector>

class QMainWindow;
class QMenuBar;
class QMenu;
class QAction;
class QToolBar;
class QLineEdit;
class QPushButton;
class QToolButton;
class QTabWidget;
class QWidget;
class QLabel;
class QPlainTextEdit;
class QStatusBar;
class QProgressBar;
class QTimer;
class TGameImagePage;
class TSortGrid;
class OptionsPages;
class TGameDataPage;
class TGameFilterBar;

struct TForm1Ui {
    QMenuBar* MainMenu1 = nullptr;
    QMenu* GameMenu = nullptr;
    QMenu* AllGamesMenu = nullptr;
    QMenu* OptionsMenu = nullptr;
    QMenu* HelpMenu = nullptr;
    QAction* DonateMenuItem = nullptr;
    QAction* ExitMenuItem = nullptr;

    QToolBar* ToolBar1 = nullptr;
    // At the tool bar's end, over the grid's rows.
    TGameFilterBar* FilterBar = nullptr;
    TSortGrid* SortGrid1 = nullptr;
    QMenu* PopupMenu1 = nullptr;
    QLineEdit* SearchEdit = nullptr;
    QPushButton* SearchGameBitBtn = nullptr;

    QTabWidget* PageControl1 = nullptr;
    TGameImagePage* GameImage = nullptr;
    QWidget* ControlsTab = nullptr;
    QWidget* AudioTab = nullptr;
    QWidget* VideoTab = nullptr;

    // Game Image tab.
    QLabel* Image2 = nullptr;
    QLabel* NoImageLabel = nullptr;
    QPushButton* ClearImageBitBtn = nullptr;
    QPushButton* RefreshImageBitBtn = nullptr;
    QPushButton* ImageHelpBitBtn = nullptr;

    // Log tab.
    QPlainTextEdit* LogRichEdit = nullptr;

    // Game Data tab.
    TGameDataPage* GameData = nullptr;
    QLineEdit* MAMEDirEdit = nullptr;
    QToolButton* MAMEDirSelectButton = nullptr;
    QPushButton* MAMEDirSearchBitBtn = nullptr;
    QPushButton* ScanForGamesBitBtn = nullptr;
    QLabel* TotalGamesLabel = nullptr;
    QLabel* KnownGamesLabel = nullptr;
    QLabel* UnknownGamesLabel = nullptr;
    QLabel* ImportDateLabel = nullptr;
    QPushButton* VerifyAllGamesBtn = nullptr;
    QPushButton* ViewVerifyReportBitBtn = nullptr;
    QLabel* VerifyDateLabel = nullptr;

    // Controls, Audio and Video tabs.
    OptionsPages* Options = nullptr;
    QLineEdit* CommandLineSwitchesEdit = nullptr;

    QPlainTextEdit* CreateProcessLog = nullptr;
    QPushButton* RandomPlayBtn = nullptr;
    QPushButton* RunGameBitBtn = nullptr;
    QPushButton* ExiTButton = nullptr;
    QPushButton* SaveSettingsBitBtn = nullptr;

    QStatusBar* StatusBar1 = nullptr;
    QLabel* StatusHintPanel = nullptr;
    QLabel* StatusStatePanel = nullptr;
    QProgressBar* ProgressBar1 = nullptr;
    QTimer* Timer1 = nullptr;

    std::vector<TCommandBinding> bindings;

    // The room the window has beyond its designed size goes to the grid (width and height)
    // and the output pane (width); everything else keeps its designed size.
    void FitToWindow(QSize extra);

    void setupUi(QMainWindow* form);
};
