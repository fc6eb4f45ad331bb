#include "gamefiles/gui/TForm4.h"

#include "base/gui/Dialogs.h"
#include "gamelist/ListFileCodec.h"

#include <QCoreApplication>
#include <QEvent>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

QPushButton* AddButton(QDialog* dialog, QVBoxLayout* layout, const QString& caption, int result) {
    auto* button = new QPushButton(caption, dialog);
    // Enter must not choose a status for the user.
    button->setAutoDefault(false);
    button->setDefault(false);
    QObject::connect(button, &QPushButton::clicked, dialog, [dialog, result] { dialog->done(result); });
    layout->addWidget(button);
    return button;
}

} // namespace

TForm4::TForm4(QWidget* parent)
    : QDialog(parent,
              Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::MSWindowsFixedSizeDialogHint) {
    setObjectName(QStringLiteral("Form4"));
    setWindowTitle(QCoreApplication::translate("ChangeStatus", "Change Status"));
    setModal(true);
    auto* layout = new QVBoxLayout(this);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    layout->addWidget(
        new QLabel(QCoreApplication::translate("ChangeStatus", "Select the game status:"), this));
    // Each button bears the status it sets.
    GoodButton = AddButton(this, layout, StatusText(GameStatus::Good), mrYes);
    BadButton = AddButton(this, layout, StatusText(GameStatus::Bad), mrNo);
    UnknownButton = AddButton(this, layout, QCoreApplication::translate("ChangeStatus", "Unknown"), mrCancel);
    auto* separator = new QFrame(this);
    separator->setFrameShape(QFrame::HLine);
    separator->setFrameShadow(QFrame::Sunken);
    layout->addWidget(separator);
    CancelButton = AddButton(this, layout, QCoreApplication::translate("ChangeStatus", "&Cancel"), mrAbort);
    for (QPushButton* button : {GoodButton, BadButton, UnknownButton, CancelButton})
        button->setMinimumWidth(160);
    // The dialog itself holds the focus, so no button looks chosen.
    setFocusPolicy(Qt::StrongFocus);
}

int TForm4::Execute() {
    return exec();
}

void TForm4::changeEvent(QEvent* event) {
    QDialog::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        setFocus(Qt::ActiveWindowFocusReason);
}

void TForm4::reject() {
    done(mrAbort);
}
