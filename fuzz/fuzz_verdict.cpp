// The verdict of a verification run, from the emulator's output as the launcher splits it into
// lines. Whatever the output, the verdict is "Good", "Bad" or "?", does not depend on the order
// of the lines, and a bad romset line always makes it "Bad".

#include "FuzzSupport.h"

#include "emulator/VerifyRules.h"
#include "gamelist/ListFileCodec.h"

#include <algorithm>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QStringList lines = InputLines(data, size);

    const auto verdictOf = [](const QStringList& lines) { return StatusText(Verdict(lines)); };
    const QString verdict = verdictOf(lines);
    if (verdict != QLatin1String("Good") && verdict != QLatin1String("Bad") && verdict != QLatin1String("?"))
        PropertyFailed("the verdict is Good, Bad or ?", QString(), verdict);
    QStringList reversed = lines;
    std::reverse(reversed.begin(), reversed.end());
    RequireEqual("the order of the lines does not matter", verdict, verdictOf(reversed));
    RequireEqual("a bad romset makes the verdict Bad", QStringLiteral("Bad"),
                 verdictOf(lines + QStringList{QStringLiteral("romset pacman [puckman] is bad")}));
    RequireEqual("a good romset makes the verdict Good unless one is bad",
                 verdict == QLatin1String("Bad") ? verdict : QStringLiteral("Good"),
                 verdictOf(lines + QStringList{QStringLiteral("romset pong is good")}));
    return 0;
}
