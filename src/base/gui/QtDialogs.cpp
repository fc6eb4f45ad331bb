#include "base/gui/QtDialogs.h"
#include "base/ProgramTexts.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileDialog>
#include <QGridLayout>
#include <QInputDialog>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>

namespace {

struct ButtonDesign {
    TMsgDlgBtn flag;
    const char* caption;
    TModalResult result;
};

// Left to right, whatever order the caller names them in.
constexpr ButtonDesign kButtonOrder[] = {{mbYes, QT_TRANSLATE_NOOP("Dialogs", "&Yes"), mrYes},
                                         {mbNo, QT_TRANSLATE_NOOP("Dialogs", "&No"), mrNo},
                                         {mbOK, QT_TRANSLATE_NOOP("Dialogs", "OK"), mrOk},
                                         {mbCancel, QT_TRANSLATE_NOOP("Dialogs", "Cancel"), mrCancel},
                                         {mbAll, QT_TRANSLATE_NOOP("Dialogs", "&All"), mrAll}};

QMessageBox::Icon IconOf(TMsgDlgType type) {
    switch (type) {
    case mtWarning:
        return QMessageBox::Warning;
    case mtError:
        return QMessageBox::Critical;
    case mtInformation:
        return QMessageBox::Information;
    case mtConfirmation:
        return QMessageBox::Question;
    case mtCustom:
        break;
    }
    return QMessageBox::NoIcon;
}

TMsgDlgBtn DefaultButtonOf(const MessageRequest& request) {
    if (request.defaultButton & request.buttons)
        return TMsgDlgBtn(request.defaultButton);
    return (request.buttons & mbOK) ? mbOK : mbYes;
}

TMsgDlgBtn EscapeButtonOf(TMsgDlgButtons buttons) {
    if (buttons & mbCancel)
        return mbCancel;
    if (buttons & mbNo)
        return mbNo;
    return mbOK;
}

// Word-wraps the text at half the screen's width, as the user expects of a long message.
void LimitTextWidth(QMessageBox* box) {
    const QScreen* screen = box->screen() ? box->screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    if (auto* label = box->findChild<QLabel*>(QStringLiteral("qt_msgbox_label"))) {
        label->setWordWrap(true);
        label->setMaximumWidth(screen->availableGeometry().width() / 2);
    }
}

} // namespace

QMessageBox* BuildMessageBox(QWidget* owner, const MessageRequest& request) {
    auto* box = new QMessageBox(owner);
    box->setWindowTitle(request.title);
    box->setText(request.message);
    box->setTextFormat(Qt::PlainText);
    box->setIcon(IconOf(request.type));
    const TMsgDlgBtn defaultFlag = DefaultButtonOf(request);
    const TMsgDlgBtn escapeFlag = EscapeButtonOf(request.buttons);
    for (const ButtonDesign& design : kButtonOrder) {
        if (!(request.buttons & design.flag))
            continue;
        // One role for all, so the box keeps the order they are added in.
        QPushButton* button =
            box->addButton(QCoreApplication::translate("Dialogs", design.caption), QMessageBox::ActionRole);
        button->setProperty("modalResult", int(design.result));
        if (design.flag == defaultFlag)
            box->setDefaultButton(button);
        if (design.flag == escapeFlag)
            box->setEscapeButton(button);
    }
    box->setProperty("helpContext", request.helpContext);
    LimitTextWidth(box);
    return box;
}

int QtDialogs::messageBox(QWidget* owner, const MessageRequest& request) {
    QMessageBox* box = BuildMessageBox(owner, request);
    box->exec();
    QAbstractButton* clicked = box->clickedButton();
    if (!clicked)
        clicked = box->escapeButton();
    const int result = clicked ? clicked->property("modalResult").toInt() : int(mrCancel);
    delete box;
    return result;
}

void QtDialogs::plainMessage(const QString& message) {
    QMessageBox box(QMessageBox::NoIcon, ProgramName, message, QMessageBox::Ok);
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

bool QtDialogs::inputBox(QWidget* owner, const QString& caption, const QString& prompt, QString& value) {
    bool ok = false;
    const QString text = QInputDialog::getText(owner, caption, prompt, QLineEdit::Normal, value, &ok);
    if (ok)
        value = text;
    return ok;
}

QString QtDialogs::chooseFolder(QWidget* owner, const FolderRequest& request) {
    QFileDialog dialog(owner, request.caption);
    dialog.setFileMode(QFileDialog::Directory);
    dialog.setOption(QFileDialog::ShowDirsOnly, false);
    dialog.setOption(QFileDialog::ReadOnly, true); // no "new folder" button
    dialog.setDirectory(!request.startDir.isEmpty() ? request.startDir
                        : !request.root.isEmpty()   ? request.root
                                                    : QDir::homePath());
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return QString();
    return dialog.selectedFiles().constFirst();
}

QStringList QtDialogs::chooseFiles(QWidget* owner, const FilesRequest& request) {
    return QFileDialog::getOpenFileNames(owner, request.caption, request.startDir, request.filter);
}

bool QtDialogs::openUrl(const QUrl& url) {
    return QDesktopServices::openUrl(url);
}
