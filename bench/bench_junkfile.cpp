// Start-up's reading of a damaged list file: the old-layout check, the one-line probe and the
// load, timed, with the process's peak memory. Each file is loaded in a process of its own, so
// its peak is its own.
//
// Usage: bench_junkfile

#include "BenchSupport.h"

#include "gamelist/ConvertGameListFile.h"
#include "gamelist/GameListFileProbe.h"
#include "gamelist/GameListModel.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include <cstdio>
#include <functional>

namespace {

constexpr double MbPer50MbBudgetMs = 2000;
constexpr double MemoryBudgetMb = 300;
constexpr qsizetype Mb = 1 << 20;

// The peak resident memory of this process so far.
double PeakMb() {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').first().toDouble() / 1024.0;
    }
    return -1;
}

void WriteInPieces(const QString& fileName, const std::function<QByteArray(int piece)>& piece, int pieces) {
    QFile file(fileName);
    if (!file.open(QIODevice::WriteOnly))
        return;
    for (int i = 0; i < pieces; ++i)
        file.write(piece(i));
}

// Random bytes: line breaks, commas, quotes and blanks fall where they may.
void WriteRandomJunk(const QString& fileName, int megabytes) {
    QRandomGenerator random(20261211);
    WriteInPieces(
        fileName,
        [&random](int) {
            QByteArray bytes(Mb, Qt::Uninitialized);
            random.fillRange(reinterpret_cast<quint32*>(bytes.data()), bytes.size() / 4);
            return bytes;
        },
        megabytes);
}

// What the old save made of one damaged line: every row of 3,000 games carries the line's
// extra commas.
void WriteWidenedList(const QString& fileName, int extraCommas) {
    const QByteArray commas(extraCommas, ',');
    WriteInPieces(
        fileName,
        [&commas](int i) {
            if (i == 0)
                return QByteArray(",Status,\"Game Name\",File/Dir") + commas + "\r\n";
            return QByteArray(",Good,\"Game ") + QByteArray::number(i) + "\",game" + QByteArray::number(i) +
                   ".zip" + commas + "\r\n";
        },
        3001);
}

// In the child: start-up's steps on the list file of folder; prints the time and the peak.
int LoadOnce(const QString& folder) {
    QElapsedTimer timer;
    timer.start();
    ConvertGameListFile(folder);
    const QString fileName = folder + QStringLiteral("Pellmora.DAT");
    HasMoreThanOneLine(fileName);
    TGameListModel list;
    const qsizetype widened = list.LoadFromFile(fileName, QLatin1Char(','));
    list.SetHeaderTexts();
    const double ms = double(timer.nsecsElapsed()) / 1e6;
    std::printf("%.1f %.1f %d %lld\n", ms, PeakMb(), list.RowCount(), static_cast<long long>(widened));
    return 0;
}

bool Measure(const QString& program, const QString& folder, const char* what, double budgetMs) {
    QProcess child;
    child.start(program, {QStringLiteral("--load"), folder});
    if (!child.waitForFinished(600000) || child.exitCode() != 0) {
        std::printf("%-44s failed: %s\n", what, child.readAllStandardError().constData());
        return false;
    }
    const QList<QByteArray> figures = child.readAllStandardOutput().trimmed().split(' ');
    const double ms = figures.value(0).toDouble();
    const double peakMb = figures.value(1).toDouble();
    const double fileMb = double(QFile(folder + QStringLiteral("Pellmora.DAT")).size()) / double(Mb);
    const bool ok = ms <= budgetMs && peakMb <= MemoryBudgetMb;
    std::printf(
        "%-44s %6.0f MB file: %8.1f ms (budget %5.0f), peak %6.1f MB (budget %3.0f), %s rows, %s lines "
        "widened  %s\n",
        what, fileMb, ms, budgetMs, peakMb, MemoryBudgetMb, figures.value(2).constData(),
        figures.value(3).constData(), ok ? "ok" : "OVER BUDGET");
    return ok;
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() == 3 && args.at(1) == QLatin1String("--load"))
        return LoadOnce(args.at(2));

    QTemporaryDir dir;
    if (!dir.isValid()) {
        std::fprintf(stderr, "no temporary folder\n");
        return 1;
    }
    const QString folder = dir.path() + QLatin1Char('/');
    const QString fileName = folder + QStringLiteral("Pellmora.DAT");
    bool ok = true;
    WriteRandomJunk(fileName, 50);
    ok = Measure(app.applicationFilePath(), folder, "random bytes", MbPer50MbBudgetMs) && ok;
    WriteWidenedList(fileName, 17000);
    ok = Measure(app.applicationFilePath(), folder, "3,000 games widened by 17,000 commas",
                 MbPer50MbBudgetMs) &&
         ok;
    WriteWidenedList(fileName, 100000);
    ok = Measure(app.applicationFilePath(), folder, "3,000 games widened by 100,000 commas",
                 MbPer50MbBudgetMs * 6) &&
         ok;
    return ok ? 0 : 1;
}
