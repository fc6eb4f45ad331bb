#include "gamelist/gui/VerifyAllRows.h"

#include "base/AsciiCase.h"
#include "base/gui/CommandContext.h"
#include "base/gui/StatusText.h"
#include "emulator/CommandTexts.h"
#include "emulator/VerifyRules.h"
#include "emulator/gui/RunEmulator.h"
#include "gamelist/GameFilter.h"
#include "gamelist/GameListModel.h"
#include "gamelist/ListFileCodec.h"
#include "gamelist/SupportedGames.h"
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

// The verify name a row is run under, empty when it gets no run of the emulator: the blank
// row, an unknown row skipped, a name the emulator must not see.
QString RunName(const TGameListModel& list, const TSupportedGames& supported, int row, bool skipUnknown) {
    const QString fileDir = list.Cells(colFileDir, row);
    if (fileDir.isEmpty())
        return QString();
    const QString verifyName = VerifyName(fileDir);
    if ((skipUnknown && !supported.Lookup(verifyName)) || !VerifyNameRefusal(verifyName).isEmpty())
        return QString();
    return verifyName;
}

// One run for the rows from firstRow on, as many as the limits let in. A batch of one name
// is not run: that row's own run follows.
TBatchRun RunBatch(TCommandContext& context, const TSupportedGames& supported, int firstRow, bool skipUnknown,
                   const TVerifyBatchLimits& limits) {
    const AppState& state = context.State;
    const TGameListModel& list = context.GameList;
    TVerifyBatch batch(
        EmulatorCommandText(EmulatorProgram(state.MAMEPath, state.MAMEEXE), VerifyRomsBatchArgs({})).size(),
        limits);
    TBatchRun run;
    for (int row = firstRow; row < list.RowCount(); ++row) {
        const QString name = RunName(list, supported, row, skipUnknown);
        if (name.isEmpty())
            continue;
        if (!batch.Add(name))
            break;
        run.rowKeys.insert(row, AsciiLower(name));
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
        const QString fileDir = list.Cells(colFileDir, row);
        // The empty list's blank row is no game: no run, no block, no count.
        if (fileDir.isEmpty())
            continue;
        const QString verifyName = VerifyName(fileDir);
        DebugVerifyBox(context, "VERIFY GAMES: ", list.Cells(colGameName, row), verifyName,
                       list.Cells(colStatus, row));
        const auto description = supported.Lookup(verifyName);
        const QString gameName = description ? *description : UnknownGameName();
        list.SetGameName(row, gameName);
        ++(description ? state.nFound : state.nUnknown);
        if (skipUnknown && !description)
            continue;
        QStringList block = VerifyBlockHead(verifyName, gameName);
        const QString key = AsciiLower(verifyName);
        if (VerifyNameRefusal(verifyName).isEmpty() && !batch.Covers(row, key))
            batch = RunBatch(context, supported, row, skipUnknown, limits);
        // A set the batch gave no verdict (no files found, a name the emulator does not know)
        // is asked again alone, so that its block holds the emulator's own words about it. A
        // run ended by Escape or Stop gives its row what it said so far and ends the command.
        bool stoppedHere = batch.stopped;
        if (stoppedHere) {
            block += batch.sets.value(key).lines;
        } else if (const TSetVerifyLines* lines = batch.VerdictLines(row, key)) {
            block += lines->lines;
        } else {
            const TRunResult single = VerifyRun(context, fileDir, verifyName);
            block += single.lines;
            stoppedHere = single.stopped;
        }
        list.SetStatus(row, BlockVerdict(context, block, verifyName, true));
        report += block;
        if (stoppedHere) {
            stopped();
            break;
        }
    }
    return report;
}
