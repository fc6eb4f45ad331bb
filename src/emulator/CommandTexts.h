#pragma once
// The command texts that run the emulator, each one line for /bin/sh -c in MAMEPath.
// Every path or name is shell-quoted; the user's own switches go in as typed.

#include <QString>

// The emulator's full path, quoted, followed by the ini search path that makes it read
// the mame.ini in its own folder (distribution builds look elsewhere by default).
QString EmulatorCall(const QString& mamePath, const QString& mameExe);

// The name the emulator knows a game by: File/Dir up to its first ".zip" (any case), else up
// to its first ".7z", else all of it (a folder).
QString VerifyName(const QString& fileDir);

QString CreateConfigCommand(const QString& mamePath, const QString& mameExe);
// Writes the supported-games list into UserDataPath + "Pellmora.GAM".
QString ListFullCommand(const QString& mamePath, const QString& mameExe, const QString& userDataPath);
QString VerifyRomsCommand(const QString& mamePath, const QString& mameExe, const QString& fileDir);
QString RomIdentCommand(const QString& mamePath, const QString& mameExe, const QString& rompath,
                        const QString& fileDir);
QString ShowUsageCommand(const QString& mamePath, const QString& mameExe);
QString HelpCommand(const QString& mamePath, const QString& mameExe);
QString ValidateCommand(const QString& mamePath, const QString& mameExe);
// The game's File/Dir (none when empty), then -noreadconfig for readconfig "0", -verbose
// for verbose "1", then the user's switches as typed unless they are only blanks.
QString PlayCommand(const QString& mamePath, const QString& mameExe, const QString& fileDir,
                    const QString& readconfig, const QString& verbose, const QString& userSwitches);

// The operating system's description of a number taken as a system error code,
// for the "The problem code is N : " texts.
QString SystemErrorText(int code);
