// The reason of a verification, from the emulator's output as the launcher splits it into
// lines. Whatever the output, a reason is read, every figure is at least zero and at most the
// number of lines, and a set's text is never empty and starts with its status.

#include "FuzzSupport.h"

#include "emulator/VerifyReason.h"
#include "emulator/VerifyRules.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QStringList lines = InputLines(data, size);

    const TVerifyReason reason = ReadVerifyReason(lines);
    const int count = static_cast<int>(lines.size());
    int elsewhere = 0;
    for (const TMissingElsewhere& other : reason.elsewhere)
        elsewhere += other.files;
    for (const int figure : {reason.missing, reason.wrongChecksum, reason.wrongLength, reason.noGoodDump,
                             reason.optionalMissing, elsewhere})
        if (figure < 0 || figure > count)
            PropertyFailed("a figure counts lines", QString::number(count), QString::number(figure));
    if (elsewhere > reason.missing)
        PropertyFailed("files of other sets are among the missing ones", QString::number(reason.missing),
                       QString::number(elsewhere));

    const GameStatus status = Verdict(lines);
    const QString text = VerifyReasonText(reason, status);
    const QString head = status == GameStatus::Good  ? QStringLiteral("Good: ")
                         : status == GameStatus::Bad ? QStringLiteral("Bad: ")
                                                     : QStringLiteral("?");
    if (!text.startsWith(head) || text.size() <= head.size() + 1)
        PropertyFailed("the text starts with the status and says why", head, text);
    return 0;
}
