#include "platform/SystemFacts.h"

#include <QSysInfo>

// Only what Qt and the environment tell; the rest reads as unknown.
TPlatformFacts ReadPlatformFacts() {
    TPlatformFacts facts;
    facts.UserName = qEnvironmentVariable("USERNAME");
    facts.DomainName = qEnvironmentVariable("USERDOMAIN");
    facts.ProgramsFolder = qEnvironmentVariable("ProgramFiles");
    facts.ProductName = QSysInfo::prettyProductName();
    return facts;
}
