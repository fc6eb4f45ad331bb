#include "gamelist/gui/VerifyRun.h"

#include "base/AsciiCase.h"
#include "base/NameText.h"
#include "base/gui/CommandContext.h"
#include "emulator/CommandTexts.h"
#include "emulator/PlayTexts.h"
#include "emulator/VerifyRules.h"
#include "emulator/gui/RunEmulator.h"

#include <QCoreApplication>

void DebugVerifyBox(TCommandContext& context, const char* lead, const QString& gameName,
                    const QString& verifyName, const QString& status) {
    if (context.State.debug)
        context.dialogs.plainMessage(RowDebugText(QString::fromLatin1(lead), gameName, verifyName, status));
}

GameStatus BlockVerdict(TCommandContext& context, const QStringList& lines, const QString& verifyName,
                        bool traceLines) {
    const GameStatus verdict = Verdict(lines);
    if (!context.State.debug)
        return verdict;
    if (traceLines) {
        const QString wanted =
            QStringLiteral("romset ") + AsciiLower(verifyName) + QStringLiteral(" is good");
        for (const QString& line : lines)
            context.dialogs.plainMessage(QStringLiteral("SEARCHING ") +
                                         AsciiLower(TrimBlanksAndControls(line)) + QStringLiteral(" FOR ") +
                                         wanted);
    }
    if (verdict == GameStatus::Good)
        context.dialogs.plainMessage(QStringLiteral("Result: GameGood = True"));
    else if (verdict == GameStatus::Bad)
        context.dialogs.plainMessage(QStringLiteral("Result: GameBad = True"));
    return verdict;
}

TRunResult VerifyRun(TCommandContext& context, const TVerifyPlan& plan) {
    if (!plan.IsGame())
        return {};
    if (!plan.MayRun()) {
        context.WriteLog(plan.RefusalLogLine());
        return {};
    }
    return RunEmulator(context, plan.Command());
}
