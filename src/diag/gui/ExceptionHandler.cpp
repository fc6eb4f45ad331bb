#include "diag/gui/ExceptionHandler.h"

#include "base/AppError.h"
#include "base/gui/MessageApp.h"

void GeneralExceptionHandler(Dialogs& dialogs, QWidget* owner, const QString& message) {
    MessageApp(dialogs, owner, QStringLiteral("GENERAL EXCEPTION ERROR: ") + message, mtError, mbOK,
               QStringLiteral("GENERAL EXCEPTION ERROR"));
}

QString ExceptionMessage(const std::exception& error) {
    if (const auto* appError = dynamic_cast<const AppError*>(&error))
        return appError->message();
    return QString::fromLocal8Bit(error.what());
}
