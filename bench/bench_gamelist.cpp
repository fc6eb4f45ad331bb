// The game list in use at 45,000 rows named like the emulator's own descriptions: sorting
// by Game Name (style detection included), a search press without a match, and a
// first-letter jump, each beside the straightforward algorithm.
//
// Usage: bench_gamelist [listfull file]   (default: the output of /usr/games/mame -listfull)

#include "gamelist/GameListModel.h"
#include "gamelist/GridSort.h"
#include "gamelist/ListSearch.h"

#include <QCollator>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QRandomGenerator>
#include <QRegularExpression>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

constexpr int Rows = 45000;
constexpr int Runs = 7;
constexpr double SortBudgetMs = 150;
constexpr double SearchBudgetMs = 20;
constexpr double JumpBudgetMs = 5;

QByteArray ListFullText(int argc, char** argv) {
    if (argc > 1) {
        QFile file(QString::fromLocal8Bit(argv[1]));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    QProcess mame;
    mame.start(QStringLiteral("/usr/games/mame"), {QStringLiteral("-listfull")});
    mame.waitForFinished(-1);
    return mame.readAllStandardOutput();
}

// name<blanks>"Description" lines, after the header.
void FillList(TGameListModel& list, const QByteArray& listFull) {
    static const QRegularExpression line(QStringLiteral("^(\\S+)\\s+\"(.*)\"$"));
    QRandomGenerator random(11);
    const QStringList statuses{QStringLiteral("Good"), QStringLiteral("?"), QStringLiteral("Bad")};
    list.EmptyList();
    int games = 0;
    for (const QString& text : QString::fromUtf8(listFull).split(QLatin1Char('\n'))) {
        const QRegularExpressionMatch match = line.match(text.trimmed());
        if (!match.hasMatch() || games == Rows)
            continue;
        games = list.AppendGame(games, statuses[random.bounded(3)], match.captured(2),
                                match.captured(1) + QStringLiteral(".zip"));
        if (random.bounded(20) == 0)
            list.SetCell(colFavourite, games, QStringLiteral("true"));
    }
}

template <typename Work> double MedianMs(Work work) {
    std::vector<double> times;
    for (int run = 0; run < Runs; ++run) {
        QElapsedTimer timer;
        timer.start();
        work(run);
        times.push_back(double(timer.nsecsElapsed()) / 1e6);
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

// Rows of strings copied around, every comparison upper-casing and collating both texts.
double NaiveSortMs(const std::vector<QStringList>& rows, int col, const QLocale& locale) {
    return MedianMs([&](int) {
        std::vector<QStringList> copy(rows.begin() + 1, rows.end());
        const QCollator collator(locale);
        std::stable_sort(copy.begin(), copy.end(), [&](const QStringList& a, const QStringList& b) {
            return collator.compare(locale.toUpper(a.value(col)), locale.toUpper(b.value(col))) < 0;
        });
    });
}

double NaiveSearchMs(const std::vector<QStringList>& rows, const QString& text) {
    return MedianMs([&](int) {
        const QString needle = text.toLower();
        for (size_t row = 1; row < rows.size(); ++row) {
            for (int col = 0; col < 4; ++col) {
                if (rows[row].value(col).toLower().contains(needle))
                    return;
            }
        }
    });
}

double NaiveJumpMs(const std::vector<QStringList>& rows, int col, QChar character) {
    return MedianMs([&](int) {
        for (size_t row = 1; row < rows.size(); ++row) {
            if (rows[row].value(col).toUpper().startsWith(character))
                return;
        }
    });
}

bool Report(const char* what, double ms, double naiveMs, double budgetMs) {
    const bool ok = ms <= budgetMs;
    std::printf("%-34s %8.2f ms  (naive %8.2f ms, %5.1fx)  budget %4.0f ms  %s\n", what, ms, naiveMs,
                naiveMs / ms, budgetMs, ok ? "ok" : "OVER BUDGET");
    return ok;
}

// A character no Game Name begins with, so the jump looks at every row; else the last one.
QChar UnusedFirstCharacter(const std::vector<QStringList>& rows) {
    QChar last;
    for (const char c : QByteArrayLiteral("0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ")) {
        last = QLatin1Char(c);
        if (FirstLetterRow(rows, colGameName, last) == 0)
            return last;
    }
    return last;
}

bool SortFigures(TGameListModel& list, const QLocale& locale) {
    const std::vector<QStringList> unsorted = list.Rows();
    const double ms = MedianMs([&](int run) {
        TSortOptions options;
        options.SortDirection = run % 2 ? sdDescending : sdAscending;
        SortGameRows(list, colGameName, options, locale);
    });
    const QByteArray what = "sort by Game Name (" + locale.name().toLatin1() + ")";
    return Report(what.constData(), ms, NaiveSortMs(unsorted, colGameName, locale), SortBudgetMs);
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    TGameListModel list;
    FillList(list, ListFullText(argc, argv));
    if (list.GameCount() < Rows) {
        std::fprintf(stderr, "only %d games in the list; give a -listfull file\n", list.GameCount());
        return 2;
    }
    std::printf("%d games, system locale %s\n", list.GameCount(), qPrintable(QLocale::system().name()));
    bool ok = SortFigures(list, QLocale::system());
    ok = SortFigures(list, QLocale(QLocale::English, QLocale::UnitedStates)) && ok;

    const QString missing = QStringLiteral("no such game here");
    const double searchMs = MedianMs([&](int) {
        if (FindGameRow(list.Rows(), missing, 1) != 0)
            std::fprintf(stderr, "the search found a row\n");
    });
    ok = Report("search press without a match", searchMs, NaiveSearchMs(list.Rows(), missing),
                SearchBudgetMs) &&
         ok;

    const QChar character = UnusedFirstCharacter(list.Rows());
    const double jumpMs = MedianMs([&](int) { FirstLetterRow(list.Rows(), colGameName, character); });
    ok = Report("first-letter jump over every row", jumpMs, NaiveJumpMs(list.Rows(), colGameName, character),
                JumpBudgetMs) &&
         ok;
    return ok ? 0 : 1;
}
