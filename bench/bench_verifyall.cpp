// Verify All Games over a collection of realistic size with the real emulator: the loop in
// batches against the loop of one run per row, through the main window. Every row compared must
// get the same status and report block from both.
//
// Usage: QT_QPA_PLATFORM=offscreen bench_verifyall FOLDER [ROWS [NAMES]]
//   FOLDER: made by bench/make-verify-collection.py (its roms/ becomes the game folder);
//   ROWS: verify only the first ROWS rows one run each and scale that time to all rows
//   (default: all rows, which takes one emulator start per row);
//   NAMES: at most this many names in one run (default: the program's own limit).
// PELLMORA_MAME names the emulator (default /usr/games/mame).

#include "BenchSupport.h"

#include "base/WholeFile.h"
#include "base/gui/CommandContext.h"
#include "emulator/VerifyRules.h"
#include "gamelist/GameListModel.h"
#include "gamelist/SupportedGames.h"
#include "gamelist/gui/VerifyAllRows.h"
#include "mainwindow/gui/TForm1.h"

#include <QApplication>
#include <QDir>
#include <QTemporaryDir>

#include <cstdio>

#include <sys/resource.h>

namespace {

constexpr double BudgetSeconds = 60;
constexpr double MinimumRatio = 30;

// One row per archive or folder of the game folder.
QByteArray ListRows(const QString& romFolder) {
    QByteArray text = ",Status,\"Game Name\",File/Dir\r\n";
    for (const QString& name : QDir(romFolder).entryList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot))
        text += ",?,\"[UNKNOWN GAME]\"," + name.toUtf8() + "\r\n";
    return text;
}

// CPU seconds of this process alone (not the emulator's).
double OwnCpuSeconds() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return double(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
           double(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

struct Pass {
    QStringList statuses;
    QList<QStringList> blocks; // by row verified, in row order
    double seconds = 0;
    double ownCpuSeconds = 0;
};

Pass VerifyAll(TCommandContext& context, const TSupportedGames& supported, const TVerifyBatchLimits& limits) {
    TGameListModel& list = context.GameList;
    for (int row = 1; row < list.RowCount(); ++row)
        list.SetCell(colStatus, row, QStringLiteral("?"));
    QElapsedTimer timer;
    timer.start();
    const double cpuBefore = OwnCpuSeconds();
    context.State.DoingVerification = true;
    context.Window.EnableTaggedComponents(false);
    const QStringList report = VerifyAllRows(context, supported, false, limits);
    context.Window.EnableTaggedComponents(true);
    context.State.DoingVerification = false;
    Pass pass;
    pass.seconds = double(timer.nsecsElapsed()) / 1e9;
    pass.ownCpuSeconds = OwnCpuSeconds() - cpuBefore;
    for (int row = 1; row < list.RowCount(); ++row)
        pass.statuses << list.Cells(colStatus, row);
    for (const QString& line : report) {
        if (line == SeparatorLine())
            pass.blocks.append(QStringList());
        pass.blocks.last() << line;
    }
    return pass;
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: bench_verifyall FOLDER [ROWS [NAMES]]\n");
        return 2;
    }
    const QString collection = QDir(QString::fromLocal8Bit(argv[1])).absolutePath();
    QTemporaryDir root;
    qputenv("XDG_DATA_HOME", root.path().toUtf8() + "/data");
    QApplication app(argc, argv);
    const QString data = root.path() + QStringLiteral("/data/Quorvane/Pellmora/");
    const QString emu = root.path() + QStringLiteral("/emu/");
    for (const QString& folder :
         {data, emu + QStringLiteral("snap"), emu + QStringLiteral("cfg"), emu + QStringLiteral("nvram")})
        QDir().mkpath(folder);
    QFile::link(qEnvironmentVariable("PELLMORA_MAME", QStringLiteral("/usr/games/mame")),
                emu + QStringLiteral("mame"));
    QFile::link(collection + QStringLiteral("/roms"), emu + QStringLiteral("roms"));
    WriteWholeFile(emu + QStringLiteral("mame.ini"),
                   "readconfig 1\nrompath roms\nsnapshot_directory snap\n"
                   "cfg_directory cfg\nnvram_directory nvram\nsnapname %g\n");
    WriteWholeFile(data + QStringLiteral("Pellmora.INI"),
                   "[Pellmora]\r\nMAMEPath=" + emu.toUtf8() + "\r\nSortColumn=3\r\n");
    const QByteArray rows = ListRows(collection + QStringLiteral("/roms"));
    WriteWholeFile(data + QStringLiteral("Pellmora.DAT"), rows);
    const QString listFull = bench::MakeRealListFull(root.path());
    if (listFull.isEmpty())
        return 2;
    const TSupportedGames supported(ReadSupportedGamesFile(listFull));

    bench::NoDialogs dialogs;
    TForm1 form(dialogs);
    form.show();
    TCommandContext& context = form.Context();
    while (!context.State.PostInitialiseDone)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    const int allRows = context.GameList.RowCount() - 1;

    TVerifyBatchLimits limits;
    if (argc > 3)
        limits.maxNames = QByteArray(argv[3]).toInt();
    std::printf("at most %d names and %lld characters in one run\n", limits.maxNames,
                static_cast<long long>(limits.maxCommandLength));
    const Pass batched = VerifyAll(context, supported, limits);
    const int sample = argc > 2 ? std::min(QByteArray(argv[2]).toInt(), allRows) : allRows;
    context.GameList.SetRowCount(sample + 1);
    const Pass single = VerifyAll(context, supported, {.maxNames = 1});

    int statusDifferences = 0;
    int blockDifferences = 0;
    for (int row = 0; row < sample; ++row) {
        if (batched.statuses[row] != single.statuses[row]) {
            if (++statusDifferences <= 5)
                std::printf("row %d: batched %s, one run each %s\n", row + 1,
                            qPrintable(batched.statuses[row]), qPrintable(single.statuses[row]));
        }
        if (batched.blocks.value(row) != single.blocks.value(row)) {
            if (++blockDifferences <= 5)
                std::printf("row %d block differs:\n  batched: %s\n  one run: %s\n", row + 1,
                            qPrintable(batched.blocks.value(row).join(QStringLiteral(" | ")).left(600)),
                            qPrintable(single.blocks.value(row).join(QStringLiteral(" | ")).left(600)));
        }
    }
    const double singleAll = single.seconds * allRows / std::max(sample, 1);
    const double ratio = singleAll / batched.seconds;
    std::printf("rows %d (statuses: %lld Good, %lld Bad, %lld ?)\n", allRows,
                batched.statuses.count(QStringLiteral("Good")), batched.statuses.count(QStringLiteral("Bad")),
                batched.statuses.count(QStringLiteral("?")));
    std::printf(
        "batched, all rows                %9.1f s (budget %.0f s) %s; %.1f s CPU outside the emulator\n",
        batched.seconds, BudgetSeconds, batched.seconds <= BudgetSeconds ? "ok" : "OVER BUDGET",
        batched.ownCpuSeconds);
    std::printf("one run per row, %5d rows      %9.1f s (%.3f s a row), scaled to all rows %.1f s\n", sample,
                single.seconds, single.seconds / std::max(sample, 1), singleAll);
    std::printf("batched is %.1fx faster (budget %.0fx) %s\n", ratio, MinimumRatio,
                ratio >= MinimumRatio ? "ok" : "OVER BUDGET");
    std::printf("rows compared %d: %d statuses differ, %d report blocks differ\n", sample, statusDifferences,
                blockDifferences);
    const bool ok = batched.seconds <= BudgetSeconds && ratio >= MinimumRatio && statusDifferences == 0 &&
                    blockDifferences == 0;
    return ok ? 0 : 1;
}
