#pragma once
// The one place failures no operation handles end: the user is told, the operation is
// abandoned, and the program goes on.

#include <QString>

#include <exception>
#include <utility>

class Dialogs;
class QWidget;

void GeneralExceptionHandler(Dialogs& dialogs, QWidget* owner, const QString& message);

// The text of an exception, whatever its kind.
QString ExceptionMessage(const std::exception& error);

// Runs work; a failure it raises goes to GeneralExceptionHandler. Returns false then.
template <typename Work> bool RunGuarded(Dialogs& dialogs, QWidget* owner, Work&& work) {
    try {
        std::forward<Work>(work)();
        return true;
    } catch (const std::exception& error) {
        GeneralExceptionHandler(dialogs, owner, ExceptionMessage(error));
    } catch (...) {
        GeneralExceptionHandler(dialogs, owner, QStringLiteral("Unknown exception"));
    }
    return false;
}
