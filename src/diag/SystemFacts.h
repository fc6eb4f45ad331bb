#pragma once
// Facts about the program and the computer for the exception log, each already as the
// log's text: "unknown" where the system has no such fact.

#include <QLocale>
#include <QString>

struct TSystemFacts {
    QString ExeName, WorkingPath;
    QString DomainName, LocalComputerName, IPAddress, LocalUserName, TimeRunning;
    QString AppData, ProgramFiles, Profile;
    QString CPUName, CPUType, NormFreq, ProcessorCount, PhysicalCore, LogicalCore;
    QString TotalPhysicalMemory, FreePhysicalMemory, TotalPageFileMemory, FreePageFileMemory;
    QString TotalVirtualMemory, FreeVirtualMemory;
    QString ProductName, OSVersion, ProductType, VersionBuild, VersionMajor, VersionMinor;
    QString ServicePackVersion, VersionCSDString;
};

// Reads them now. Never throws: the exception handler calls it.
TSystemFacts ReadSystemFacts();

// The text for a fact the system has none of.
QString UnknownFact();

// How long the computer has been running: whole days, a blank, and the rest as a time of
// day in the locale's long time format.
QString TimeRunningText(qint64 seconds, const QLocale& locale = QLocale::system());
