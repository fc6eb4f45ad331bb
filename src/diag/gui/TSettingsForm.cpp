#include "diag/gui/TSettingsForm.h"

#include "base/AppState.h"
#include "base/gui/DesignScale.h"
#include "diag/gui/Skins.h"
#include "diag/gui/StyleEngine.h"
#include "diag/gui/StylePreview.h"

#include <QCoreApplication>
#include <QEvent>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QScopedValueRollback>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QVBoxLayout>

namespace {

constexpr QSize DesignClientSize(576, 321);

void SetHint(QWidget* widget, const QString& hint) {
    widget->setToolTip(hint);
    widget->setStatusTip(hint);
}

} // namespace

TSettingsForm::TSettingsForm(TRememberedView& state, std::function<void()> writeFormSettings, QWidget* parent)
    : QDialog(parent), state(state), writeFormSettings(std::move(writeFormSettings)) {
    setObjectName(QStringLiteral("SettingsForm"));
    setWindowTitle(QCoreApplication::translate("ChangeStyle", "Change Style"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowCloseButtonHint);

    StyleListBox1 = new QListWidget(this);
    StyleListBox1->setObjectName(QStringLiteral("StyleListBox1"));
    StyleListBox1->setFixedWidth(TDesignScale(this)(180));
    SetHint(StyleListBox1, QCoreApplication::translate("ChangeStyle", "Double-click to apply the style."));

    Panel1 = new QFrame(this);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Panel1->setFrameShape(QFrame::StyledPanel);
    Panel1->setFrameShadow(QFrame::Sunken);

    Label2 = new QLabel(QCoreApplication::translate("ChangeStyle", "Double-click to apply the style."), this);
    Label2->setObjectName(QStringLiteral("Label2"));
    Label1 = new QLabel(QCoreApplication::translate("ChangeStyle", "Windows is the default style."), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    CloseBitBtn = new QPushButton(QCoreApplication::translate("ChangeStyle", "Close"), this);
    CloseBitBtn->setObjectName(QStringLiteral("CloseBitBtn"));
    SetHint(CloseBitBtn, QCoreApplication::translate("ChangeStyle", "Close this dialog."));

    StatusBar = new QStatusBar(this);
    StatusBar->setObjectName(QStringLiteral("StatusBar"));
    StatusBar->setSizeGripEnabled(false);

    auto* top = new QHBoxLayout;
    top->addWidget(StyleListBox1);
    top->addWidget(Panel1, 1);
    // With the preview hidden ("Windows") the list stays on the left.
    top->addStretch();
    auto* labels = new QVBoxLayout;
    labels->addWidget(Label2);
    labels->addWidget(Label1);
    auto* bottom = new QHBoxLayout;
    bottom->addLayout(labels);
    bottom->addStretch();
    bottom->addWidget(CloseBitBtn, 0, Qt::AlignBottom);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(8, 8, 8, 0);
    layout->addLayout(top, 1);
    layout->addLayout(bottom);
    layout->addWidget(StatusBar);

    connect(StyleListBox1, &QListWidget::itemClicked, this,
            [this](const QListWidgetItem* item) { StyleListBox1Click(item->text()); });
    // Arrow keys move the selection as a click does.
    connect(StyleListBox1, &QListWidget::currentTextChanged, this, [this](const QString& name) {
        if (!selectingQuietly)
            StyleListBox1Click(name);
    });
    connect(StyleListBox1, &QListWidget::itemDoubleClicked, this,
            [this](const QListWidgetItem* item) { StyleListBox1DblClick(item->text()); });
    connect(CloseBitBtn, &QPushButton::clicked, this, &QDialog::accept);
    Init();
}

void TSettingsForm::RestoreDesignClientSize() {
    // Designed for the 9-point font; a larger one makes the box grow with it, as the main window does.
    setFixedSize(TDesignScale(this)(DesignClientSize));
}

void TSettingsForm::Init() {
    RestoreDesignClientSize();
    LoadingStyles = false;
    LoadingStyles = true;
    StyleListBox1->addItems(StyleNames());
    LoadingStyles = false;
    Preview = new TStylePreview(Panel1);
    auto* panelLayout = new QVBoxLayout(Panel1);
    panelLayout->setContentsMargins(Panel1->frameWidth(), Panel1->frameWidth(), Panel1->frameWidth(),
                                    Panel1->frameWidth());
    panelLayout->addWidget(Preview);
}

void TSettingsForm::FormShow() {
    // Selecting the current style leaves the preview as it is.
    const QScopedValueRollback quiet(selectingQuietly, true);
    StyleListBox1->setCurrentItem(nullptr);
    StyleListBox1->clearSelection();
    for (int row = 0; row < StyleListBox1->count(); ++row) {
        QListWidgetItem* item = StyleListBox1->item(row);
        if (item->text().compare(state.StyleName, Qt::CaseInsensitive) == 0) {
            StyleListBox1->setCurrentItem(item);
            break;
        }
    }
}

void TSettingsForm::StyleListBox1Click(const QString& name) {
    if (name == DesktopStyleName) {
        Panel1->hide();
        return;
    }
    Panel1->show();
    if (!name.isEmpty() && !LoadingStyles && name != Preview->StyleShown())
        Preview->ShowStyle(name);
}

void TSettingsForm::StyleListBox1DblClick(const QString& name) {
    state.StyleName = name;
    SetCurrentStyle(name);
    if (writeFormSettings)
        writeFormSettings();
}

void TSettingsForm::showEvent(QShowEvent* event) {
    FormShow();
    QDialog::showEvent(event);
}

bool TSettingsForm::event(QEvent* event) {
    // A dialog has no main window to show control hints; its status bar does it here.
    if (event->type() == QEvent::StatusTip) {
        StatusBar->showMessage(static_cast<QStatusTipEvent*>(event)->tip());
        return true;
    }
    return QDialog::event(event);
}
