#include "locate/gui/TForm5.h"

#include "base/AppState.h"
#include "base/FileLookup.h"
#include "base/gui/Dialogs.h"
#include "base/gui/MessageApp.h"
#include "locate/FileVersion.h"
#include "locate/FindFiles.h"
#include "locate/VersionCheck.h"
#include "locate/gui/LocateCommands.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QStorageInfo>
#include <QVBoxLayout>

#include <algorithm>

namespace {

void setHint(QWidget* widget, const QString& hint) {
    widget->setToolTip(hint);
    widget->setStatusTip(hint);
}

} // namespace

TForm5::TForm5(TFolders& state, Dialogs& dialogs, std::function<void(const QString&)> acceptPath,
               QWidget* parent)
    : QDialog(parent), state(state), dialogs(dialogs), acceptPath(std::move(acceptPath)) {
    setObjectName(QStringLiteral("Form5"));
    setWindowTitle(QCoreApplication::translate("SearchForMAME", "Search for MAME"));
    // No title-bar buttons: "Close" is the way out, and it is off while a search runs.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);

    auto* drivePanel = new QGroupBox(this);
    auto* driveLabel =
        new QLabel(QCoreApplication::translate("SearchForMAME", "Drive to search:"), drivePanel);
    DriveComboBox1 = new QComboBox(drivePanel);
    DriveComboBox1->setObjectName(QStringLiteral("DriveComboBox1"));
    setHint(DriveComboBox1, QCoreApplication::translate("SearchForMAME", "Select a drive to search."));
    driveLabel->setBuddy(DriveComboBox1);
    SearchDriveButton =
        new QPushButton(QCoreApplication::translate("SearchForMAME", "Search Drive"), drivePanel);
    SearchDriveButton->setObjectName(QStringLiteral("SearchDriveButton"));
    setHint(SearchDriveButton,
            QCoreApplication::translate("SearchForMAME",
                                        "Search for MAME.EXE or MAME64.EXE in the selected drive."));
    auto* driveLayout = new QHBoxLayout(drivePanel);
    driveLayout->addWidget(driveLabel);
    driveLayout->addWidget(DriveComboBox1, 1);
    driveLayout->addWidget(SearchDriveButton);

    auto* pathPanel = new QGroupBox(this);
    SearchPathButton =
        new QPushButton(QCoreApplication::translate("SearchForMAME", "Search Path"), pathPanel);
    SearchPathButton->setObjectName(QStringLiteral("SearchPathButton"));
    setHint(SearchPathButton, QCoreApplication::translate(
                                  "SearchForMAME", "Search for MAME.EXE or MAME64.EXE under a chosen path."));
    auto* pathLayout = new QHBoxLayout(pathPanel);
    pathLayout->addWidget(SearchPathButton);
    pathLayout->addStretch();

    auto* resultsLabel = new QLabel(QCoreApplication::translate("SearchForMAME", "Search Results:"), this);
    ListBox1 = new QListWidget(this);
    ListBox1->setObjectName(QStringLiteral("ListBox1"));
    ListBox1->setSelectionMode(QAbstractItemView::SingleSelection);
    ListBox1->setMinimumSize(520, 160);
    resultsLabel->setBuddy(ListBox1);

    auto* selectedLabel = new QLabel(QCoreApplication::translate("SearchForMAME", "Selected:"), this);
    SelectedEdit = new QLineEdit(this);
    SelectedEdit->setObjectName(QStringLiteral("SelectedEdit"));
    SelectedEdit->setReadOnly(true);

    SelectBitBtn = new QPushButton(QCoreApplication::translate("SearchForMAME", "Select"), this);
    SelectBitBtn->setObjectName(QStringLiteral("SelectBitBtn"));
    SelectBitBtn->setDefault(true);
    setHint(SelectBitBtn, QCoreApplication::translate("SearchForMAME", "Select path from search results."));
    CloseBitBtn = new QPushButton(QCoreApplication::translate("SearchForMAME", "Close"), this);
    CloseBitBtn->setObjectName(QStringLiteral("CloseBitBtn"));
    setHint(CloseBitBtn, QCoreApplication::translate("SearchForMAME", "Close this dialog box."));
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(SelectBitBtn);
    buttons->addStretch();
    buttons->addWidget(CloseBitBtn);

    StatusBar1 = new QStatusBar(this);
    StatusBar1->setObjectName(QStringLiteral("StatusBar1"));
    StatusBar1->setSizeGripEnabled(false);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(drivePanel);
    layout->addWidget(pathPanel);
    layout->addWidget(resultsLabel);
    layout->addWidget(ListBox1);
    layout->addWidget(selectedLabel);
    layout->addWidget(SelectedEdit);
    layout->addLayout(buttons);
    layout->addWidget(StatusBar1);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(SearchDriveButton, &QPushButton::clicked, this, &TForm5::SearchDrive);
    connect(SearchPathButton, &QPushButton::clicked, this, &TForm5::SearchPath);
    connect(SelectBitBtn, &QPushButton::clicked, this, &TForm5::SelectPath);
    connect(CloseBitBtn, &QPushButton::clicked, this, &TForm5::CloseBitBtnClick);
    connect(ListBox1, &QListWidget::itemDoubleClicked, this, &TForm5::SelectPath);

    RefreshDrives();
}

void TForm5::RefreshDrives() {
    const QString current = DriveComboBox1->currentData().toString();
    QStringList roots;
    for (const QStorageInfo& volume : QStorageInfo::mountedVolumes()) {
        if (volume.isValid() && volume.isReady())
            roots.append(IncludeTrailingPathDelimiter(volume.rootPath()));
    }
    roots.removeDuplicates();
    const QString top = QStringLiteral("/");
    std::sort(roots.begin(), roots.end(), [&](const QString& a, const QString& b) {
        if ((a == top) != (b == top))
            return a == top;
        return a < b;
    });
    DriveComboBox1->clear();
    for (const QString& root : roots)
        DriveComboBox1->addItem(root, root);
    DriveComboBox1->setCurrentIndex(std::max(0, DriveComboBox1->findData(current)));
}

void TForm5::SearchDrive() {
    const QString root = DriveComboBox1->currentData().toString();
    if (root.isEmpty())
        return;
    SearchForMAME(root, true);
}

void TForm5::SearchPath() {
    FolderRequest request;
    request.caption = MAMEFolderChooserCaption();
    request.root = QDir::homePath();
    const QString chosen = dialogs.chooseFolder(this, request);
    if (chosen.isEmpty())
        return;
    const QString folder = IncludeTrailingPathDelimiter(chosen);
    StatusBar1->showMessage(QCoreApplication::translate("SearchForMAME", "Searching %1 ...").arg(folder));
    SearchForMAME(folder);
}

void TForm5::SearchForMAME(const QString& root, bool wholeDrive) {
    if (searching)
        return;
    ListBox1->clear();
    SelectedEdit->clear();
    SetSearching(true);
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    StatusBar1->showMessage(QCoreApplication::translate("SearchForMAME", "Searching %1").arg(root));

    QStringList found;
    try {
        // Let the window repaint as results come in; the controls that act are disabled meanwhile.
        FindFiles(
            found, root, MatchesMameMask, [] { QCoreApplication::processEvents(); }, wholeDrive);
    } catch (...) {
        FinishSearch(QStringList());
        throw;
    }
    FinishSearch(found);
}

void TForm5::FinishSearch(const QStringList& found) {
    SetSearching(false);
    QGuiApplication::restoreOverrideCursor();
    StatusBar1->showMessage(QCoreApplication::translate("SearchForMAME", "Finished."));
    for (const QString& path : found)
        ListBox1->addItem(SearchResultLine(path, GetFileVersion(path)));
}

void TForm5::SetSearching(bool on) {
    searching = on;
    for (QWidget* control : {static_cast<QWidget*>(DriveComboBox1), static_cast<QWidget*>(SearchDriveButton),
                             static_cast<QWidget*>(SearchPathButton), static_cast<QWidget*>(CloseBitBtn),
                             static_cast<QWidget*>(SelectBitBtn)})
        control->setEnabled(!on);
}

void TForm5::SelectPath() {
    for (int row = 0; row < ListBox1->count(); ++row) {
        const QListWidgetItem* item = ListBox1->item(row);
        if (!item->isSelected())
            continue;
        const QString line = item->text();
        if (SearchResultIsOld(line)) {
            const QString message =
                QCoreApplication::translate(
                    "SearchForMAME",
                    "The selected M.A.M.E. application file is an old version.\nThe minimum required "
                    "version is %1")
                    .arg(MinimumMAMEVersion) +
                DownloadQuestion();
            if (MessageApp(dialogs, this, message, mtWarning, mbYes | mbNo) == mrYes)
                dialogs.openUrl(QUrl(MAMEDownloadURL));
            return;
        }
        const QString folder = SearchResultFolder(line);
        SelectedEdit->setText(folder);
        state.MAMEPath = folder;
        if (acceptPath)
            acceptPath(folder);
        StatusBar1->showMessage(QCoreApplication::translate("SearchForMAME", "%1 selected.").arg(folder));
        return;
    }
}

void TForm5::CloseBitBtnClick() {
    reject();
}

void TForm5::reject() {
    if (searching)
        return;
    QDialog::reject();
}

void TForm5::closeEvent(QCloseEvent* event) {
    // The walk runs inside this dialog's event handling; closing under it would lose the search.
    if (searching) {
        event->ignore();
        return;
    }
    QDialog::closeEvent(event);
}

void TForm5::showEvent(QShowEvent* event) {
    RefreshDrives();
    QDialog::showEvent(event);
}

bool TForm5::event(QEvent* event) {
    // A dialog has no main window to show control hints; the status bar does it here.
    if (event->type() == QEvent::StatusTip) {
        StatusBar1->showMessage(static_cast<QStatusTipEvent*>(event)->tip());
        return true;
    }
    return QDialog::event(event);
}
