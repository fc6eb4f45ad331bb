#include "diag/SystemFacts.h"

#include "base/DateTimeText.h"
#include "diag/ExceptionLog.h"
#include "platform/SystemFacts.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QSysInfo>
#include <QTime>

namespace {

QString OrUnknown(const QString& value) {
    return value.trimmed().isEmpty() ? UnknownFact() : value.trimmed();
}

template <typename Number> QString OrUnknown(const std::optional<Number>& value) {
    return value ? QString::number(*value) : UnknownFact();
}

QString CountOrUnknown(int count) {
    return count > 0 ? QString::number(count) : UnknownFact();
}

QString SizeOrUnknown(const std::optional<qint64>& bytes) {
    return bytes ? FormatSizeInKB(*bytes) : UnknownFact();
}

QString ExecutableName() {
    if (QCoreApplication::instance())
        return QCoreApplication::applicationFilePath();
    return QFile::symLinkTarget(QStringLiteral("/proc/self/exe"));
}

} // namespace

QString UnknownFact() {
    return QStringLiteral("unknown");
}

QString TimeRunningText(qint64 seconds, const QLocale& locale) {
    const qint64 days = seconds / 86400;
    const QTime rest = QTime(0, 0).addSecs(int(seconds % 86400));
    return QString::number(days) + QLatin1Char(' ') + locale.toString(rest, LongTimeFormat(locale));
}

TSystemFacts ReadSystemFacts() {
    const TPlatformFacts os = ReadPlatformFacts();
    TSystemFacts facts;
    try {
        facts.ExeName = OrUnknown(ExecutableName());
        facts.WorkingPath = OrUnknown(QDir::currentPath());
        facts.DomainName = OrUnknown(os.DomainName);
        facts.LocalComputerName = OrUnknown(QSysInfo::machineHostName());
        facts.IPAddress = OrUnknown(os.IPAddress);
        facts.LocalUserName = OrUnknown(os.UserName);
        facts.TimeRunning = os.UptimeSeconds ? TimeRunningText(*os.UptimeSeconds) : UnknownFact();
        facts.AppData = OrUnknown(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation));
        facts.ProgramFiles = OrUnknown(os.ProgramsFolder);
        facts.Profile = OrUnknown(QDir::homePath());
        facts.CPUName = OrUnknown(os.CpuName);
        facts.CPUType = OrUnknown(os.CpuType);
        facts.NormFreq = OrUnknown(os.CpuNominalMHz);
        facts.ProcessorCount = CountOrUnknown(os.CpuPackages);
        facts.PhysicalCore = CountOrUnknown(os.CpuPhysicalCores);
        facts.LogicalCore = CountOrUnknown(os.CpuLogicalCores);
        facts.TotalPhysicalMemory = SizeOrUnknown(os.TotalPhysicalBytes);
        facts.FreePhysicalMemory = SizeOrUnknown(os.FreePhysicalBytes);
        facts.TotalPageFileMemory = SizeOrUnknown(os.TotalSwapBytes);
        facts.FreePageFileMemory = SizeOrUnknown(os.FreeSwapBytes);
        facts.TotalVirtualMemory = SizeOrUnknown(os.TotalVirtualBytes);
        facts.FreeVirtualMemory = SizeOrUnknown(os.FreeVirtualBytes);
        facts.ProductName = OrUnknown(os.ProductName);
        facts.OSVersion = OrUnknown(os.OsVersionSymbol);
        facts.ProductType = OrUnknown(os.ProductTypeSymbol);
        facts.VersionBuild = OrUnknown(os.VersionBuild);
        facts.VersionMajor = OrUnknown(os.VersionMajor);
        facts.VersionMinor = OrUnknown(os.VersionMinor);
        facts.ServicePackVersion = OrUnknown(os.ServicePackVersion);
        facts.VersionCSDString = OrUnknown(os.ServicePackText);
    } catch (...) {
        // A fact that cannot be told stays empty and is written as unknown.
    }
    return facts;
}
