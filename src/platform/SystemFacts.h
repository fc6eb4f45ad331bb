#pragma once
// What the operating system tells about the computer, for the exception log. A fact the
// system does not have stays empty (or none).

#include <QString>

#include <optional>

struct TPlatformFacts {
    QString DomainName, IPAddress, UserName;
    std::optional<qint64> UptimeSeconds;
    QString ProgramsFolder;
    QString CpuName, CpuType; // the maker as one of cpuUnknown, cpuIntel, cpuCyrix, cpuAMD, cpuCrusoe
    std::optional<qint64> CpuNominalMHz;
    int CpuPackages = 0, CpuPhysicalCores = 0, CpuLogicalCores = 0;
    std::optional<qint64> TotalPhysicalBytes, FreePhysicalBytes, TotalSwapBytes, FreeSwapBytes;
    std::optional<qint64> TotalVirtualBytes, FreeVirtualBytes; // the process's address space
    QString ProductName, OsVersionSymbol, ProductTypeSymbol;
    std::optional<int> VersionMajor, VersionMinor, VersionBuild;
    QString ServicePackVersion, ServicePackText;
};

// Reads them now. Never throws.
TPlatformFacts ReadPlatformFacts();
