#pragma once
// What the emulator is given for each command: an argument list (no shell reads it), and the
// text the log shows for it, each path or name quoted for reading.

#include <QString>
#include <QStringList>

#include <initializer_list>

// The arguments of one run after the executable and the ini search path, with the text the
// log shows for them.
class TEmulatorArgs {
  public:
    TEmulatorArgs() = default;
    TEmulatorArgs(std::initializer_list<QString> arguments);

    // One argument, whatever it holds; shown quoted when it holds anything a shell would read.
    TEmulatorArgs& Add(const QString& argument);
    // The user's own switches: split into words as a shell splits them (quotes keep a blank
    // inside one argument, nothing is expanded) and shown as typed.
    TEmulatorArgs& AddTyped(const QString& typed);

    const QStringList& Arguments() const { return arguments; }
    // " -verifyroms pacman": the arguments as the log shows them, each after a blank.
    const QString& Text() const { return text; }

  private:
    QStringList arguments;
    QString text;
};

// The emulator executable: MAMEPath + MAMEEXE.
QString EmulatorProgram(const QString& mamePath, const QString& mameExe);
// Every argument the executable is started with: first the ini search path that makes it read
// the mame.ini in its own folder (distribution builds look elsewhere by default).
QStringList EmulatorArguments(const TEmulatorArgs& args);
// The command as the log shows it; standardOutputFile, when set, is shown as a redirection.
QString EmulatorCommandText(const QString& program, const TEmulatorArgs& args,
                            const QString& standardOutputFile = {});

// The name the emulator knows a game by: File/Dir up to its first ".zip" (any case), else up
// to its first ".7z", else all of it (a folder).
QString VerifyName(const QString& fileDir);

TEmulatorArgs CreateConfigArgs();
// Its standard output is the supported-games list.
TEmulatorArgs ListFullArgs();
TEmulatorArgs VerifyRomsArgs(const QString& fileDir);
// One run for several games, by their verify names; without names, the command's fixed part.
TEmulatorArgs VerifyRomsBatchArgs(const QStringList& verifyNames);
TEmulatorArgs RomIdentArgs(const QString& rompath, const QString& fileDir);
TEmulatorArgs ShowUsageArgs();
TEmulatorArgs HelpArgs();
TEmulatorArgs ValidateArgs();
// The game's File/Dir (none when empty), then -noreadconfig for readconfig "0", -verbose
// for verbose "1", then the user's switches unless they are only blanks.
TEmulatorArgs PlayArgs(const QString& fileDir, const QString& readconfig, const QString& verbose,
                       const QString& userSwitches);

// The operating system's description of a number taken as a system error code,
// for the "The problem code is N : " texts.
QString SystemErrorText(int code);
