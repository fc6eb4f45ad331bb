#include "mainwindow/gui/GameDataPage.h"

#include "base/AppState.h"
#include "base/DateTimeText.h"
#include "base/gui/CommandControls.h"

#include <QCoreApplication>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

QLabel* MakeValueLabel(QWidget* parent, const QString& name, const QString& text) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    return label;
}

QGridLayout* MakeFrameGrid(QGroupBox* frame) {
    auto* grid = new QGridLayout(frame);
    grid->setContentsMargins(6, 6, 6, 6);
    grid->setVerticalSpacing(3);
    grid->setHorizontalSpacing(8);
    grid->setColumnStretch(1, 1);
    return grid;
}

QString DateText(TDateTime value) {
    return value == 0 ? QCoreApplication::translate("GameData", "None") : DateTimeToStr(value);
}

} // namespace

TGameDataPage::TGameDataPage(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("GameDataTab"));
    SetHelpContext(this, THelpContext::GameData);
    MAMEDirEdit = new QLineEdit(this);
    MAMEDirEdit->setObjectName(QStringLiteral("MAMEDirEdit"));
    MAMEDirEdit->setReadOnly(true);
    SetHelpContext(MAMEDirEdit, THelpContext::Tabs);
    MAMEDirSelectButton = MakeCommandToolButton(this, TCommand::MAMEDirSelect);
    MAMEDirSearchBitBtn = MakeCommandButton(this, TCommand::MAMEDirSearch);
    ScanForGamesBitBtn = MakeCommandButton(this, TCommand::ScanForGames);
    TotalGamesLabel = MakeValueLabel(this, QStringLiteral("TotalGamesLabel"), QStringLiteral("0"));
    KnownGamesLabel = MakeValueLabel(this, QStringLiteral("KnownGamesLabel"), QStringLiteral("0"));
    UnknownGamesLabel = MakeValueLabel(this, QStringLiteral("UnknownGamesLabel"), QStringLiteral("0"));
    ImportDateLabel = MakeValueLabel(this, QStringLiteral("ImportDateLabel"),
                                     QCoreApplication::translate("GameData", "None"));
    // A folder path is often longer than the room it has: an edit scrolls.
    GameFolderEdit = new QLineEdit(this);
    GameFolderEdit->setObjectName(QStringLiteral("GameFolderEdit"));
    GameFolderEdit->setReadOnly(true);
    SetHelpContext(GameFolderEdit, THelpContext::Tabs);
    VerifyAllGamesBtn = MakeCommandButton(this, TCommand::VerifyAllGames);
    ViewVerifyReportBitBtn = MakeCommandButton(this, TCommand::ViewVerifyReport);
    VerifyDateLabel = MakeValueLabel(this, QStringLiteral("VerifyDateLabel"),
                                     QCoreApplication::translate("GameData", "None"));
    GameReasonEdit = new QLineEdit(this);
    GameReasonEdit->setObjectName(QStringLiteral("GameReasonEdit"));
    GameReasonEdit->setReadOnly(true);
    SetHelpContext(GameReasonEdit, THelpContext::Tabs);

    // Three framed groups share about 260 pixels of height: keep the frames tight.
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 6, 6, 4);
    layout->setSpacing(4);
    auto* pathBox =
        new QGroupBox(QCoreApplication::translate("GameData", "Path to MAME.EXE/MAME64.EXE"), this);
    auto* pathRow = new QHBoxLayout(pathBox);
    pathRow->setContentsMargins(6, 2, 6, 6);
    pathRow->setSpacing(4);
    pathRow->addWidget(MAMEDirEdit, 1);
    pathRow->addWidget(MAMEDirSelectButton);
    pathRow->addWidget(MAMEDirSearchBitBtn);
    layout->addWidget(pathBox);

    auto* scanBox = new QGroupBox(this);
    QGridLayout* scanGrid = MakeFrameGrid(scanBox);
    // The selected game's folder beside the button: the tab has no height to spare for a row.
    auto* scanRow = new QHBoxLayout;
    scanRow->setSpacing(6);
    scanRow->addWidget(ScanForGamesBitBtn);
    scanRow->addWidget(new QLabel(QCoreApplication::translate("GameData", "Game folder:"), scanBox));
    scanRow->addWidget(GameFolderEdit, 1);
    scanGrid->addLayout(scanRow, 0, 0, 1, 2);
    const std::pair<const char*, QLabel*> counters[] = {
        {QT_TRANSLATE_NOOP("GameData", "Total games supported:"), TotalGamesLabel},
        {QT_TRANSLATE_NOOP("GameData", "Known games found:"), KnownGamesLabel},
        {QT_TRANSLATE_NOOP("GameData", "Unknown games found:"), UnknownGamesLabel},
        {QT_TRANSLATE_NOOP("GameData", "Date last scanned:"), ImportDateLabel}};
    int row = 1;
    for (const auto& [caption, value] : counters) {
        scanGrid->addWidget(new QLabel(QCoreApplication::translate("GameData", caption), scanBox), row, 0);
        scanGrid->addWidget(value, row++, 1);
    }
    layout->addWidget(scanBox);

    auto* verifyBox = new QGroupBox(this);
    QGridLayout* verifyGrid = MakeFrameGrid(verifyBox);
    auto* verifyButtons = new QHBoxLayout;
    verifyButtons->setSpacing(6);
    verifyButtons->addWidget(VerifyAllGamesBtn);
    verifyButtons->addWidget(ViewVerifyReportBitBtn);
    verifyButtons->addStretch(1);
    verifyGrid->addLayout(verifyButtons, 0, 0, 1, 2);
    verifyGrid->addWidget(
        new QLabel(QCoreApplication::translate("GameData", "Date last verified:"), verifyBox), 1, 0);
    // The selected game's reason beside the date, as its folder is beside Scan: no height to spare.
    auto* dateRow = new QHBoxLayout;
    dateRow->setSpacing(6);
    dateRow->addWidget(VerifyDateLabel);
    dateRow->addWidget(new QLabel(QCoreApplication::translate("GameData", "Selected game:"), verifyBox));
    dateRow->addWidget(GameReasonEdit, 1);
    verifyGrid->addLayout(dateRow, 1, 1);
    layout->addWidget(verifyBox);
    layout->addStretch(1);
}

void TGameDataPage::ShowGameData(const TListCounters& state) {
    TotalGamesLabel->setText(QString::number(state.nGames));
    KnownGamesLabel->setText(QString::number(state.nFound));
    UnknownGamesLabel->setText(QString::number(state.nUnknown));
    ImportDateLabel->setText(DateText(state.ImportDate));
    VerifyDateLabel->setText(DateText(state.VerifyDate));
    ViewVerifyReportBitBtn->setEnabled(state.VerifyDate != 0);
}

void TGameDataPage::ShowMAMEPath(const TFolders& state) {
    MAMEDirEdit->setText(state.MAMEPath);
}

void TGameDataPage::ShowGameReason(const QString& reason) {
    GameReasonEdit->setText(reason);
    GameReasonEdit->setToolTip(reason);
    GameReasonEdit->setCursorPosition(0);
}

void TGameDataPage::ShowGameFolder(const QString& folder) {
    GameFolderEdit->setText(folder);
    GameFolderEdit->setCursorPosition(0);
}
