#pragma once
// Verification: the emulator checks a game's files (-verifyroms) and the row gets "Good",
// "Bad" or "?", its Game Name refreshed from the supported-games list.

#include <QString>

struct TCommandContext;

// Verify Game: the selected row; shows the emulator's answer in the viewer unless
// DisplayVerifyGame is off. Runs inside the TEmulatorCommandScope of its command (Verify Game,
// Add Game).
void VerifySelectedGame(TCommandContext& context);
// Every row (or every known one), with a report in Pellmora.VER; while it runs, its button
// stops it at the next row.
void VerifyAllGames(TCommandContext& context);
// Ends Verify All Games at once: its emulator run under way too.
void StopVerify(TCommandContext& context);
// The Verify All Games button back in its normal mode, as after a run that a failure abandoned.
void ShowVerifyButtonIdle(TCommandContext& context);
void ViewVerifyReport(TCommandContext& context);

// UserDataPath + "Pellmora.VER".
QString VerifyReportFileName(const QString& userDataPath);
