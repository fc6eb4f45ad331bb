#include "diag/ExceptionLog.h"

#include "base/DateTimeText.h"

#include <QCoreApplication>
#include <QFile>
#include <QRegularExpression>

namespace {

// One log line per line of the text: CR LF ends every line of the file, so no line break
// may stay inside one.
void AppendLines(QStringList& lines, const QString& text) {
    static const QRegularExpression breaks(QStringLiteral("\r\n|\r|\n"));
    lines.append(text.split(breaks));
}

void AppendFact(QStringList& lines, const QString& label, const QString& value) {
    AppendLines(lines, label + (value.isEmpty() ? UnknownFact() : value));
}

} // namespace

QString FormatSizeInKB(qint64 bytes, const QLocale& locale) {
    if (bytes == 0)
        return QStringLiteral("0 KiB");
    if (bytes < 1024)
        return QStringLiteral("1 KiB");
    // Halves away from zero, without overflowing at the top of the range.
    const qint64 kib = bytes / 1024 + (bytes % 1024 >= 512 ? 1 : 0);
    QLocale grouped = locale;
    grouped.setNumberOptions(locale.numberOptions() & ~QLocale::OmitGroupSeparator);
    return grouped.toString(kib) + QStringLiteral(" KiB");
}

QStringList ExceptionLogLines(const TExceptionLogContext& context, const TExceptionReport& report,
                              const TSystemFacts& facts, const QLocale& locale) {
    QStringList lines;
    AppendLines(lines, QStringLiteral("Application: ") + context.Title);
    AppendLines(lines, context.Version);
    AppendLines(lines, QStringLiteral("Log Created = ") +
                           DateTimeToStr(QDateTimeToDateTime(context.Created), locale));
    AppendLines(lines, QStringLiteral("CurrentPath = ") + context.CurrentPath);
    AppendLines(lines, QStringLiteral("UserDataPath = ") + context.UserDataPath);
    AppendLines(lines, QStringLiteral("Exception Message = ") + report.Message);
    AppendLines(lines, QStringLiteral("Exception Class Name = ") + report.ClassName);
    lines << QString() << QStringLiteral("STACK DUMP:");
    for (const QString& frame : report.Stack)
        AppendLines(lines, frame);
    lines << QString() << QStringLiteral("SYSTEM INFO:");
    const std::pair<const char*, const QString*> table[] = {
        {"App.ExeName: ", &facts.ExeName},
        {"App.Version: ", &context.Version},
        {"WorkingPath: ", &facts.WorkingPath},
        {"CurrPath: ", &context.CurrentPath},
        {"UserDataPath: ", &context.UserDataPath},
        {"Identification.DomainName: ", &facts.DomainName},
        {"Identification.LocalComputerName: ", &facts.LocalComputerName},
        {"Identification.IPAddress: ", &facts.IPAddress},
        {"Identification.LocalUserName: ", &facts.LocalUserName},
        {"Misc.TimeRunning: ", &facts.TimeRunning},
        {"Folders.AppData: ", &facts.AppData},
        {"Folders.ProgramFiles: ", &facts.ProgramFiles},
        {"Folders.Profile: ", &facts.Profile},
        {"CPU.Name: ", &facts.CPUName},
        {"CPU.CPUType: ", &facts.CPUType},
        {"CPU.NormFreq: ", &facts.NormFreq},
        {"CPU.ProcessorCount: ", &facts.ProcessorCount},
        {"CPU.PhysicalCore: ", &facts.PhysicalCore},
        {"CPU.LogicalCore: ", &facts.LogicalCore},
        {"Memory.TotalPhysicalMemory: ", &facts.TotalPhysicalMemory},
        {"Memory.FreePhysicalMemory: ", &facts.FreePhysicalMemory},
        {"Memory.TotalPageFileMemory: ", &facts.TotalPageFileMemory},
        {"Memory.FreePageFileMemory: ", &facts.FreePageFileMemory},
        {"Memory.TotalVirtualMemory: ", &facts.TotalVirtualMemory},
        {"Memory.FreeVirtualMemory: ", &facts.FreeVirtualMemory},
        {"OS.ProductName: ", &facts.ProductName},
        {"OS.OSVersion: ", &facts.OSVersion},
        {"OS.ProductType: ", &facts.ProductType},
        {"OS.VersionBuild: ", &facts.VersionBuild},
        {"OS.VersionMajor: ", &facts.VersionMajor},
        {"OS.VersionMinor: ", &facts.VersionMinor},
        {"OS.ServicePackVersion: ", &facts.ServicePackVersion},
        {"OS.VersionCSDString: ", &facts.VersionCSDString},
    };
    for (const auto& [label, value] : table)
        AppendFact(lines, QString::fromLatin1(label), *value);
    lines << QString() << QStringLiteral("EOF");
    return lines;
}

QString ExceptionLogFileName(const QDateTime& when, int counter) {
    QString name =
        QStringLiteral("Pellmora Exception ") + when.toString(QStringLiteral("yyyy-MM-dd hh.mm.ss"));
    if (counter > 1)
        name += QStringLiteral(" (%1)").arg(counter);
    return name + QStringLiteral(".log");
}

QString WriteExceptionLog(const QString& folder, const QStringList& lines, const QDateTime& when) {
    const QByteArray contents = (lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n")).toLocal8Bit();
    // A name is taken by creating the file: a log of the same second is never replaced.
    constexpr int MaxCounter = 1000;
    for (int counter = 1; counter <= MaxCounter; ++counter) {
        const QString fileName = folder + ExceptionLogFileName(when, counter);
        QFile file(fileName);
        if (!file.open(QIODevice::WriteOnly | QIODevice::NewOnly)) {
            if (file.exists())
                continue;
            return QString();
        }
        if (file.write(contents) != contents.size() || !file.flush()) {
            file.close();
            file.remove();
            return QString();
        }
        file.close();
        return fileName;
    }
    return QString();
}

QString WriteExceptionLogFor(const TExceptionLogContext& context, const TExceptionReport& report) {
    try {
        const QStringList lines = ExceptionLogLines(context, report, ReadSystemFacts());
        return WriteExceptionLog(context.UserDataPath, lines, QDateTime::currentDateTime());
    } catch (...) {
        // The handler must not fail in turn: no log then, and the box says so.
        return QString();
    }
}

QString ExceptionBoxText(const QString& message, const QString& logFileName, const QString& folder) {
    const QString head =
        QCoreApplication::translate("Exceptions", "GENERAL EXCEPTION ERROR: %1\n\n").arg(message);
    if (logFileName.isEmpty())
        return head + QCoreApplication::translate("Exceptions",
                                                  "The exception log file could not be written to \n%1")
                          .arg(folder);
    return head +
           QCoreApplication::translate("Exceptions", "Exception log file written to \n%1").arg(logFileName);
}
