// The filter above the grid over the real 45,294-set list: each key press of a typed text
// (re-filter, count and repaint) and clearing it, beside the straightforward way, a
// QSortFilterProxyModel with a regular expression under a plain table view.
//
// Usage: QT_QPA_PLATFORM=offscreen bench_filter [listfull file]
//        (default: the output of /usr/games/mame -listfull)

#include "gamelist/GameListModel.h"
#include "gamelist/ListFileCodec.h"
#include "gamelist/gui/GameFilterBar.h"
#include "gamelist/gui/TSortGrid.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QLineEdit>
#include <QProcess>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QSortFilterProxyModel>
#include <QTableView>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

constexpr double KeyBudgetMs = 16;
constexpr int Rounds = 5;

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

// Every set of the -listfull output as a game, statuses and favourites scattered.
void FillList(TGameListModel& list, const QByteArray& listFull) {
    static const QRegularExpression line(QStringLiteral("^(\\S+)\\s+\"(.*)\"$"));
    QRandomGenerator random(11);
    const QStringList statuses{QStringLiteral("Good"), QStringLiteral("?"), QStringLiteral("Bad")};
    std::vector<QStringList> rows{{}};
    for (const QString& text : QString::fromUtf8(listFull).split(QLatin1Char('\n'))) {
        const QRegularExpressionMatch match = line.match(text.trimmed());
        if (!match.hasMatch())
            continue;
        rows.push_back({random.bounded(20) == 0 ? QStringLiteral("true") : QString(),
                        statuses[random.bounded(3)], match.captured(2),
                        match.captured(1) + QStringLiteral(".zip")});
    }
    list.EmptyList();
    list.SetRowCount(static_cast<int>(rows.size()));
    for (size_t row = 1; row < rows.size(); ++row)
        for (int col = 0; col < 4; ++col)
            list.SetCell(col, static_cast<int>(row), rows[row][col]);
}

// The texts the filter box holds key press by key press: typed, then taken back.
QStringList KeyPresses(const QString& typed) {
    QStringList texts;
    for (qsizetype n = 1; n <= typed.size(); ++n)
        texts << typed.left(n);
    for (qsizetype n = typed.size() - 1; n >= 1; --n)
        texts << typed.left(n);
    return texts;
}

struct Figures {
    double median = 0;
    double worst = 0;
};

// Each press timed with the repaint it causes; the median and the worst over every round.
Figures TimePresses(const QStringList& texts, QWidget* painted,
                    const std::function<void(const QString&)>& press) {
    std::vector<double> times;
    for (int round = 0; round < Rounds; ++round) {
        for (const QString& text : texts) {
            QElapsedTimer timer;
            timer.start();
            press(text);
            painted->repaint();
            times.push_back(double(timer.nsecsElapsed()) / 1e6);
        }
        press(QString());
    }
    std::sort(times.begin(), times.end());
    return {times[times.size() / 2], times.back()};
}

double TimeClear(const QString& text, QWidget* painted, const std::function<void(const QString&)>& press) {
    std::vector<double> times;
    for (int round = 0; round < Rounds; ++round) {
        press(text);
        painted->repaint();
        QElapsedTimer timer;
        timer.start();
        press(QString());
        painted->repaint();
        times.push_back(double(timer.nsecsElapsed()) / 1e6);
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

// The straightforward filter: every word as a look-ahead of one case-blind expression, matched
// against each column's text.
QRegularExpression NaivePattern(const QString& text) {
    QString pattern = QStringLiteral("^");
    for (const QString& word : text.split(QLatin1Char(' '), Qt::SkipEmptyParts))
        pattern += QStringLiteral("(?=.*") + QRegularExpression::escape(word) + QStringLiteral(")");
    return QRegularExpression(pattern, QRegularExpression::CaseInsensitiveOption);
}

bool Report(const char* what, double ms, double budgetMs, double naiveMs) {
    const bool ok = ms <= budgetMs;
    std::printf("%-40s %8.2f ms (budget %3.0f ms) %-11s straightforward %8.2f ms, %5.1fx\n", what, ms,
                budgetMs, ok ? "ok" : "OVER BUDGET", naiveMs, naiveMs / ms);
    return ok;
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    TGameListModel list;
    FillList(list, ListFullText(argc, argv));
    if (list.GameCount() < 1000) {
        std::fprintf(stderr, "only %d games in the list; give a -listfull file\n", list.GameCount());
        return 2;
    }

    TSortGrid grid;
    grid.setModel(&list);
    grid.resize(377, 259);
    TGameFilterBar bar(grid, nullptr);
    bar.FollowGrid();
    grid.show();
    bar.show();
    QApplication::processEvents();

    QTableView naiveView;
    QSortFilterProxyModel naive;
    naive.setSourceModel(&list);
    naive.setFilterKeyColumn(-1);
    naiveView.setModel(&naive);
    naiveView.resize(377, 259);
    naiveView.show();
    QApplication::processEvents();

    const auto ours = [&bar](const QString& text) { bar.FilterEdit->setText(text); };
    const auto straightforward = [&naive](const QString& text) {
        naive.setFilterRegularExpression(NaivePattern(text));
    };

    std::printf("%d games\n", list.GameCount());
    bool ok = true;
    for (const QString& typed :
         {QStringLiteral("pac man"), QStringLiteral("street fighter"), QStringLiteral("zx")}) {
        const QStringList presses = KeyPresses(typed);
        const Figures fast = TimePresses(presses, grid.viewport(), ours);
        const Figures slow = TimePresses(presses, naiveView.viewport(), straightforward);
        const QByteArray median = "key press, \"" + typed.toUtf8() + "\" (median)";
        const QByteArray worst = "key press, \"" + typed.toUtf8() + "\" (worst)";
        ok = Report(median.constData(), fast.median, KeyBudgetMs, slow.median) && ok;
        ok = Report(worst.constData(), fast.worst, KeyBudgetMs, slow.worst) && ok;
        const QByteArray clear = "clearing \"" + typed.toUtf8() + "\"";
        ok = Report(clear.constData(), TimeClear(typed, grid.viewport(), ours), KeyBudgetMs,
                    TimeClear(typed, naiveView.viewport(), straightforward)) &&
             ok;
    }
    return ok ? 0 : 1;
}
