// The main window's own entries in the settings file: position, size, style, tab and the game view.

#include "base/IniFile.h"
#include "base/SettingsKeys.h"
#include "diag/gui/StyleEngine.h"
#include "gamelist/gui/GameFilterBar.h"
#include "gamelist/gui/TSortGrid.h"
#include "mainwindow/gui/TForm1.h"

#include <QGuiApplication>
#include <QScreen>

void TForm1::ReadFormSettings() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    const QSize screenSize = screen ? screen->size() : QSize(0, 0);
    const QSize windowSize = DesignedFrameSize();
    const TWindowSettings settings =
        ReadWindowSettings(context->SettingsIni(), CentredEdge(screenSize.width(), windowSize.width()),
                           CentredEdge(screenSize.height(), windowSize.height()));
    move(settings.Left, settings.Top);
    // The stored size, never below the designed one nor beyond the screen.
    const QSize stored(settings.Width > 0 ? settings.Width : width(),
                       settings.Height > 0 ? settings.Height : height());
    resize(stored.boundedTo(screenSize.expandedTo(minimumSize())).expandedTo(minimumSize()));
    if (settings.Maximised)
        setWindowState(windowState() | Qt::WindowMaximized);
    ReadGameView(*context, *ui.FilterBar);
    ui.SortGrid1->ShowHistoryColumns(
        unsigned(context->SettingsIni().ReadInteger(Settings::Section, Settings::Key::HistoryColumns, 0)));
    // Centred on the size without the frame for now; once shown, with the frame.
    centreHorizontally = !settings.LeftStored;
    centreVertically = !settings.TopStored;
    State.StyleName = settings.StyleName;
    // An unknown name fails here: the window settings are then neither marked read nor
    // written back at close, so the stored name stays until the user chooses a style.
    SetCurrentStyle(State.StyleName);
    State.FormSettingsRead = true;
}

void TForm1::CentreFramedWindow() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen || !(centreHorizontally || centreVertically))
        return;
    const QSize screenSize = screen->size();
    const QSize frame = frameGeometry().size();
    QPoint position = pos();
    if (centreHorizontally)
        position.setX(CentredEdge(screenSize.width(), frame.width()));
    if (centreVertically)
        position.setY(CentredEdge(screenSize.height(), frame.height()));
    move(position);
    centreHorizontally = centreVertically = false;
}

void TForm1::WriteFormSettings() {
    TIniFile ini = context->SettingsIni();
    // A maximised window is remembered with the place and size it goes back to.
    const bool maximised = isMaximized();
    const QRect normal = maximised ? normalGeometry() : geometry();
    const QPoint frameOffset = geometry().topLeft() - frameGeometry().topLeft();
    const QPoint position = maximised ? normal.topLeft() - frameOffset : frameGeometry().topLeft();
    WriteWindowSettings(ini, TWindowSettings{.Left = position.x(),
                                             .Top = position.y(),
                                             .StyleName = State.StyleName,
                                             .Width = normal.width(),
                                             .Height = normal.height(),
                                             .Maximised = maximised});
}

void TForm1::PageControl1Change(int index) {
    State.ActivePage = index;
    context->SettingsIni().WriteInteger(Settings::Section, Settings::Key::ActivePage, index);
}
