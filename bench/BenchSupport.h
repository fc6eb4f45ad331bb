#pragma once
// What the benchmarks share: the real emulator's supported-games list, a median timer, and
// boxes that end the run.

#include "base/gui/Dialogs.h"

#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QString>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace bench {

// The emulator's -listfull output in folder + "/Pellmora.GAM", made by the emulator named in
// PELLMORA_MAME (default /usr/games/mame). Empty when it could not be made.
inline QString MakeRealListFull(const QString& folder) {
    const QString emulator = qEnvironmentVariable("PELLMORA_MAME", QStringLiteral("/usr/games/mame"));
    const QString fileName = folder + QStringLiteral("/Pellmora.GAM");
    QProcess mame;
    mame.setStandardOutputFile(fileName);
    mame.start(emulator, {QStringLiteral("-listfull")});
    if (!mame.waitForFinished(120000) || mame.exitCode() != 0) {
        std::fprintf(stderr, "could not run %s -listfull\n", qPrintable(emulator));
        return QString();
    }
    return fileName;
}

// The median time of runs of work, each after a setup that is not timed.
template <typename Setup, typename Work> double MedianMs(int runs, Setup setup, Work work) {
    std::vector<double> times;
    for (int run = 0; run < runs; ++run) {
        setup();
        QElapsedTimer timer;
        timer.start();
        work();
        times.push_back(double(timer.nsecsElapsed()) / 1e6);
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

template <typename Work> double MedianMs(int runs, Work work) {
    return MedianMs(
        runs, [] {}, work);
}

// One figure against its budget, beside the straightforward algorithm's; true when within budget.
inline bool Report(const char* what, double ms, double budgetMs, double naiveMs) {
    const bool ok = ms <= budgetMs;
    if (naiveMs > 0)
        std::printf("%-52s %8.2f ms (budget %4.0f ms) %s; straightforward %9.2f ms, %6.1fx faster\n", what,
                    ms, budgetMs, ok ? "ok" : "OVER BUDGET", naiveMs, naiveMs / ms);
    else
        std::printf("%-52s %8.2f ms (budget %4.0f ms) %s\n", what, ms, budgetMs, ok ? "ok" : "OVER BUDGET");
    return ok;
}

// No box may open during a measured run: one ends the program with exit code 2.
class NoDialogs : public Dialogs {
  public:
    int messageBox(QWidget*, const MessageRequest& request) override { fail(request.message); }
    void plainMessage(const QString& message) override { fail(message); }
    bool inputBox(QWidget*, const QString& caption, const QString&, QString&) override { fail(caption); }
    QString chooseFolder(QWidget*, const FolderRequest& request) override { fail(request.caption); }
    QStringList chooseFiles(QWidget*, const FilesRequest& request) override { fail(request.caption); }
    bool openUrl(const QUrl& url) override { fail(url.toString()); }

  private:
    [[noreturn]] static void fail(const QString& text) {
        std::fprintf(stderr, "unexpected box: %s\n", qPrintable(text));
        std::exit(2);
    }
};

} // namespace bench
