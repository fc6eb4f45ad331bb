#pragma once
// A main window started over a prepared emulator folder (the fake emulator) with the given
// list rows, its boxes scripted with nested loops, every emulator run recorded.

#include "base/gui/ActivityLog.h"
#include "base/gui/CommandContext.h"
#include "emulator/gui/TForm2.h"
#include "gamelist/GameListModel.h"
#include "mainwindow/gui/TForm1.h"
#include "support/ScriptedDialogs.h"
#include "support/TestEnvironment.h"
#include "support/WhenModal.h"

#include <QDir>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QtTest>

#include <functional>
#include <memory>

struct StartedWindow {
    TestEnvironment env;
    ScriptedDialogs dialogs;
    std::unique_ptr<TForm1> form;

    // startAnswers: the boxes start-up shows (an empty list is built by a first scan).
    // prepare: called once the folders are there, before the window starts.
    explicit StartedWindow(const QByteArray& rows, const QStringList& settings = {},
                           const QList<int>& startAnswers = {},
                           const std::function<void(StartedWindow&)>& prepare = {}) {
        env.prepareReadyStart(settings, rows);
        if (prepare)
            prepare(*this);
        qputenv("FAKE_EMULATOR_RECORD", recordFile().toUtf8());
        dialogs.setNestedLoops(true);
        for (const int answer : startAnswers)
            dialogs.expectMessage(answer);
        form = std::make_unique<TForm1>(dialogs);
        form->show();
        QTRY_VERIFY(form->Context().State.PostInitialiseDone);
    }
    ~StartedWindow() {
        form.reset();
        qunsetenv("FAKE_EMULATOR_RECORD");
        for (const char* name : {"FAKE_EMULATOR_SLEEP_MS", "FAKE_EMULATOR_EXIT", "FAKE_EMULATOR_OUTPUT"})
            qunsetenv(name);
    }
    TCommandContext& context() { return form->Context(); }
    TGameListModel& list() { return context().GameList; }
    QString romPath() const { return env.mamePath() + QStringLiteral("roms/"); }
    QString recordFile() const { return env.userDataPath() + QStringLiteral("../record.txt"); }
    void putGame(const QString& name, const QByteArray& bytes = "PK") {
        env.writeFile(romPath() + name, bytes);
    }
    // The runs with the given switch, in order: the arguments after it.
    QStringList runsOf(const QString& option) const {
        QStringList runs;
        for (const QString& line : QString::fromUtf8(env.readFile(recordFile())).split(u'\n')) {
            const QStringList args = line.split(u'\t');
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
