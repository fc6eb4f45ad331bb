#include "emulator/CommandTexts.h"

#include "base/AsciiCase.h"
#include "base/ProgramTexts.h"
#include "emulator/ShellQuote.h"

#include <cstring>

QString EmulatorCall(const QString& mamePath, const QString& mameExe) {
    return ShellQuote(mamePath + mameExe) + QStringLiteral(" -inipath '.;ini;ini/presets'");
}

QString VerifyName(const QString& fileDir) {
    // The first ".ZIP" anywhere wins over ".7Z"; the letters keep their case.
    const QString upper = AsciiUpper(fileDir);
    for (const QLatin1String extension : {QLatin1String(".ZIP"), QLatin1String(".7Z")}) {
        const qsizetype at = upper.indexOf(extension);
        if (at >= 0)
            return fileDir.left(at);
    }
    return fileDir;
}

QString CreateConfigCommand(const QString& mamePath, const QString& mameExe) {
    return EmulatorCall(mamePath, mameExe) + QStringLiteral(" -createconfig");
}

QString ListFullCommand(const QString& mamePath, const QString& mameExe, const QString& userDataPath) {
    return EmulatorCall(mamePath, mameExe) + QStringLiteral(" -listfull > ") +
           ShellQuote(userDataPath + SupportedGamesListName);
}

QString VerifyRomsCommand(const QString& mamePath, const QString& mameExe, const QString& fileDir) {
    return EmulatorCall(mamePath, mameExe) + QStringLiteral(" -verifyroms ") +
           ShellQuote(VerifyName(fileDir));
}

QString VerifyRomsBatchCommand(const QString& mamePath, const QString& mameExe,
                               const QStringList& verifyNames) {
    QString command = EmulatorCall(mamePath, mameExe) + QStringLiteral(" -verifyroms");
    for (const QString& name : verifyNames)
        command += QLatin1Char(' ') + ShellQuote(name);
    return command;
}

QString RomIdentCommand(const QString& mamePath, const QString& mameExe, const QString& rompath,
                        const QString& fileDir) {
    return EmulatorCall(mamePath, mameExe) + QStringLiteral(" -romident ") + ShellQuote(rompath + fileDir);
}

QString ShowUsageCommand(const QString& mamePath, const QString& mameExe) {
    return EmulatorCall(mamePath, mameExe) + QStringLiteral(" -showusage");
}

QString HelpCommand(const QString& mamePath, const QString& mameExe) {
    return EmulatorCall(mamePath, mameExe) + QStringLiteral(" -help");
}

QString ValidateCommand(const QString& mamePath, const QString& mameExe) {
    return EmulatorCall(mamePath, mameExe) + QStringLiteral(" -validate");
}

QString PlayCommand(const QString& mamePath, const QString& mameExe, const QString& fileDir,
                    const QString& readconfig, const QString& verbose, const QString& userSwitches) {
    QString command = EmulatorCall(mamePath, mameExe);
    // No game at all (the empty list's blank row) starts the emulator's own menu.
    if (!fileDir.isEmpty())
        command += QLatin1Char(' ') + ShellQuote(fileDir);
    if (readconfig == QLatin1String("0"))
        command += QStringLiteral(" -noreadconfig");
    if (verbose == QLatin1String("1"))
        command += QStringLiteral(" -verbose");
    if (!userSwitches.trimmed().isEmpty())
        command += QLatin1Char(' ') + userSwitches;
    return command;
}

QString SystemErrorText(int code) {
    // strerror's buffer may be reused by the next call: copy it at once.
    return QString::fromLocal8Bit(std::strerror(code));
}
