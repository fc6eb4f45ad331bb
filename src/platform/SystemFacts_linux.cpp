#include "platform/SystemFacts.h"

#include "platform/SystemFactsParse.h"

#include <QFile>
#include <QSysInfo>

#include <arpa/inet.h>
#include <ifaddrs.h>
#include <net/if.h>
#include <netinet/in.h>
#include <pwd.h>
#include <sys/resource.h>
#include <sys/utsname.h>
#include <unistd.h>

namespace {

// Files under /proc report no size; read to the end. Empty when unreadable.
QString ReadTextFile(const QString& name) {
    QFile file(name);
    if (!file.open(QIODevice::ReadOnly))
        return QString();
    return QString::fromLocal8Bit(file.readAll());
}

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

// The resolver's domain, else the NIS domain the kernel keeps.
QString DomainName(const utsname& system) {
    const QString resolver = DomainFromResolvConf(ReadTextFile(QStringLiteral("/etc/resolv.conf")));
    if (!resolver.isEmpty())
        return resolver;
    const QString nis = QString::fromLocal8Bit(system.domainname);
    return nis == QLatin1String("(none)") ? QString() : nis;
}

// The address space the process may use: its limit when it has one, else what the
// architecture gives a user process.
qint64 TotalVirtualBytes() {
    rlimit limit{};
    if (getrlimit(RLIMIT_AS, &limit) == 0 && limit.rlim_cur != RLIM_INFINITY)
        return qint64(limit.rlim_cur);
    return sizeof(void*) == 8 ? (qint64(1) << 47) : (qint64(3) << 30);
}

void ReadCpu(TPlatformFacts& facts) {
    const TCpuInfo cpu = ParseCpuInfo(ReadTextFile(QStringLiteral("/proc/cpuinfo")));
    const QString cpufreq = QStringLiteral("/sys/devices/system/cpu/cpu0/cpufreq/");
    facts.CpuName = cpu.Name;
    facts.CpuType = CpuTypeName(cpu.Vendor);
    facts.CpuNominalMHz = NominalMHz(cpu, ReadTextFile(cpufreq + QStringLiteral("base_frequency")),
                                     ReadTextFile(cpufreq + QStringLiteral("cpuinfo_max_freq")));
    facts.CpuPackages = cpu.Packages;
    facts.CpuPhysicalCores = cpu.PhysicalCores;
    facts.CpuLogicalCores = cpu.LogicalCores;
}

void ReadMemory(TPlatformFacts& facts) {
    const QString meminfo = ReadTextFile(QStringLiteral("/proc/meminfo"));
    facts.TotalPhysicalBytes = KiBEntryBytes(meminfo, QStringLiteral("MemTotal"));
    facts.FreePhysicalBytes = KiBEntryBytes(meminfo, QStringLiteral("MemAvailable"));
    facts.TotalSwapBytes = KiBEntryBytes(meminfo, QStringLiteral("SwapTotal"));
    facts.FreeSwapBytes = KiBEntryBytes(meminfo, QStringLiteral("SwapFree"));
    facts.TotalVirtualBytes = TotalVirtualBytes();
    const std::optional<qint64> used =
        KiBEntryBytes(ReadTextFile(QStringLiteral("/proc/self/status")), QStringLiteral("VmSize"));
    if (used)
        facts.FreeVirtualBytes = qMax<qint64>(0, *facts.TotalVirtualBytes - *used);
}

void ReadOperatingSystem(TPlatformFacts& facts, const utsname* system) {
    QString osReleaseText = ReadTextFile(QStringLiteral("/etc/os-release"));
    if (osReleaseText.isEmpty())
        osReleaseText = ReadTextFile(QStringLiteral("/usr/lib/os-release"));
    const QMap<QString, QString> osRelease = ParseOsRelease(osReleaseText);
    facts.ProductName = osRelease.value(QStringLiteral("PRETTY_NAME"), QSysInfo::prettyProductName());
    facts.OsVersionSymbol = OsVersionSymbol(osRelease);
    facts.ProductTypeSymbol = ProductTypeSymbol(osRelease);
    // The kernel's release numbers stand for the version numbers and its build text for the
    // service pack text; Linux has no service packs.
    const TKernelVersion kernel = ParseKernelRelease(QSysInfo::kernelVersion());
    facts.VersionMajor = kernel.Major;
    facts.VersionMinor = kernel.Minor;
    facts.VersionBuild = kernel.Patch;
    if (system)
        facts.ServicePackText = QString::fromLocal8Bit(system->version);
}

} // namespace

TPlatformFacts ReadPlatformFacts() {
    TPlatformFacts facts;
    try {
        utsname system{};
        const bool haveSystem = uname(&system) == 0;
        if (haveSystem)
            facts.DomainName = DomainName(system);
        facts.IPAddress = FirstNonLoopbackAddress();
        facts.UserName = UserName();
        facts.UptimeSeconds = ParseUptimeSeconds(ReadTextFile(QStringLiteral("/proc/uptime")));
        facts.ProgramsFolder = QStringLiteral("/usr/bin");
        ReadCpu(facts);
        ReadMemory(facts);
        ReadOperatingSystem(facts, haveSystem ? &system : nullptr);
    } catch (...) {
        // What could not be read stays empty; the log is still written.
    }
    return facts;
}
