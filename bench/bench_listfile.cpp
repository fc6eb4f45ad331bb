// Loading and saving the list file at realistic sizes, against the time budgets.

#include "BenchSupport.h"

#include "gamelist/GameListModel.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

const QChar Comma = QLatin1Char(',');
const int Runs = 9;

// Names in the style of the emulator's full list: title, then maker and set in brackets.
QString GameName(QRandomGenerator& random, int i) {
    static const char* const titles[] = {
        "Pac-Man",
        "Ms. Pac-Man",
        "Galaga",
        "Street Fighter II': Champion Edition",
        "Donkey Kong",
        "1942",
        "Puzzle Bobble",
        "The King of Fighters '98 - The Slugfest / King of Fighters '98 - dream match never ends",
        "Metal Slug X - Super Vehicle-001",
        "Bubble Bobble",
        "Robotron: 2084",
        "Out Run",
        "Final Fight",
        "Teenage Mutant Ninja Turtles",
        "Xevious",
        "Defender",
        "Tetris",
        "Marvel vs. Capcom: Clash of Super Heroes"};
    static const char* const makers[] = {"Midway", "Namco",    "Capcom", "Nintendo", "SNK",     "Taito",
                                         "Sega",   "Williams", "Konami", "Atari",    "bootleg", "Data East"};
    static const char* const sets[] = {"set 1", "set 2", "World 920513",        "US",
                                       "Japan", "rev 1", "NGM-2500 ~ NGH-2500", "hack"};
    const auto pick = [&random](const auto& list) {
        return QString::fromLatin1(list[random.bounded(static_cast<int>(std::size(list)))]);
    };
    if (i % 97 == 0)
        return QStringLiteral("[UNKNOWN GAME]");
    return pick(titles) + QStringLiteral(" (") + pick(makers) + QStringLiteral(", ") + pick(sets) +
           QLatin1Char(')');
}

QString FileDir(QRandomGenerator& random, int i) {
    QString name;
    const int length = 3 + random.bounded(6);
    for (int c = 0; c < length; ++c)
        name.append(QLatin1Char(char('a' + random.bounded(26))));
    name += QString::number(i);
    const int kind = random.bounded(20);
    if (kind == 0)
        return name; // a folder
    return name + (kind == 1 ? QStringLiteral(".7z") : QStringLiteral(".zip"));
}

QString Status(QRandomGenerator& random) {
    const int roll = random.bounded(10);
    return roll < 6 ? QStringLiteral("Good") : roll < 9 ? QStringLiteral("?") : QStringLiteral("Bad");
}

void FillList(TGameListModel& model, int rows) {
    QRandomGenerator random(20240611);
    model.EmptyList();
    int games = 0;
    for (int i = 0; i < rows; ++i) {
        games = model.AppendGame(games, Status(random), GameName(random, i), FileDir(random, i));
        if (random.bounded(20) == 0)
            model.SetCell(colFavourite, games, QStringLiteral("true"));
    }
}

template <typename Work> double MedianMs(Work work) {
    return bench::MedianMs(Runs, work);
}

// True when both figures are within budget and every row came back.
bool Measure(const QString& folder, int rows, double budgetMs) {
    TGameListModel model;
    FillList(model, rows);
    const QString fileName = folder + QStringLiteral("/Pellmora%1.DAT").arg(rows);
    model.SaveToFile(fileName, Comma);

    const double saveMs = MedianMs([&] { model.SaveToFile(fileName, Comma); });
    bool allRows = true;
    const double loadMs = MedianMs([&] {
        TGameListModel loaded;
        loaded.LoadFromFile(fileName, Comma);
        if (loaded.GameCount() != rows) {
            std::fprintf(stderr, "loaded %d games, expected %d\n", loaded.GameCount(), rows);
            allRows = false;
        }
    });
    const auto line = [&](const char* what, double ms) {
        std::printf("%-5s %6d rows (%5.2f MB): %7.2f ms median of %d, budget %5.0f ms  %s\n", what, rows,
                    double(QFileInfo(fileName).size()) / 1e6, ms, Runs, budgetMs,
                    ms <= budgetMs ? "ok" : "OVER BUDGET");
    };
    line("load", loadMs);
    line("save", saveMs);
    return allRows && loadMs <= budgetMs && saveMs <= budgetMs;
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QTemporaryDir folder;
    if (!folder.isValid()) {
        std::fprintf(stderr, "no temporary folder\n");
        return 1;
    }
    std::printf("list file in %s\n", qPrintable(folder.path()));
    const bool small = Measure(folder.path(), 10000, 30);
    const bool large = Measure(folder.path(), 45000, 100);
    return small && large ? 0 : 1;
}
