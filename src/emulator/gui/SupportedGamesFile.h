#pragma once
// Pellmora.GAM, the emulator's list of the games it supports, made anew for each use.

#include <QString>

struct TCommandContext;

// UserDataPath + "Pellmora.GAM".
QString SupportedGamesFileName(const QString& userDataPath);

// Deletes the old list and has the emulator write a new one (-listfull). When the run fails
// or leaves no file, says so and closes the program: the caller must then stop at once, and
// false tells it so.
bool GenerateSupportedGamesFile(TCommandContext& context);
