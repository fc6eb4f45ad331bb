#include "diag/SystemFacts.h"

#include "diag/ExceptionLog.h"
#include "diag/SystemFactsParse.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QSysInfo>

#if defined(Q_OS_UNIX)
#include <arpa/inet.h>
#include <ifaddrs.h>
#include <net/if.h>
#include <netinet/in.h>
#include <pwd.h>
#include <sys/resource.h>
#include <sys/utsname.h>
#include <unistd.h>
#endif

namespace {

QString OrUnknown(const QString& value) {
    return value.trimmed().isEmpty() ? UnknownFact() : value.trimmed();
}

QString OrUnknown(const std::optional<qint64>& value) {
    return value ? QString::number(*value) : UnknownFact();
}

QString SizeOrUnknown(const std::optional<qint64>& bytes) {
    return bytes ? FormatSizeInKB(*bytes) : UnknownFact();
}

// Files under /proc report no size; read to the end. Empty when unreadable.
QString ReadTextFile(const QString& name) {
    QFile file(name);
    if (!file.open(QIODevice::ReadOnly))
        return QString();
    return QString::fromLocal8Bit(file.readAll());
}

QString ExecutableName() {
    if (QCoreApplication::instance())
        return QCoreApplication::applicationFilePath();
    return QFile::symLinkTarget(QStringLiteral("/proc/self/exe"));
}

#if defined(Q_OS_UNIX)
// The first address of an interface that is up and not the loopback: IPv4 before IPv6.
QString FirstNonLoopbackAddress() {
    ifaddrs* list = nullptr;
    if (getifaddrs(&list) != 0)
        return QString();
    QString v4, v6;
    for (const ifaddrs* entry = list; entry; entry = entry->ifa_next) {
        if (!entry->ifa_addr || !(entry->ifa_flags & IFF_UP) || (entry->ifa_flags & IFF_LOOPBACK))
            continue;
        char text[INET6_ADDRSTRLEN] = {};
        if (entry->ifa_addr->sa_family == AF_INET && v4.isEmpty()) {
            const auto* address = reinterpret_cast<const sockaddr_in*>(entry->ifa_addr);
            if (inet_ntop(AF_INET, &address->sin_addr, text, sizeof text))
                v4 = QString::fromLatin1(text);
        } else if (entry->ifa_addr->sa_family == AF_INET6 && v6.isEmpty()) {
            const auto* address = reinterpret_cast<const sockaddr_in6*>(entry->ifa_addr);
            if (inet_ntop(AF_INET6, &address->sin6_addr, text, sizeof text))
                v6 = QString::fromLatin1(text);
        }
    }
    freeifaddrs(list);
    return !v4.isEmpty() ? v4 : v6;
}

QString UserName() {
    if (const passwd* entry = getpwuid(geteuid()))
        return QString::fromLocal8Bit(entry->pw_name);
    return qEnvironmentVariable("USER");
}

QString DomainName(const utsname& system) {
    const QString resolver = DomainFromResolvConf(ReadTextFile(QStringLiteral("/etc/resolv.conf")));
    if (!resolver.isEmpty())
        return resolver;
#if defined(_GNU_SOURCE)
    const QString nis = QString::fromLocal8Bit(system.domainname);
    if (nis != QLatin1String("(none)"))
        return nis;
#else
    Q_UNUSED(system)
#endif
    return QString();
}

// The address space the process may use: its limit when it has one, else what the
// architecture gives a user process.
std::optional<qint64> TotalVirtualBytes() {
    rlimit limit{};
    if (getrlimit(RLIMIT_AS, &limit) == 0 && limit.rlim_cur != RLIM_INFINITY)
        return qint64(limit.rlim_cur);
    return sizeof(void*) == 8 ? (qint64(1) << 47) : (qint64(3) << 30);
}
#endif

void ReadCpu(TSystemFacts& facts) {
    const TCpuInfo cpu = ParseCpuInfo(ReadTextFile(QStringLiteral("/proc/cpuinfo")));
    const QString cpufreq = QStringLiteral("/sys/devices/system/cpu/cpu0/cpufreq/");
    facts.CPUName = OrUnknown(cpu.Name);
    facts.CPUType = CpuTypeName(cpu.Vendor);
    facts.NormFreq = OrUnknown(NominalMHz(cpu, ReadTextFile(cpufreq + QStringLiteral("base_frequency")),
                                          ReadTextFile(cpufreq + QStringLiteral("cpuinfo_max_freq"))));
    auto count = [](int value) { return value > 0 ? QString::number(value) : UnknownFact(); };
    facts.ProcessorCount = count(cpu.Packages);
    facts.PhysicalCore = count(cpu.PhysicalCores);
    facts.LogicalCore = count(cpu.LogicalCores);
}

void ReadMemory(TSystemFacts& facts) {
    const QString meminfo = ReadTextFile(QStringLiteral("/proc/meminfo"));
    facts.TotalPhysicalMemory = SizeOrUnknown(KiBEntryBytes(meminfo, QStringLiteral("MemTotal")));
    facts.FreePhysicalMemory = SizeOrUnknown(KiBEntryBytes(meminfo, QStringLiteral("MemAvailable")));
    facts.TotalPageFileMemory = SizeOrUnknown(KiBEntryBytes(meminfo, QStringLiteral("SwapTotal")));
    facts.FreePageFileMemory = SizeOrUnknown(KiBEntryBytes(meminfo, QStringLiteral("SwapFree")));
#if defined(Q_OS_UNIX)
    const std::optional<qint64> total = TotalVirtualBytes();
    const std::optional<qint64> used =
        KiBEntryBytes(ReadTextFile(QStringLiteral("/proc/self/status")), QStringLiteral("VmSize"));
    facts.TotalVirtualMemory = SizeOrUnknown(total);
    facts.FreeVirtualMemory =
        (total && used) ? FormatSizeInKB(qMax<qint64>(0, *total - *used)) : UnknownFact();
#else
    facts.TotalVirtualMemory = facts.FreeVirtualMemory = UnknownFact();
#endif
}

void ReadOperatingSystem(TSystemFacts& facts) {
    QString osReleaseText = ReadTextFile(QStringLiteral("/etc/os-release"));
    if (osReleaseText.isEmpty())
        osReleaseText = ReadTextFile(QStringLiteral("/usr/lib/os-release"));
    const QMap<QString, QString> osRelease = ParseOsRelease(osReleaseText);
    QString product = osRelease.value(QStringLiteral("PRETTY_NAME"));
    if (product.isEmpty())
        product = QSysInfo::prettyProductName();
    facts.ProductName = OrUnknown(product);
    facts.OSVersion = OrUnknown(OsVersionSymbol(osRelease));
    facts.ProductType = ProductTypeSymbol(osRelease);
    // The kernel's release numbers stand for the version numbers; Linux has no service
    // packs, and the kernel's build text stands for the service pack text.
    const TKernelVersion kernel = ParseKernelRelease(QSysInfo::kernelVersion());
    auto number = [](const std::optional<int>& value) {
        return value ? QString::number(*value) : UnknownFact();
    };
    facts.VersionMajor = number(kernel.Major);
    facts.VersionMinor = number(kernel.Minor);
    facts.VersionBuild = number(kernel.Patch);
    facts.ServicePackVersion = UnknownFact();
    facts.VersionCSDString = UnknownFact();
#if defined(Q_OS_UNIX)
    utsname system{};
    if (uname(&system) == 0)
        facts.VersionCSDString = OrUnknown(QString::fromLocal8Bit(system.version));
#endif
}

void ReadIdentification(TSystemFacts& facts) {
    facts.DomainName = UnknownFact();
    facts.LocalComputerName = OrUnknown(QSysInfo::machineHostName());
#if defined(Q_OS_UNIX)
    utsname system{};
    if (uname(&system) == 0)
        facts.DomainName = OrUnknown(DomainName(system));
    facts.IPAddress = OrUnknown(FirstNonLoopbackAddress());
    facts.LocalUserName = OrUnknown(UserName());
#else
    facts.IPAddress = UnknownFact();
    facts.LocalUserName = OrUnknown(qEnvironmentVariable("USERNAME"));
#endif
    const std::optional<qint64> uptime = ParseUptimeSeconds(ReadTextFile(QStringLiteral("/proc/uptime")));
    facts.TimeRunning = uptime ? TimeRunningText(*uptime) : UnknownFact();
}

} // namespace

QString UnknownFact() {
    return QStringLiteral("unknown");
}

TSystemFacts ReadSystemFacts() {
    TSystemFacts facts;
    try {
        facts.ExeName = OrUnknown(ExecutableName());
        facts.WorkingPath = OrUnknown(QDir::currentPath());
        ReadIdentification(facts);
        facts.AppData = OrUnknown(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation));
#if defined(Q_OS_WIN)
        facts.ProgramFiles = OrUnknown(qEnvironmentVariable("ProgramFiles"));
#else
        facts.ProgramFiles = QStringLiteral("/usr/bin");
#endif
        facts.Profile = OrUnknown(QDir::homePath());
        ReadCpu(facts);
        ReadMemory(facts);
        ReadOperatingSystem(facts);
    } catch (...) {
        // A fact that cannot be read stays empty and is written as unknown; the log still
        // gets written.
    }
    return facts;
}
