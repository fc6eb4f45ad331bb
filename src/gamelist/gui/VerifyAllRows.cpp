#include "gamelist/gui/VerifyAllRows.h"

#include "base/gui/CommandContext.h"
#include "base/gui/StatusText.h"
#include "emulator/CommandTexts.h"
#include "emulator/VerifyReason.h"
#include "emulator/VerifyRules.h"
#include "emulator/gui/RunEmulator.h"
#include "gamelist/GameFilter.h"
#include "gamelist/GameListModel.h"
#include "gamelist/ListFileCodec.h"
#include "gamelist/SupportedGames.h"
#include "gamelist/VerifyPlan.h"
#include "gamelist/gui/TSortGrid.h"
#include "gamelist/gui/VerifyRun.h"

#include <QApplication>
#include <QCoreApplication>
#include <QLocale>
#include <QProgressBar>

#include <algorithm>

namespace {

// The rows one batch run named and what it said about each of their sets.
struct TBatchRun {
    QHash<int, QString> rowKeys; // row -> its verify name, ASCII lower-cased
    QHash<QString, TSetVerifyLines> sets;
    bool stopped = false;

    bool Covers(int row, const QString& key) const { return rowKeys.value(row) == key; }
    // The row's lines when the run named it and gave its set a verdict.
    const TSetVerifyLines* VerdictLines(int row, const QString& key) const {
        const auto set = sets.constFind(key);
        return Covers(row, key) && set != sets.cend() && set->verdict ? &*set : nullptr;
    }
};

// Every row's plan, worked out once; index 0 is the header's.
std::vector<TVerifyPlan> PlanEveryRow(const TGameListModel& list) {
    std::vector<TVerifyPlan> plans(static_cast<size_t>(std::max(list.RowCount(), 1)));
    for (int row = 1; row < list.RowCount(); ++row)
        plans[static_cast<size_t>(row)] = PlanVerify(list.Game(row));
    return plans;
}

// Whether a row goes into a batch run: a game the emulator may be asked about, and not an
// unknown one skipped.
bool Batched(const TVerifyPlan& plan, const TSupportedGames& supported, bool skipUnknown) {
    return plan.MayRun() && !(skipUnknown && !supported.Lookup(plan.verifyName));
}

// One run for the rows from firstRow on, as many as the limits let in. A batch of one name
// is not run: that row's own run follows.
TBatchRun RunBatch(TCommandContext& context, const std::vector<TVerifyPlan>& plans,
                   const TSupportedGames& supported, int firstRow, bool skipUnknown,
                   const TVerifyBatchLimits& limits) {
    const AppState& state = context.State;
    TVerifyBatch batch(
        EmulatorCommandText(EmulatorProgram(state.MAMEPath, state.MAMEEXE), VerifyRomsBatchArgs({})).size(),
        limits);
    TBatchRun run;
    for (int row = firstRow; row < static_cast<int>(plans.size()); ++row) {
        const TVerifyPlan& plan = plans[static_cast<size_t>(row)];
        if (!Batched(plan, supported, skipUnknown))
            continue;
        if (!batch.Add(plan.verifyName))
            break;
        run.rowKeys.insert(row, plan.key);
    }
    if (batch.Names().size() < 2)
        return run;
    const TRunResult result = RunEmulator(context, VerifyRomsBatchArgs(batch.Names()));
    run.sets = SplitVerifyOutput(result.lines, batch.Names());
    run.stopped = result.stopped;
    return run;
}

// Said beside the progress when the filter hides games, which are verified all the same.
QString HiddenGamesNote(const TCommandContext& context) {
    const TGameListModel& list = context.GameList;
    const std::vector<int>& shown = context.Grid.ShownRows();
    const auto shownGames =
        std::count_if(shown.cbegin(), shown.cend(), [&list](int row) { return list.IsGameRow(row); });
    const int hidden = list.GameCount() - static_cast<int>(shownGames);
    if (hidden <= 0)
        return QString();
    return QCoreApplication::translate("Verify", " (including %1 games the filter hides)")
        .arg(GroupedCount(hidden, QLocale::system()));
}

void ShowProgress(TCommandContext& context, int pct, const QString& note) {
    SetStatusText(context,
                  QCoreApplication::translate("Verify", "Verifying all games... %1% Complete").arg(pct) +
                      note);
    if (QProgressBar* progress = context.Window.ProgressBar())
        progress->setValue(pct);
}

} // namespace

QStringList VerifyAllRows(TCommandContext& context, const TSupportedGames& supported, bool skipUnknown,
                          const TVerifyBatchLimits& limits) {
    AppState& state = context.State;
    TGameListModel& list = context.GameList;
    QStringList report;
    TBatchRun batch;
    const std::vector<TVerifyPlan> plans = PlanEveryRow(list);
    const int rows = list.RowCount() - 1;
    const QString note = HiddenGamesNote(context);
    const auto stopped = [&] {
        state.StopVerification = true;
        context.WriteLog(QCoreApplication::translate("Verify", "Stopped by user."), clRed);
    };
    for (int row = 1; row <= rows; ++row) {
        context.Window.SelectGridRow(row);
        ShowProgress(context, VerifyPercent(row, rows), note);
        QApplication::processEvents();
        if (state.StopVerification) {
            stopped();
            break;
        }
        const TVerifyPlan& plan = plans[static_cast<size_t>(row)];
        if (!plan.IsGame())
            continue;
        DebugVerifyBox(context, "VERIFY GAMES: ", list.Cells(colGameName, row), plan.verifyName,
                       list.Cells(colStatus, row));
        const auto description = supported.Lookup(plan.verifyName);
        const QString gameName = description ? *description : UnknownGameName();
        list.SetGameName(row, gameName);
        ++(description ? state.nFound : state.nUnknown);
        if (skipUnknown && !description)
            continue;
        QStringList block = VerifyBlockHead(plan.verifyName, gameName);
        if (plan.MayRun() && !batch.Covers(row, plan.key))
            batch = RunBatch(context, plans, supported, row, skipUnknown, limits);
        // A set the batch gave no verdict (no files found, a name the emulator does not know)
        // is asked again alone, so that its block holds the emulator's own words about it. A
        // run ended by Escape or Stop gives its row what it said so far and ends the command.
        bool stoppedHere = batch.stopped;
        QStringList said;
        if (stoppedHere) {
            said = batch.sets.value(plan.key).lines;
        } else if (const TSetVerifyLines* lines = batch.VerdictLines(row, plan.key)) {
            said = lines->lines;
        } else {
            const TRunResult single = VerifyRun(context, plan);
            said = single.lines;
            stoppedHere = single.stopped;
        }
        block += said;
        list.SetVerified(row, BlockVerdict(context, block, plan.verifyName, true), ReadVerifyReason(said));
        report += block;
        if (stoppedHere) {
            stopped();
            break;
        }
    }
    return report;
}
