#include "gamelist/VerifyPlan.h"

#include "base/AsciiCase.h"
#include "emulator/VerifyRules.h"

#include <QCoreApplication>

QString TVerifyPlan::RefusalLogLine() const {
    return QCoreApplication::translate("Verify", "\"%1\" is not verified: %2").arg(verifyName, refusal);
}

TVerifyPlan PlanVerify(const GameRow& game) {
    TVerifyPlan plan;
    plan.fileDir = game.fileDir;
    if (!plan.IsGame())
        return plan;
    plan.verifyName = VerifyName(game.fileDir);
    plan.key = AsciiLower(plan.verifyName);
    plan.refusal = VerifyNameRefusal(plan.verifyName);
    return plan;
}
