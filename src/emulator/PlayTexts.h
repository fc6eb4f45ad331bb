#pragma once
// The texts Play Game shows around a run of the emulator, and the debug box every row command shares.

#include <QString>
#include <QStringList>

// A debug box's three lines about a row, after the command's lead ("RUN GAME: ", "DELETE GAME: "...).
QString RowDebugText(const QString& lead, const QString& gameName, const QString& gameDir,
                     const QString& status);
// The debug box: the inputs of the run.
QString PlayDebugText(const QString& gameName, const QString& fileDir, const QString& status);
// The game's archive or folder is not in the game folder.
QString GameFileMissingText(const QString& gameName, const QString& fileDir);
// The game's File/Dir would reach the emulator as an option.
QString OptionLikeGameText(const QString& gameName, const QString& fileDir);
// The question for a game that has not been verified ("?").
QString NotVerifiedQuestion(const QString& gameName);
// The question for a game verified and found bad ("Bad").
QString FoundBadQuestion(const QString& gameName);
// The emulator ended with a non-zero code: the code as an unsigned 32-bit number, then
// every captured line, each ended by a line break.
QString PlayProblemText(const QString& gameName, int exitCode, const QStringList& output);
