#pragma once
// The message box operation every command uses.

#include "base/gui/Dialogs.h"

// The title a box of this type gets when the caller gives none.
QString DefaultMessageTitle(TMsgDlgType type);

// Shows a box through the installed dialogs, centred on owner; returns one of TModalResult.
int MessageApp(Dialogs& dialogs, QWidget* owner, const QString& message, TMsgDlgType type,
               TMsgDlgButtons buttons, const QString& title = QString(), int helpContext = 0);
