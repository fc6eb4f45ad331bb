#pragma once
// Builds the menu bar, the tool bar and the grid's pop-up menu from the command table, and
// records which controls each command is bound to.

class QMainWindow;
struct TForm1Ui;

// The push buttons exist already; they are found by the names the command table gives them.
void BuildMenusAndToolBar(TForm1Ui& ui, QMainWindow* form);
