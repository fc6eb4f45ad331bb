#pragma once
// Texts the program shows or uses in more than one place.

#include <QString>

// The program's name: window and box titles, the application name.
inline const QString ProgramName = QStringLiteral("Pellmora");
// The game list file in the user data folder.
inline const QString ListFileName = QStringLiteral("Pellmora.DAT");
