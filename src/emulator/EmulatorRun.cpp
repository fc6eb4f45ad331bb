#include "emulator/EmulatorRun.h"

#include <QCoreApplication>

QString StopRequestedText() {
    return QCoreApplication::translate("Emulator", "Stop requested: the emulator was asked to end.");
}

QString StoppedText() {
    return QCoreApplication::translate("Emulator", "The emulator ended on the stop request.");
}

QString KilledText(int graceMs) {
    return QCoreApplication::translate(
               "Emulator",
               "The emulator had not ended %1 s after the stop request: it and the programs it started were "
               "killed.")
        .arg(QString::number(graceMs / 1000.0));
}
