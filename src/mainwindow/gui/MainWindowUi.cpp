#include "mainwindow/gui/MainWindowUi.h"

#include "base/ProgramTexts.h"
#include "base/gui/CommandControls.h"
#include "base/gui/DesignScale.h"
#include "gamefiles/gui/GameImagePage.h"
#include "gamelist/gui/GameFilterBar.h"
#include "gamelist/gui/TSortGrid.h"
#include "mainwindow/gui/GameDataPage.h"
#include "mainwindow/gui/MainWindowCommands.h"
#include "options/gui/OptionsPages.h"
#include "platform/gui/TaskbarProgress.h"

#include <QAction>
#include <QCoreApplication>
#include <QFontDatabase>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QProxyStyle>
#include <QPushButton>
#include <QStatusBar>
#include <QTabBar>
#include <QTabWidget>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>

namespace {

// The designed sizes of the main window's large controls.
constexpr QSize kGridSize(377, 259);
constexpr QSize kPageControlSize(402, 289);
constexpr QSize kLogSize(785, 150);
constexpr int kBottomButtonWidth = 100;
constexpr int kImageSide = 238;

// A read-only log pane: fixed-pitch font on silver, its own colours whatever the style.
QPlainTextEdit* MakeLogPane(QWidget* parent, const QString& name, const TDesignScale& px) {
    auto* pane = new QPlainTextEdit(parent);
    pane->setObjectName(name);
    pane->setReadOnly(true);
    pane->setLineWrapMode(QPlainTextEdit::NoWrap);
    pane->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    QFont font(QStringLiteral("Consolas"));
    if (!QFontInfo(font).fixedPitch())
        font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    font.setPointSizeF(8 * px.factor());
    pane->setFont(font);
    QPalette palette = pane->palette();
    palette.setColor(QPalette::Base, QColor(0xC0, 0xC0, 0xC0));
    palette.setColor(QPalette::Text, Qt::black);
    pane->setPalette(palette);
    pane->setAutoFillBackground(true);
    return pane;
}

QLabel* MakeStatusPanel(QStatusBar* bar, const QString& name, int width) {
    auto* panel = new QLabel(bar);
    panel->setObjectName(name);
    panel->setFixedWidth(width);
    panel->setFrameShape(QFrame::StyledPanel);
    panel->setFrameShadow(QFrame::Sunken);
    panel->setIndent(2);
    return panel;
}

// Six tabs share one row of 402 pixels: the style's padding around each tab label is
// narrowed so that every label stays whole.
class CompactTabStyle : public QProxyStyle {
  public:
    explicit CompactTabStyle(int maxSpace) : maxSpace(maxSpace) {}
    int pixelMetric(PixelMetric metric, const QStyleOption* option, const QWidget* widget) const override {
        const int value = QProxyStyle::pixelMetric(metric, option, widget);
        return metric == PM_TabBarTabHSpace ? std::min(value, maxSpace) : value;
    }

  private:
    int maxSpace;
};

class TPageControl : public QTabWidget {
  public:
    TPageControl(QWidget* parent, const TDesignScale& px) : QTabWidget(parent) {
        auto* style = new CompactTabStyle(px(12));
        style->setParent(tabBar());
        tabBar()->setStyle(style);
    }
};

// Keeps a child at the right end of its parent, centred vertically, whatever the layout does.
class RightEndPlacer : public QObject {
  public:
    RightEndPlacer(QWidget* child, QWidget* parent) : QObject(child), child(child) {
        parent->installEventFilter(this);
    }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Resize || event->type() == QEvent::Show) {
            const QWidget* parent = static_cast<QWidget*>(watched);
            child->move(parent->width() - child->width() - 2, (parent->height() - child->height()) / 2);
            child->raise();
        }
        return false;
    }

  private:
    QWidget* child;
};

} // namespace

void TForm1Ui::setupUi(QMainWindow* form) {
    form->setWindowTitle(ProgramName);
    const TDesignScale px(form);
    SetHelpContext(form, THelpContext::GameList);

    auto* central = new QWidget(form);
    form->setCentralWidget(central);

    // Grid and its search row, left.
    SortGrid1 = new TSortGrid(central);
    SortGrid1->setObjectName(QStringLiteral("SortGrid1"));
    Tag(SortGrid1);
    SetHelpContext(SortGrid1, THelpContext::GameList);
    SearchEdit = new QLineEdit(central);
    SearchEdit->setObjectName(QStringLiteral("SearchEdit"));
    Tag(SearchEdit);
    SetHelpContext(SearchEdit, THelpContext::GameList);
    SearchGameBitBtn = MakeCommandButton(central, TCommand::SearchGame);
    SearchEdit->setToolTip(SearchGameBitBtn->toolTip());
    SearchEdit->setStatusTip(SearchGameBitBtn->statusTip());

    auto* left = new QVBoxLayout;
    left->setSpacing(4);
    left->addWidget(SortGrid1);
    auto* searchRow = new QHBoxLayout;
    searchRow->setSpacing(4);
    searchRow->addWidget(SearchEdit, 1);
    searchRow->addWidget(SearchGameBitBtn);
    left->addLayout(searchRow);
    left->addStretch(1);

    // Tabs, right.
    PageControl1 = new TPageControl(central, px);
    PageControl1->setObjectName(QStringLiteral("PageControl1"));
    PageControl1->setFixedSize(px(kPageControlSize));
    PageControl1->setElideMode(Qt::ElideNone);
    PageControl1->tabBar()->setExpanding(false);
    SetHelpContext(PageControl1, THelpContext::Tabs);

    GameImage = new TGameImagePage(px(kImageSide));
    Image2 = GameImage->Image2;
    NoImageLabel = GameImage->NoImageLabel;
    ClearImageBitBtn = GameImage->ClearImageBitBtn;
    RefreshImageBitBtn = GameImage->RefreshImageBitBtn;
    ImageHelpBitBtn = GameImage->ImageHelpBitBtn;

    auto* logTab = new QWidget;
    logTab->setObjectName(QStringLiteral("LogTab"));
    LogRichEdit = MakeLogPane(logTab, QStringLiteral("LogRichEdit"), px);
    SetHelpContext(LogRichEdit, THelpContext::Tabs);
    {
        auto* layout = new QVBoxLayout(logTab);
        layout->setContentsMargins(2, 2, 2, 2);
        layout->addWidget(LogRichEdit);
    }

    GameData = new TGameDataPage;
    MAMEDirEdit = GameData->MAMEDirEdit;
    MAMEDirSelectButton = GameData->MAMEDirSelectButton;
    MAMEDirSearchBitBtn = GameData->MAMEDirSearchBitBtn;
    ScanForGamesBitBtn = GameData->ScanForGamesBitBtn;
    TotalGamesLabel = GameData->TotalGamesLabel;
    KnownGamesLabel = GameData->KnownGamesLabel;
    UnknownGamesLabel = GameData->UnknownGamesLabel;
    ImportDateLabel = GameData->ImportDateLabel;
    VerifyAllGamesBtn = GameData->VerifyAllGamesBtn;
    ViewVerifyReportBitBtn = GameData->ViewVerifyReportBitBtn;
    VerifyDateLabel = GameData->VerifyDateLabel;

    Options = new OptionsPages(PageControl1);
    ControlsTab = Options->Controls;
    AudioTab = Options->Audio;
    VideoTab = Options->Video;
    // These tabs and every control on them open the same help topic.
    for (QWidget* page : {static_cast<QWidget*>(GameImage), ControlsTab, AudioTab, VideoTab}) {
        SetHelpContext(page, THelpContext::Tabs);
        const auto controls = page->findChildren<QWidget*>();
        for (QWidget* control : controls)
            SetHelpContext(control, THelpContext::Tabs);
    }
    CommandLineSwitchesEdit = Options->Controls->CommandLineSwitchesEdit;

    PageControl1->addTab(GameImage, QCoreApplication::translate("MainWindow", "Game Image"));
    PageControl1->addTab(logTab, QCoreApplication::translate("MainWindow", "Log"));
    PageControl1->addTab(GameData, QCoreApplication::translate("MainWindow", "Game Data"));
    PageControl1->addTab(ControlsTab, QCoreApplication::translate("MainWindow", "Controls"));
    PageControl1->addTab(AudioTab, QCoreApplication::translate("MainWindow", "Audio"));
    PageControl1->addTab(VideoTab, QCoreApplication::translate("MainWindow", "Video"));

    CreateProcessLog = MakeLogPane(central, QStringLiteral("CreateProcessLog"), px);

    RandomPlayBtn = MakeCommandButton(central, TCommand::PlayRandomGame);
    RunGameBitBtn = MakeCommandButton(central, TCommand::PlayGame);
    ExiTButton = MakeCommandButton(central, TCommand::ExitProgram);
    SaveSettingsBitBtn = MakeCommandButton(central, TCommand::SaveSettings);
    SaveSettingsBitBtn->setEnabled(false);

    auto* top = new QHBoxLayout;
    top->setSpacing(6);
    top->addLayout(left);
    top->addWidget(PageControl1, 0, Qt::AlignTop);
    // Play commands at the left, Save Settings under the option tabs it belongs to.
    auto* buttons = new QHBoxLayout;
    buttons->setSpacing(6);
    for (QPushButton* button : {RandomPlayBtn, RunGameBitBtn, ExiTButton, SaveSettingsBitBtn})
        button->setMinimumWidth(px(kBottomButtonWidth));
    buttons->addWidget(RandomPlayBtn);
    buttons->addWidget(RunGameBitBtn);
    buttons->addWidget(ExiTButton);
    buttons->addStretch(1);
    buttons->addWidget(SaveSettingsBitBtn);
    auto* main = new QVBoxLayout(central);
    main->setContentsMargins(5, 3, 6, 3);
    main->setSpacing(4);
    main->addLayout(top);
    main->addWidget(CreateProcessLog);
    main->addStretch(1);
    main->addLayout(buttons);

    StatusBar1 = new QStatusBar(form);
    StatusBar1->setObjectName(QStringLiteral("StatusBar1"));
    StatusBar1->setSizeGripEnabled(false);
    StatusHintPanel = MakeStatusPanel(StatusBar1, QStringLiteral("StatusHintPanel"), px(600));
    StatusStatePanel = MakeStatusPanel(StatusBar1, QStringLiteral("StatusStatePanel"), px(50));
    StatusStatePanel->setAlignment(Qt::AlignCenter);
    StatusBar1->addWidget(StatusHintPanel);
    StatusBar1->addWidget(StatusStatePanel);
    // Over the right end of the bar, outside its layout: panels and bar overlap as designed.
    ProgressBar1 = new QProgressBar(StatusBar1);
    ProgressBar1->setObjectName(QStringLiteral("ProgressBar1"));
    ProgressBar1->setFixedSize(px(QSize(185, 17)));
    ProgressBar1->setTextVisible(false);
    ProgressBar1->setRange(0, 100);
    ProgressBar1->setValue(0);
    new RightEndPlacer(ProgressBar1, StatusBar1);
    MirrorOnTaskbar(ProgressBar1, form);
    form->setStatusBar(StatusBar1);

    Timer1 = new QTimer(form);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(500);

    BuildMenusAndToolBar(*this, form);
    // The filter takes the tool bar's room after its buttons: the grid keeps its designed size.
    FilterBar = new TGameFilterBar(*SortGrid1, ToolBar1);
    ToolBar1->addWidget(FilterBar);
    SetHelpContext(FilterBar, THelpContext::GameList);
    FitToWindow(QSize(0, 0));
}

void TForm1Ui::FitToWindow(QSize extra) {
    const TDesignScale px(SortGrid1);
    extra = extra.expandedTo(QSize(0, 0));
    SortGrid1->setFixedSize(px(kGridSize) + extra);
    CreateProcessLog->setFixedSize(px(kLogSize) + QSize(extra.width(), 0));
}
