#pragma once
// The one place failures no operation handles end: the failure is written to the exception
// log in the user data folder, the user is told where, the operation is abandoned, and the
// program goes on.

#include <QString>

#include <utility>

struct TFolders;
struct TExceptionReport;
class Dialogs;
class QWidget;

// Makes the handler write its logs with the folders of state (the main window does this as
// the first step of its creation); nullptr: no log, the box alone. state must outlive it.
void InstallExceptionHandler(const TFolders* state);

void GeneralExceptionHandler(Dialogs& dialogs, QWidget* owner, const TExceptionReport& report);

// GeneralExceptionHandler for the failure being handled. Call only inside a catch block.
void HandleCurrentException(Dialogs& dialogs, QWidget* owner);

// Runs work; a failure it raises goes to GeneralExceptionHandler. Returns false then.
template <typename Work> bool RunGuarded(Dialogs& dialogs, QWidget* owner, Work&& work) {
    try {
        std::forward<Work>(work)();
        return true;
    } catch (...) {
        HandleCurrentException(dialogs, owner);
    }
    return false;
}
