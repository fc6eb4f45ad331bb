#pragma once
// The controls every window builds the same way: command buttons made from the command table,
// the tag of the controls long commands switch off, help contexts, bundled icons.

#include "base/gui/Commands.h"

class QIcon;
class QObject;
class QPushButton;
class QToolButton;
class QWidget;

// Tag of every control and menu that long commands switch off and on again.
constexpr int kTaggedControl = 10;

void Tag(QObject* control);
// Leaves the control on while long commands run (a Stop button), until tagged again.
void Untag(QObject* control);
bool IsTagged(const QObject* control);
void SetHelpContext(QObject* control, THelpContext context);

// An icon carried in the program's resources (":/icons/<name>.png" for tool buttons,
// ":/icons/16/<name>.png" for push buttons); never taken from the desktop theme.
QIcon ResourceIcon(const char* name);

// The command's push button, named, captioned, hinted, tagged and given its help context as the
// command table says. It runs nothing by itself: the main window binds it to the command.
QPushButton* MakeCommandButton(QWidget* parent, TCommand command);
// The same as a small picture button, for a command whose button has no caption.
QToolButton* MakeCommandToolButton(QWidget* parent, TCommand command);
