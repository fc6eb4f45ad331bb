#pragma once
// A main window started over a prepared emulator folder (the fake emulator) with the given
// list rows, its boxes scripted with nested loops.

#include "base/gui/ActivityLog.h"
#include "base/gui/CommandContext.h"
#include "emulator/gui/TForm2.h"
#include "gamelist/GameListModel.h"
#include "mainwindow/gui/TForm1.h"
#include "support/FakeEmulator.h"
#include "support/ScriptedDialogs.h"
#include "support/TestEnvironment.h"
#include "support/WindowRules.h"

#include <QDir>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QtTest>

#include <functional>
#include <memory>
#include <utility>

struct StartedWindow {
    TestEnvironment env;
    ScriptedDialogs dialogs;
    std::unique_ptr<TForm1> form;

    // startBoxes: the start of the text of each box start-up shows, and its answer (an empty
    // list is built by a first scan). prepare: called once the folders are there, before the window starts.
    explicit StartedWindow(const QByteArray& rows, const QStringList& settings = {},
                           const QList<std::pair<QString, int>>& startBoxes = {},
                           const std::function<void(StartedWindow&)>& prepare = {}) {
        env.prepareReadyStart(settings, rows);
        if (prepare)
            prepare(*this);
        dialogs.setNestedLoops(true);
        for (const auto& [text, answer] : startBoxes)
            dialogs.expectMessage(text, answer);
        form = std::make_unique<TForm1>(dialogs);
        form->show();
        QTRY_VERIFY(form->Context().State.PostInitialiseDone);
    }
    TCommandContext& context() { return form->Context(); }
    TGameListModel& list() { return context().GameList; }
    QString romPath() const { return env.mamePath() + QStringLiteral("roms/"); }
    // The fake emulator's scenario for the runs to come ("key=value" lines).
    void setScenario(const QStringList& lines) { QVERIFY(FakeEmulator::SetScenario(env.mamePath(), lines)); }
    void putGame(const QString& name, const QByteArray& bytes = "PK") {
        env.writeFile(romPath() + name, bytes);
    }
    // The runs with the given switch, in order: the arguments after it.
    QStringList runsOf(const QString& option) const {
        QStringList runs;
        for (const QStringList& args : FakeEmulator::Runs(env.mamePath())) {
            const int at = static_cast<int>(args.indexOf(option));
            if (at >= 0)
                runs << args.mid(at + 1).join(u' ');
        }
        return runs;
    }
    QStringList verifyRuns() const { return runsOf(QStringLiteral("-verifyroms")); }
    QString status(int row) { return list().Cells(colStatus, row); }
    QString name(int row) { return list().Cells(colGameName, row); }
    QString logText() { return form->Ui().CreateProcessLog->toPlainText(); }
};

// Closes the viewer once it shows, keeping its lines.
inline void CloseViewerWhenShown(QStringList* lines = nullptr, int boundMs = 5000) {
    WhenModal<TForm2>(
        [lines](TForm2* viewer) {
            if (lines)
                *lines = viewer->Lines();
            viewer->CloseBtn->click();
        },
        boundMs);
}
