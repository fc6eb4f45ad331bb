#include "base/gui/MessageApp.h"
#include "base/ProgramTexts.h"

QString DefaultMessageTitle(TMsgDlgType type) {
    switch (type) {
    case mtWarning:
        return QStringLiteral("Warning");
    case mtError:
        return QStringLiteral("Error");
    case mtInformation:
        return QStringLiteral("Information");
    case mtConfirmation:
        return QStringLiteral("Confirm");
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
