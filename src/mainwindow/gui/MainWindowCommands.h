#pragma once
// Builds the menu bar, the tool bar and the grid's pop-up menu from the command table,
// and records which controls each command is bound to.

class QIcon;
class QMainWindow;
struct TForm1Ui;

void BuildMenusAndToolBar(TForm1Ui& ui, QMainWindow* form);

// An icon carried in the program's resources (":/icons/<name>.png" for tool buttons,
// ":/icons/16/<name>.png" for push buttons); never taken from the desktop theme.
QIcon ResourceIcon(const char* name);
