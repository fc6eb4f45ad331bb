// What failure reports cost: every raise records its stack while tracking is on (against the
// same raises with tracking off), and the exception log of one failure, from the stack named
// with the debug information to the file on disk (the first one reads the debug information).

#include "BenchSupport.h"

#include "base/AppError.h"
#include "diag/CurrentException.h"
#include "diag/ExceptionLog.h"
#include "diag/StackTracking.h"
#include "diag/VersionString.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QTemporaryDir>

#include <cstdio>

namespace {

const int Raises = 1000;
const int Runs = 9;

Q_NEVER_INLINE void Raise(int depth) {
    if (depth > 0) {
        Raise(depth - 1);
        asm volatile(""); // keeps the frame: no tail call
        return;
    }
    throw AppError(QStringLiteral("Unable to write to /x/Pellmora.DAT"));
}

// Raises and catches a failure 20 frames down, as a command's failure is.
void RaiseAndCatch(int times) {
    for (int i = 0; i < times; ++i) {
        try {
            Raise(20);
        } catch (const AppError&) {
        }
    }
}

QString WriteLog(const QString& folder) {
    try {
        Raise(20);
    } catch (...) {
        const TExceptionReport report = DescribeCurrentException();
        const TExceptionLogContext context{QStringLiteral("Pellmora"), GetVersionString(),
                                           QDateTime::currentDateTime(), folder, folder};
        return WriteExceptionLogFor(context, report);
    }
    return QString();
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QTemporaryDir dir;
    const QString folder = dir.path() + QLatin1Char('/');

    StopStackTracking();
    const double untracked = bench::MedianMs(Runs, [] { RaiseAndCatch(Raises); });
    StartStackTracking();
    const double tracked = bench::MedianMs(Runs, [] { RaiseAndCatch(Raises); });

    QElapsedTimer cold;
    cold.start();
    const QString first = WriteLog(folder);
    const double coldMs = double(cold.nsecsElapsed()) / 1e6;
    const double warmMs = bench::MedianMs(Runs, [&] { WriteLog(folder); });
    StopStackTracking();

    if (first.isEmpty()) {
        std::fprintf(stderr, "no exception log written\n");
        return 1;
    }
    bool ok = bench::Report("1000 failures raised and caught, stacks recorded", tracked, 100, 0);
    std::printf("%-52s %8.2f ms (%.1f us more per failure with its stack)\n", "the same without tracking",
                untracked, (tracked - untracked) * 1000 / Raises);
    ok = bench::Report("first exception log (reads the debug information)", coldMs, 1000, 0) && ok;
    ok = bench::Report("next exception log", warmMs, 250, 0) && ok;
    std::printf(
        "log files written: %lld\n",
        static_cast<long long>(QDir(folder).entryList({QStringLiteral("*.log")}, QDir::Files).size()));
    return ok ? 0 : 1;
}
