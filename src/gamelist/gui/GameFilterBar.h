#pragma once
// The filter above the grid: the list of views, the box for words and the count of rows
// shown. Every change of either applies at once to the grid.

#include "gamelist/GameFilter.h"

#include <QWidget>

#include <functional>

class QComboBox;
class QLabel;
class QLineEdit;
class TSortGrid;

class TGameFilterBar : public QWidget {
  public:
    TGameFilterBar(TSortGrid& grid, QWidget* parent);

    QComboBox* GameViewBox = nullptr;
    QLineEdit* FilterEdit = nullptr;
    QLabel* FilterCountLabel = nullptr;

    // Follows the grid's game list: called once the grid has it.
    void FollowGrid();

    TGameView View() const;
    // Shows a view as the program's own choice: OnViewChosen is not raised.
    void SetView(TGameView view);
    // Raised when the user picks a view from the list.
    std::function<void(TGameView view)> OnViewChosen;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void Apply();
    void ShowCount();

    TSortGrid& grid;
    bool settingView = false;
};

struct TCommandContext;

// Remembers the view the user picks in the settings file.
void ConnectGameFilterBar(TCommandContext& context, TGameFilterBar& bar);
// The view the settings file remembers, shown in the bar.
void ReadGameView(const TCommandContext& context, TGameFilterBar& bar);
