#include "support/ListWindow.h"

#include "base/SettingsKeys.h"
#include "gamelist/GameListFilterModel.h"
#include "gamelist/GameListModel.h"
#include "gamelist/gui/TSortGrid.h"
#include "mainwindow/gui/TForm1.h"

#include <QHeaderView>
#include <QPlainTextEdit>
#include <QtTest>

ListWindow::ListWindow(const QByteArray& rows, const QStringList& settings,
                       const std::function<void(StartedWindow&)>& prepare)
    : StartedWindow(rows, settings, {}, prepare) {
    // Header clicks act only on a grid with the keyboard focus, in the active window.
    form->activateWindow();
    if (!QTest::qWaitForWindowActive(form.get()))
        qWarning("The main window did not become active");
    commands = std::make_unique<QSignalSpy>(form.get(), &TForm1::commandRun);
}

TSortGrid& ListWindow::Grid() const {
    return *form->Ui().SortGrid1;
}

const TGameListModel& ListWindow::List() const {
    return form->Context().GameList;
}

QString ListWindow::Name(int row) const {
    return List().Cells(colGameName, row);
}

QString ListWindow::CurrentName() const {
    return Name(Grid().Row());
}

QStringList ListWindow::Names() const {
    QStringList names;
    for (int row = 1; row < List().RowCount(); ++row)
        names << Name(row);
    return names;
}

bool ListWindow::SelectGame(const QString& name) const {
    const int row = int(Names().indexOf(name)) + 1;
    if (row < 1)
        return false;
    Grid().SetRow(row);
    return true;
}

void ListWindow::ClickHeader(int col, Qt::MouseButton button) const {
    const QHeaderView* header = Grid().horizontalHeader();
    const QPoint point(header->sectionViewportPosition(col) + header->sectionSize(col) / 2,
                       header->height() / 2);
    QTest::mouseClick(header->viewport(), button, {}, point);
}

QRect ListWindow::CellRect(int col, int row) const {
    const TGameListFilterModel* shown = Grid().Filtered();
    return Grid().visualRect(shown->index(shown->PositionOf(row), col));
}

QPoint ListWindow::CellCentre(int col, int row) const {
    return CellRect(col, row).center();
}

int ListWindow::Setting(const QString& key) const {
    return form->Context().SettingsIni().ReadInteger(Settings::Section, key, -1);
}

QByteArray ListWindow::ListFile() const {
    return env.readFile(env.userDataPath() + QStringLiteral("Pellmora.DAT"));
}

QString ListWindow::LogTabText() const {
    return form->Ui().LogRichEdit->toPlainText();
}

QList<TCommand> ListWindow::Commands() const {
    QList<TCommand> run;
    for (const QList<QVariant>& call : *commands)
        run << call.at(0).value<TCommand>();
    return run;
}
