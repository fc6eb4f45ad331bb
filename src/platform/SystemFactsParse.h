#pragma once
// Readers of the texts the system keeps its own facts in (/proc/cpuinfo, /proc/meminfo,
// /proc/uptime, /etc/os-release, the kernel release), kept apart from the reading of the
// files so that each can be checked with captured texts.

#include <QMap>
#include <QString>

#include <optional>

struct TCpuInfo {
    QString Name;   // the processor's model name; empty when the text has none
    QString Vendor; // the maker's identification ("GenuineIntel", "AuthenticAMD")
    double ReportedMHz = 0;
    int LogicalCores = 0;  // "processor" entries
    int PhysicalCores = 0; // distinct cores, counted once however many threads each runs
    int Packages = 0;      // distinct processor packages (sockets)
};

TCpuInfo ParseCpuInfo(const QString& cpuinfo);

// The maker as one of cpuUnknown, cpuIntel, cpuCyrix, cpuAMD, cpuCrusoe.
QString CpuTypeName(const QString& vendor);

// The nominal clock in MHz: the kernel's base frequency (kHz text), else the figure in the
// model name ("@ 2.40GHz"), else the highest frequency (kHz text), else the frequency the
// processor reports running at; none when nothing gives one.
std::optional<qint64> NominalMHz(const TCpuInfo& cpu, const QString& baseKHz, const QString& maxKHz);

// A "Key:   123 kB" entry of /proc/meminfo or /proc/self/status, in bytes.
std::optional<qint64> KiBEntryBytes(const QString& text, const QString& key);

// KEY=value lines, quotes and their escapes removed; comments and blank lines skipped.
QMap<QString, QString> ParseOsRelease(const QString& text);

// The first field of /proc/uptime, in whole seconds.
std::optional<qint64> ParseUptimeSeconds(const QString& text);

// The leading numbers of a kernel release such as "6.1.0-18-amd64"; missing ones are none.
struct TKernelVersion {
    std::optional<int> Major, Minor, Patch;
};
TKernelVersion ParseKernelRelease(const QString& release);

// The system as a symbolic name made of its os-release ID and VERSION_ID: "osDebian12".
QString OsVersionSymbol(const QMap<QString, QString>& osRelease);

// "ptServer" for a server variant, "ptWorkStation" otherwise.
QString ProductTypeSymbol(const QMap<QString, QString>& osRelease);

// The "domain" of resolv.conf, else its first "search" domain; empty when neither.
QString DomainFromResolvConf(const QString& text);
