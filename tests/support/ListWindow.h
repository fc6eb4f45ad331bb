#pragma once
// A main window past its start-up against the fake emulator, with a given list file, for the
// tests of what the game list's commands do. Boxes are scripted, with nested loops on.

#include "base/gui/Commands.h"
#include "support/ScriptedDialogs.h"
#include "support/TestEnvironment.h"

#include <QList>
#include <QSignalSpy>
#include <QStringList>

#include <memory>

class TForm1;
class TSortGrid;
class TGameListModel;

class ListWindow {
  public:
    // rows: the list file's lines after its header; settings: extra Pellmora.INI lines.
    explicit ListWindow(const QByteArray& rows, const QStringList& settings = {});
    ~ListWindow();

    TestEnvironment env;
    ScriptedDialogs dialogs;
    std::unique_ptr<TForm1> form;

    TSortGrid& Grid() const;
    const TGameListModel& List() const;
    QString Name(int row) const;
    QString CurrentName() const;
    // The Game Name of every game row, in order.
    QStringList Names() const;
    // Makes the row of the named game current; false when there is none.
    bool SelectGame(const QString& name) const;
    void ClickHeader(int col, Qt::MouseButton button = Qt::LeftButton) const;
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
