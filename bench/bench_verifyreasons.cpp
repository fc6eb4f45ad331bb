// The reasons of verification at a full collection's size: reading the file of 45,000 games
// at start-up, and working the reasons out from the emulator's lines as Verify All does.

#include "BenchSupport.h"

#include "emulator/VerifyReason.h"
#include "gamelist/GameListFile.h"
#include "gamelist/GameListModel.h"
#include "gamelist/VerifyReasons.h"

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>

#include <cstdio>

namespace {

const int Games = 45000;
const int Runs = 9;

// A bad clone's lines as the emulator writes them: a wrong checksum, a short file, four files
// of its own and four of its parent missing.
QStringList BadCloneLines(const QString& name) {
    const QString lead = name.leftJustified(12) + QStringLiteral(": ");
    QStringList lines{
        lead + QStringLiteral("a.6e (4096 bytes) - INCORRECT CHECKSUM:"),
        QStringLiteral("EXPECTED: CRC(c1e6ab10) SHA1(e87e059c5be45753f7e9f33dff851f16d6751181)"),
        QStringLiteral("   FOUND: CRC(95bc03ed)"),
        lead + QStringLiteral("a.6f (4096 bytes) - INCORRECT LENGTH: 10 bytes")};
    for (int i = 0; i < 4; ++i)
        lines << lead + QStringLiteral("b.%1 (4096 bytes) - NOT FOUND").arg(i)
              << lead + QStringLiteral("c.%1 (256 bytes) - NOT FOUND (parent%2)").arg(i).arg(name);
    lines << QStringLiteral("romset %1 [parent%1] is bad").arg(name);
    return lines;
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QTemporaryDir dir;
    const QString data = dir.path() + QLatin1Char('/');

    TGameListModel list;
    list.EmptyList();
    int count = 0;
    TVerifyReasons reasons;
    for (int i = 0; i < Games; ++i) {
        const QString name = QStringLiteral("set%1").arg(i);
        count = list.AppendGame(count, QStringLiteral("Bad"), QStringLiteral("Game %1").arg(i),
                                name + QStringLiteral(".zip"));
        reasons.SetVerified(name + QStringLiteral(".zip"), GameStatus::Bad,
                            ReadVerifyReason(BadCloneLines(name)));
    }
    list.SetReasons(reasons);
    SaveVerifyReasons(list, data);
    const qint64 bytes = QFile(VerifyReasonsFileName(data)).size();

    int loaded = 0;
    const double loadMs = bench::MedianMs(Runs, [&] {
        TGameListModel fresh;
        LoadVerifyReasons(fresh, data);
        loaded = fresh.Reasons().Count();
    });
    std::printf("reasons file: %d games, %lld bytes\n", loaded, static_cast<long long>(bytes));
    bool ok = bench::Report("read the reasons file of 45,000 games", loadMs, 20, 0);

    // Verify All's added work per set: reading its reason from the lines that gave its status.
    std::vector<QStringList> outputs;
    for (int i = 0; i < 5000; ++i)
        outputs.push_back(BadCloneLines(QStringLiteral("set%1").arg(i)));
    int missing = 0;
    const double readMs = bench::MedianMs(Runs, [&] {
        for (const QStringList& lines : outputs)
            missing += ReadVerifyReason(lines).missing;
    });
    std::printf("%-52s %8.2f ms (%d files missing counted)\n", "reasons of 5,000 bad sets from their lines",
                readMs, missing);
    return ok && loaded == Games ? 0 : 1;
}
