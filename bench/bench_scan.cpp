// The supported-games list and the scan against the real emulator's 45,000 sets: parsing
// Pellmora.GAM, matching 10,000 new names, and removing 10,000 missing rows of 45,000, each
// beside the straightforward loops, whose result must be the same.

#include "BenchSupport.h"

#include "../tests/gamelist/NaiveScanLoops.h"
#include "base/AsciiCase.h"
#include "base/GameFileLookup.h"
#include "base/WholeFile.h"
#include "gamelist/GameListModel.h"
#include "gamelist/ScanRules.h"
#include "gamelist/SupportedGames.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QSet>
#include <QTemporaryDir>
#include <QTextStream>

namespace {

// Line by line through a text stream, each field copied and trimmed on its own.
std::vector<SupportedGame> NaiveParse(const QString& fileName) {
    std::vector<SupportedGame> entries;
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        return entries;
    QTextStream in(&file);
    in.readLine();
    while (!in.atEnd()) {
        const QString line = in.readLine();
        const qsizetype first = line.indexOf(u'"');
        const qsizetype closing = line.indexOf(u'"', std::max<qsizetype>(line.size() - 2, 0));
        if (first < 0 || closing <= first)
            continue;
        entries.push_back({line.left(first).trimmed(), line.mid(first + 1, line.size() - first - 2)});
    }
    return entries;
}

bool SameAdditions(const std::vector<ScanAddition>& a, const std::vector<ScanAddition>& b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                      [](const ScanAddition& x, const ScanAddition& y) {
                          return x.gameName == y.gameName && x.fileDir == y.fileDir &&
                                 x.logLine == y.logLine && x.known == y.known;
                      });
}

// 10,000 names as a game folder holds them: mostly known sets as archives or folders,
// some sharing a set, some unknown.
QStringList NewNames(const std::vector<SupportedGame>& supported) {
    QRandomGenerator random(2024);
    QStringList names;
    const char* endings[] = {".ZIP", ".ZIP", ".ZIP", ".7Z", "", ".OLD"};
    for (int i = 0; i < 10000; ++i) {
        if (i % 10 == 9) {
            names.append(QStringLiteral("UNKNOWN%1.ZIP").arg(i));
            continue;
        }
        const auto& game = supported[static_cast<size_t>(random.bounded(static_cast<int>(supported.size())))];
        names.append(AsciiUpper(game.shortName) + QString::fromLatin1(endings[random.bounded(6)]));
    }
    return names;
}

QString FileDirOfRow(const std::vector<SupportedGame>& supported, int i) {
    return supported[static_cast<size_t>(i) % supported.size()].shortName + QStringLiteral("%1.zip").arg(i);
}

void FillList(TGameListModel& list, const std::vector<SupportedGame>& supported, int rows) {
    list.EmptyList();
    for (int i = 0; i < rows; ++i) {
        const auto& game = supported[static_cast<size_t>(i) % supported.size()];
        list.AppendGame(i, QStringLiteral("Good"), game.description, FileDirOfRow(supported, i));
    }
}

QStringList AllRows(const TGameListModel& list) {
    QStringList rows;
    for (const QStringList& row : list.Rows())
        rows.append(row.join(u','));
    return rows;
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QTemporaryDir folder;
    const QString gam = argc > 1 ? QString::fromLocal8Bit(argv[1]) : bench::MakeRealListFull(folder.path());
    if (gam.isEmpty())
        return 2;
    bool ok = true;

    // Parsing.
    std::vector<SupportedGame> supported;
    const double parseMs = bench::MedianMs(9, [&] { supported = ReadSupportedGamesFile(gam); });
    std::vector<SupportedGame> naiveSupported;
    const double naiveParseMs = bench::MedianMs(3, [&] { naiveSupported = NaiveParse(gam); });
    std::printf("Pellmora.GAM: %zu entries\n", supported.size());
    ok &= bench::Report("parse the real Pellmora.GAM", parseMs, 50, naiveParseMs);

    // Matching.
    const QStringList newNames = NewNames(supported);
    std::vector<ScanAddition> fast;
    const double matchMs = bench::MedianMs(5, [&] { fast = MatchNewNames(supported, newNames); });
    std::vector<ScanAddition> straight;
    const double naiveMatchMs =
        bench::MedianMs(1, [&] { straight = naive::MatchNewNames(supported, newNames); });
    if (!SameAdditions(fast, straight)) {
        std::fprintf(stderr, "matching differs from the straightforward loops\n");
        ok = false;
    }
    ok &= bench::Report("match 10,000 new names against the sets", matchMs, 200, naiveMatchMs);

    // Removal.
    QSet<QString> missing;
    QRandomGenerator random(7);
    while (missing.size() < 10000)
        missing.insert(FileDirOfRow(supported, random.bounded(45000)));
    const auto exists = [&](const QString& fileDir) { return !missing.contains(fileDir); };
    TGameListModel fastList, straightList;
    QStringList fastLog, straightLog;
    const double removeMs = bench::MedianMs(
        5, [&] { FillList(fastList, supported, 45000); },
        [&] { fastLog = RemoveMissingGames(fastList, exists); });
    const double naiveRemoveMs = bench::MedianMs(
        1, [&] { FillList(straightList, supported, 45000); },
        [&] { straightLog = naive::RemoveMissingRows(straightList, exists); });
    if (fastLog != straightLog || AllRows(fastList) != AllRows(straightList) || fastLog.size() != 10000) {
        std::fprintf(stderr, "removal differs from the straightforward loop\n");
        ok = false;
    }
    std::printf("removed %lld rows\n", static_cast<long long>(fastLog.size()));
    ok &= bench::Report("remove the missing rows of 45,000", removeMs, 100, naiveRemoveMs);
    return ok ? 0 : 1;
}
