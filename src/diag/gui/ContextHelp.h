#pragma once
// F1: the context number of the part of a window the user is in.

class QMenu;
class QObject;
class QWidget;

// The number a control, menu item or window carries (its "helpContext"); 0 for none.
int HelpContextOf(const QObject* object);

// For a highlighted item of an open menu: its number, else its parent item's, up to the
// window's. Otherwise the focused control's, else that of the nearest enclosing control
// that has one, up to its window's. 0 when none has a number.
int HelpContextFor(const QWidget* focus, const QMenu* openMenu);
