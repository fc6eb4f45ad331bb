#include "emulator/GameNameRules.h"

bool StartsLikeOption(const QString& fileDir) {
    return fileDir.startsWith(QLatin1Char('-'));
}
