#include "mainwindow/gui/MainWindowUi.h"

#include "base/gui/DesignScale.h"
#include "gamelist/gui/TSortGrid.h"
#include "mainwindow/gui/MainWindowCommands.h"
#include "options/gui/OptionsPages.h"

#include <QAction>
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

void Tag(QObject* object) {
    object->setProperty("tag", kTaggedControl);
}

void SetHelpContext(QObject* object, int context) {
    object->setProperty("helpContext", context);
}

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

QPushButton* MakeButton(QWidget* parent, const QString& name, const QString& caption, const QString& hint,
                        const char* icon) {
    auto* button = new QPushButton(ResourceIcon(icon), caption, parent);
    button->setObjectName(name);
    button->setIconSize(QSize(16, 16));
    if (!hint.isEmpty()) {
        button->setToolTip(hint);
        button->setStatusTip(hint);
    }
    return button;
}

QLabel* MakeValueLabel(QWidget* parent, const QString& name, const QString& text) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    return label;
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
    form->setWindowTitle(QStringLiteral("Pellmora"));
    const TDesignScale px(form);
    SetHelpContext(form, 60);

    auto* central = new QWidget(form);
    form->setCentralWidget(central);

    // Grid and its search row, left.
    SortGrid1 = new TSortGrid(central);
    SortGrid1->setObjectName(QStringLiteral("SortGrid1"));
    Tag(SortGrid1);
    SetHelpContext(SortGrid1, 60);
    SearchEdit = new QLineEdit(central);
    SearchEdit->setObjectName(QStringLiteral("SearchEdit"));
    Tag(SearchEdit);
    SetHelpContext(SearchEdit, 60);
    SearchGameBitBtn = MakeButton(
        central, QStringLiteral("SearchGameBitBtn"), QStringLiteral("Search"),
        QStringLiteral("Search for a game - Not case sensitive, Partial words allowed."), "search");
    Tag(SearchGameBitBtn);
    SetHelpContext(SearchGameBitBtn, 60);
    SearchEdit->setToolTip(SearchGameBitBtn->toolTip());
    SearchEdit->setStatusTip(SearchGameBitBtn->statusTip());

    SortGrid1->setFixedSize(px(kGridSize));
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
    SetHelpContext(PageControl1, 70);

    GameImageTab = new QWidget;
    GameImageTab->setObjectName(QStringLiteral("GameImageTab"));
    SetHelpContext(GameImageTab, 70);
    Image1 = new QLabel(GameImageTab);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->hide();
    Image2 = new QLabel(GameImageTab);
    Image2->setObjectName(QStringLiteral("Image2"));
    Image2->setFixedSize(px(QSize(238, 238)));
    Image2->setAlignment(Qt::AlignCenter);
    SetHelpContext(Image2, 70);
    NoImageLabel = new QLabel(QStringLiteral("No Image"), GameImageTab);
    NoImageLabel->setObjectName(QStringLiteral("NoImageLabel"));
    QFont bold = NoImageLabel->font();
    bold.setBold(true);
    NoImageLabel->setFont(bold);
    NoImageLabel->setAlignment(Qt::AlignCenter);
    DeleteImageBitBtn =
        MakeButton(GameImageTab, QStringLiteral("DeleteImageBitBtn"), QStringLiteral("Delete Image"),
                   QStringLiteral("Delete the game image file for the currently selected game."), "delete");
    RefreshImageBitBtn = MakeButton(GameImageTab, QStringLiteral("RefreshImageBitBtn"),
                                    QStringLiteral("Refresh"), QString(), "refresh");
    ImageHelpBitBtn = MakeButton(GameImageTab, QStringLiteral("ImageHelpBitBtn"),
                                 QStringLiteral("Image Help"), QStringLiteral("Game image help."), "help");
    for (QWidget* w : {static_cast<QWidget*>(DeleteImageBitBtn), static_cast<QWidget*>(RefreshImageBitBtn),
                       static_cast<QWidget*>(ImageHelpBitBtn)}) {
        Tag(w);
        SetHelpContext(w, 70);
    }
    {
        auto* layout = new QHBoxLayout(GameImageTab);
        auto* imageStack = new QGridLayout;
        imageStack->addWidget(Image2, 0, 0, Qt::AlignCenter);
        imageStack->addWidget(NoImageLabel, 0, 0, Qt::AlignCenter);
        layout->addLayout(imageStack, 1);
        auto* buttons = new QVBoxLayout;
        buttons->addWidget(DeleteImageBitBtn);
        buttons->addWidget(RefreshImageBitBtn);
        buttons->addWidget(ImageHelpBitBtn);
        buttons->addStretch(1);
        layout->addLayout(buttons);
    }

    LogTab = new QWidget;
    LogTab->setObjectName(QStringLiteral("LogTab"));
    LogRichEdit = MakeLogPane(LogTab, QStringLiteral("LogRichEdit"), px);
    SetHelpContext(LogRichEdit, 70);
    {
        auto* layout = new QVBoxLayout(LogTab);
        layout->setContentsMargins(2, 2, 2, 2);
        layout->addWidget(LogRichEdit);
    }

    GameDataTab = new QWidget;
    GameDataTab->setObjectName(QStringLiteral("GameDataTab"));
    SetHelpContext(GameDataTab, 30);
    MAMEDirEdit = new QLineEdit(GameDataTab);
    MAMEDirEdit->setObjectName(QStringLiteral("MAMEDirEdit"));
    MAMEDirEdit->setReadOnly(true);
    SetHelpContext(MAMEDirEdit, 70);
    MAMEDirSelectButton = new QToolButton(GameDataTab);
    MAMEDirSelectButton->setObjectName(QStringLiteral("MAMEDirSelectButton"));
    MAMEDirSelectButton->setIcon(ResourceIcon("folder"));
    MAMEDirSelectButton->setIconSize(QSize(16, 16));
    MAMEDirSelectButton->setToolTip(QStringLiteral("Select Path"));
    MAMEDirSelectButton->setStatusTip(
        QStringLiteral("Select the folder where MAME.EXE or MAME64.EXE is located."));
    Tag(MAMEDirSelectButton);
    SetHelpContext(MAMEDirSelectButton, 70);
    MAMEDirSearchBitBtn =
        MakeButton(GameDataTab, QStringLiteral("MAMEDirSearchBitBtn"), QStringLiteral("Search"),
                   QStringLiteral("Search for directory where MAME.EXE or MAME64.EXE is located."), "search");
    Tag(MAMEDirSearchBitBtn);
    SetHelpContext(MAMEDirSearchBitBtn, 70);
    ScanForGamesBitBtn =
        MakeButton(GameDataTab, QStringLiteral("ScanForGamesBitBtn"), QStringLiteral("Scan for Games"),
                   QStringLiteral("Find all the games located under the ROMS directory."), "scan");
    Tag(ScanForGamesBitBtn);
    SetHelpContext(ScanForGamesBitBtn, 120);
    TotalGamesLabel = MakeValueLabel(GameDataTab, QStringLiteral("TotalGamesLabel"), QStringLiteral("0"));
    KnownGamesLabel = MakeValueLabel(GameDataTab, QStringLiteral("KnownGamesLabel"), QStringLiteral("0"));
    UnknownGamesLabel = MakeValueLabel(GameDataTab, QStringLiteral("UnknownGamesLabel"), QStringLiteral("0"));
    ImportDateLabel = MakeValueLabel(GameDataTab, QStringLiteral("ImportDateLabel"), QStringLiteral("None"));
    VerifyAllGamesBitBtn =
        MakeButton(GameDataTab, QStringLiteral("VerifyAllGamesBitBtn"), QStringLiteral("Verify All Games"),
                   QStringLiteral("Check all the games to determine if they are OK to play."), "verify");
    Tag(VerifyAllGamesBitBtn);
    SetHelpContext(VerifyAllGamesBitBtn, 130);
    ViewVerifyReportBitBtn = MakeButton(
        GameDataTab, QStringLiteral("ViewVerifyReportBitBtn"), QStringLiteral("View Verify Report"),
        QStringLiteral("Display the results of the last time all the games were verified."), "report");
    Tag(ViewVerifyReportBitBtn);
    SetHelpContext(ViewVerifyReportBitBtn, 130);
    VerifyDateLabel = MakeValueLabel(GameDataTab, QStringLiteral("VerifyDateLabel"), QStringLiteral("None"));
    {
        // Three framed groups share about 260 pixels of height: keep the frames tight.
        auto* layout = new QVBoxLayout(GameDataTab);
        layout->setContentsMargins(6, 6, 6, 4);
        layout->setSpacing(4);
        auto* pathBox = new QGroupBox(QStringLiteral("Path to MAME.EXE/MAME64.EXE"), GameDataTab);
        auto* pathRow = new QHBoxLayout(pathBox);
        pathRow->setContentsMargins(6, 2, 6, 6);
        pathRow->setSpacing(4);
        pathRow->addWidget(MAMEDirEdit, 1);
        pathRow->addWidget(MAMEDirSelectButton);
        pathRow->addWidget(MAMEDirSearchBitBtn);
        layout->addWidget(pathBox);

        auto* scanBox = new QGroupBox(GameDataTab);
        auto* scanGrid = new QGridLayout(scanBox);
        scanGrid->setContentsMargins(6, 6, 6, 6);
        scanGrid->setVerticalSpacing(3);
        scanGrid->setHorizontalSpacing(8);
        scanGrid->addWidget(ScanForGamesBitBtn, 0, 0, 1, 2, Qt::AlignLeft);
        scanGrid->addWidget(new QLabel(QStringLiteral("Total games supported:"), scanBox), 1, 0);
        scanGrid->addWidget(TotalGamesLabel, 1, 1);
        scanGrid->addWidget(new QLabel(QStringLiteral("Known games found:"), scanBox), 2, 0);
        scanGrid->addWidget(KnownGamesLabel, 2, 1);
        scanGrid->addWidget(new QLabel(QStringLiteral("Unknown games found:"), scanBox), 3, 0);
        scanGrid->addWidget(UnknownGamesLabel, 3, 1);
        scanGrid->addWidget(new QLabel(QStringLiteral("Date last scanned:"), scanBox), 4, 0);
        scanGrid->addWidget(ImportDateLabel, 4, 1);
        scanGrid->setColumnStretch(1, 1);
        layout->addWidget(scanBox);

        auto* verifyBox = new QGroupBox(GameDataTab);
        auto* verifyGrid = new QGridLayout(verifyBox);
        verifyGrid->setContentsMargins(6, 6, 6, 6);
        verifyGrid->setVerticalSpacing(3);
        verifyGrid->setHorizontalSpacing(8);
        auto* verifyButtons = new QHBoxLayout;
        verifyButtons->setSpacing(6);
        verifyButtons->addWidget(VerifyAllGamesBitBtn);
        verifyButtons->addWidget(ViewVerifyReportBitBtn);
        verifyButtons->addStretch(1);
        verifyGrid->addLayout(verifyButtons, 0, 0, 1, 2);
        verifyGrid->addWidget(new QLabel(QStringLiteral("Date last verified:"), verifyBox), 1, 0);
        verifyGrid->addWidget(VerifyDateLabel, 1, 1);
        verifyGrid->setColumnStretch(1, 1);
        layout->addWidget(verifyBox);
        layout->addStretch(1);
    }

    Options = new OptionsPages(PageControl1);
    ControlsTab = Options->Controls;
    AudioTab = Options->Audio;
    VideoTab = Options->Video;
    // These tabs and every control on them open the same help topic.
    for (QWidget* page : {GameImageTab, ControlsTab, AudioTab, VideoTab}) {
        SetHelpContext(page, 70);
        const auto controls = page->findChildren<QWidget*>();
        for (QWidget* control : controls)
            SetHelpContext(control, 70);
    }
    CommandLineSwitchesEdit = Options->Controls->CommandLineSwitchesEdit;

    PageControl1->addTab(GameImageTab, QStringLiteral("Game Image"));
    PageControl1->addTab(LogTab, QStringLiteral("Log"));
    PageControl1->addTab(GameDataTab, QStringLiteral("Game Data"));
    PageControl1->addTab(ControlsTab, QStringLiteral("Controls"));
    PageControl1->addTab(AudioTab, QStringLiteral("Audio"));
    PageControl1->addTab(VideoTab, QStringLiteral("Video"));

    CreateProcessLog = MakeLogPane(central, QStringLiteral("CreateProcessLog"), px);

    RandomPlayBtn = MakeButton(central, QStringLiteral("RandomPlayBtn"), QStringLiteral("Random"),
                               QStringLiteral("Play a game at random."), "random");
    SetHelpContext(RandomPlayBtn, 60);
    RunGameBitBtn = MakeButton(central, QStringLiteral("RunGameBitBtn"), QStringLiteral("Play Game"),
                               QStringLiteral("Play the selected game."), "play");
    SetHelpContext(RunGameBitBtn, 80);
    ExiTButton = MakeButton(central, QStringLiteral("ExiTButton"), QStringLiteral("Exit"),
                            QStringLiteral("Exit the program."), "exit");
    SaveSettingsBitBtn =
        MakeButton(central, QStringLiteral("SaveSettingsBitBtn"), QStringLiteral("Save Settings"),
                   QStringLiteral("Save the settings."), "save");
    SaveSettingsBitBtn->setEnabled(false);
    for (QWidget* w : {static_cast<QWidget*>(RandomPlayBtn), static_cast<QWidget*>(RunGameBitBtn),
                       static_cast<QWidget*>(ExiTButton), static_cast<QWidget*>(SaveSettingsBitBtn)})
        Tag(w);

    CreateProcessLog->setFixedSize(px(kLogSize));

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
    form->setStatusBar(StatusBar1);

    Timer1 = new QTimer(form);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(500);

    BuildMenusAndToolBar(*this, form);
}
