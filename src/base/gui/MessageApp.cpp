#include "base/gui/MessageApp.h"
#include "base/ProgramTexts.h"

#include <QCoreApplication>

QString DefaultMessageTitle(TMsgDlgType type) {
    switch (type) {
    case mtWarning:
        return QCoreApplication::translate("Dialogs", "Warning");
    case mtError:
        return QCoreApplication::translate("Dialogs", "Error");
    case mtInformation:
        return QCoreApplication::translate("Dialogs", "Information");
    case mtConfirmation:
        return QCoreApplication::translate("Dialogs", "Confirm");
    case mtCustom:
        break;
    }
    return ProgramName;
}

int MessageApp(Dialogs& dialogs, QWidget* owner, const QString& message, TMsgDlgType type,
               TMsgDlgButtons buttons, const QString& title, int helpContext) {
    MessageRequest request;
    request.message = message;
    request.type = type;
    request.buttons = buttons;
    request.title = title.isEmpty() ? DefaultMessageTitle(type) : title;
    request.helpContext = helpContext;
    return dialogs.messageBox(owner, request);
}
