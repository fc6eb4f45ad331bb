#include "emulator/GameNameRules.h"

bool StartsLikeOption(const QString& fileDir) {
    return fileDir.startsWith(QLatin1Char('-'));
}

bool HoldsLineBreak(const QString& fileDir) {
    return fileDir.contains(QLatin1Char('\n')) || fileDir.contains(QLatin1Char('\r'));
}
