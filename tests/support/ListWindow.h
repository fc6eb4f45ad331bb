#pragma once
// A started main window (StartedWindow), active, with what the tests of the game list's
// commands look at: names in order, header clicks, cells, settings, the Log tab, commands run.

#include "base/gui/Commands.h"
#include "support/StartedWindow.h"

#include <QList>
#include <QSignalSpy>
#include <QStringList>

#include <memory>

class TSortGrid;

class ListWindow : public StartedWindow {
  public:
    // rows: the list file's lines after its header; settings: extra Pellmora.INI lines; prepare:
    // called once the folders are there, before the window starts.
    explicit ListWindow(const QByteArray& rows, const QStringList& settings = {},
                        const std::function<void(StartedWindow&)>& prepare = {});

    TSortGrid& Grid() const;
    const TGameListModel& List() const;
    QString Name(int row) const;
    QString CurrentName() const;
    // The Game Name of every game row, in order.
    QStringList Names() const;
    // Makes the row of the named game current; false when there is none.
    bool SelectGame(const QString& name) const;
    void ClickHeader(int col, Qt::MouseButton button = Qt::LeftButton) const;
    // A grid row's cell as the grid shows it (the filter maps grid rows to the rows shown).
    QRect CellRect(int col, int row) const;
    QPoint CellCentre(int col, int row) const;
    // An integer of Pellmora.INI's [Pellmora] section, -1 when missing.
    int Setting(const QString& key) const;
    QByteArray ListFile() const;
    // The text of the Log tab's pane.
    QString LogTabText() const;
    // The commands run since the window was ready.
    QList<TCommand> Commands() const;

  private:
    std::unique_ptr<QSignalSpy> commands;
};
