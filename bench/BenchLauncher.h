#pragma once
// What the emulator-run benchmarks share: the fake emulator linked as "mame" in a scratch
// folder with its flood scenario, and a window with the two log panes and a launcher.

#include "BenchSupport.h"

#include "base/AppState.h"
#include "base/gui/ActivityLog.h"
#include "emulator/gui/ExecNewProcess.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QFile>
#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <QVBoxLayout>
#include <QWidget>

#include <cstdio>

namespace bench {

// The fake emulator given as the first argument, or the one built beside the benchmark.
inline QString FakeEmulatorPath(int argc, char** argv) {
    return argc > 1 ? QString::fromLocal8Bit(argv[1])
                    : QCoreApplication::applicationDirPath() +
                          QStringLiteral("/../tests/fake-emulator/fake-emulator");
}

// The fake emulator as folder/mame, printing lineCount lines when run there. False, with a
// line on standard error, when it cannot be set up.
inline bool SetUpFloodingEmulator(const QString& fake, const QTemporaryDir& folder, long lineCount) {
    if (!QFile::exists(fake)) {
        std::fprintf(stderr, "fake emulator not found: %s\n", qPrintable(fake));
        return false;
    }
    QFile::link(fake, folder.filePath(QStringLiteral("mame")));
    // The fake emulator reads its scenario from its working folder.
    QFile scenario(folder.filePath(QStringLiteral("fake-emulator.scenario")));
    if (!scenario.open(QIODevice::WriteOnly) ||
        scenario.write("flood=" + QByteArray::number(static_cast<qlonglong>(lineCount)) + "\n") < 0) {
        std::fprintf(stderr, "cannot write the fake emulator's scenario\n");
        return false;
    }
    return true;
}

// A shown window with the output pane and the Log tab's pane, and a launcher writing to them.
struct LauncherWindow {
    QWidget window;
    QPlainTextEdit* createProcessLog = new QPlainTextEdit(&window);
    QPlainTextEdit* logRichEdit = new QPlainTextEdit(&window);
    ActivityLog log{createProcessLog, logRichEdit};
    NoDialogs dialogs;
    AppState state;
    TProcessLauncher launcher{log, dialogs, state};

    LauncherWindow() {
        auto* layout = new QVBoxLayout(&window);
        createProcessLog->setReadOnly(true);
        logRichEdit->setReadOnly(true);
        layout->addWidget(createProcessLog);
        layout->addWidget(logRichEdit);
        window.resize(800, 600);
        window.show();
    }
};

} // namespace bench
