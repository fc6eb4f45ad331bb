#include "emulator/CommandTexts.h"

#include "base/AsciiCase.h"
#include "emulator/ShellQuote.h"

#include <cstring>

TEmulatorArgs::TEmulatorArgs(std::initializer_list<QString> arguments) {
    for (const QString& argument : arguments)
        Add(argument);
}

TEmulatorArgs& TEmulatorArgs::Add(const QString& argument) {
    arguments.append(argument);
    text += QLatin1Char(' ') + ShellQuote(argument);
    return *this;
}

TEmulatorArgs& TEmulatorArgs::AddTyped(const QString& typed) {
    arguments += ShellWords(typed);
    text += QLatin1Char(' ') + typed;
    return *this;
}

QString EmulatorProgram(const QString& mamePath, const QString& mameExe) {
    return mamePath + mameExe;
}

namespace {

const QString IniPathOption = QStringLiteral("-inipath");
const QString IniPath = QStringLiteral(".;ini;ini/presets");

} // namespace

QStringList EmulatorArguments(const TEmulatorArgs& args) {
    return QStringList{IniPathOption, IniPath} + args.Arguments();
}

QString EmulatorCommandText(const QString& program, const TEmulatorArgs& args,
                            const QString& standardOutputFile) {
    QString text = ShellQuote(program) + QLatin1Char(' ') + IniPathOption + QLatin1Char(' ') +
                   ShellQuote(IniPath) + args.Text();
    if (!standardOutputFile.isEmpty())
        text += QStringLiteral(" > ") + ShellQuote(standardOutputFile);
    return text;
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

TEmulatorArgs CreateConfigArgs() {
    return {QStringLiteral("-createconfig")};
}

TEmulatorArgs ListFullArgs() {
    return {QStringLiteral("-listfull")};
}

TEmulatorArgs VerifyRomsArgs(const QString& fileDir) {
    return {QStringLiteral("-verifyroms"), VerifyName(fileDir)};
}

TEmulatorArgs VerifyRomsBatchArgs(const QStringList& verifyNames) {
    TEmulatorArgs args{QStringLiteral("-verifyroms")};
    for (const QString& name : verifyNames)
        args.Add(name);
    return args;
}

TEmulatorArgs RomIdentArgs(const QString& rompath, const QString& fileDir) {
    return {QStringLiteral("-romident"), rompath + fileDir};
}

TEmulatorArgs ShowUsageArgs() {
    return {QStringLiteral("-showusage")};
}

TEmulatorArgs HelpArgs() {
    return {QStringLiteral("-help")};
}

TEmulatorArgs ValidateArgs() {
    return {QStringLiteral("-validate")};
}

TEmulatorArgs PlayArgs(const QString& fileDir, const QString& readconfig, const QString& verbose,
                       const QString& userSwitches) {
    TEmulatorArgs args;
    // No game at all (the empty list's blank row) starts the emulator's own menu.
    if (!fileDir.isEmpty())
        args.Add(fileDir);
    if (readconfig == QLatin1String("0"))
        args.Add(QStringLiteral("-noreadconfig"));
    if (verbose == QLatin1String("1"))
        args.Add(QStringLiteral("-verbose"));
    if (!userSwitches.trimmed().isEmpty())
        args.AddTyped(userSwitches);
    return args;
}

QString SystemErrorText(int code) {
    // strerror's buffer may be reused by the next call: copy it at once.
    return QString::fromLocal8Bit(std::strerror(code));
}
