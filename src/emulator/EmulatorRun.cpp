#include "emulator/EmulatorRun.h"

QString StopRequestedText() {
    return QStringLiteral("Stop requested: the emulator was asked to end.");
}

QString StoppedText() {
    return QStringLiteral("The emulator ended on the stop request.");
}

QString KilledText(int graceMs) {
    return QStringLiteral("The emulator had not ended ") + QString::number(graceMs / 1000.0) +
           QStringLiteral(" s after the stop request: it and the programs it started were killed.");
}
