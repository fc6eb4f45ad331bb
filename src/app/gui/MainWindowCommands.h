#pragma once
// Builds the menu bar, the tool bar and the grid's pop-up menu from the command table,
// and records which controls each command is bound to.

struct TForm1Ui;
class QMainWindow;

void BuildMenusAndToolBar(TForm1Ui& ui, QMainWindow* form);
