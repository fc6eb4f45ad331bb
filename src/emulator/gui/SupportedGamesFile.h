#pragma once
// Pellmora.GAM, the emulator's list of the games it supports, made again when its emulator
// changed or when a run left it unfinished.

#include <QString>

struct TCommandContext;

// UserDataPath + "Pellmora.GAM".
QString SupportedGamesFileName(const QString& userDataPath);

// The note beside it that says which executable made it; written only after a whole run.
QString SupportedGamesStampName(const QString& userDataPath);

// Deletes the old list and has the emulator write a new one (-listfull). When the run fails
// or leaves no file, says so and closes the program: the caller must then stop at once, and
// false tells it so.
bool GenerateSupportedGamesFile(TCommandContext& context);

// Keeps the list when the note says the present executable made all of it; otherwise as
// GenerateSupportedGamesFile.
bool EnsureSupportedGamesFile(TCommandContext& context);
