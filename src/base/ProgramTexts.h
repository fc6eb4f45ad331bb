#pragma once
// Texts the program shows or uses in more than one place.

#include <QString>

// The program's name: window and box titles, the application name.
inline const QString ProgramName = QStringLiteral("Pellmora");
// The game list file in the user data folder.
inline const QString ListFileName = QStringLiteral("Pellmora.DAT");
// The emulator's list of supported games, kept in the user data folder.
inline const QString SupportedGamesListName = QStringLiteral("Pellmora.GAM");
// Verify All's report in the user data folder.
inline const QString VerifyReportName = QStringLiteral("Pellmora.VER");
// The desktop entry's name without ".desktop", which is also the AppStream id.
inline const QString DesktopEntryName = QStringLiteral("example.pellmora.pellmora");
