#pragma once

#include <QString>

// The folder that holds Pellmora.INI, Pellmora.DAT and the other data files, ending in "/":
// the executable's folder when it already holds a Pellmora.INI (a portable install),
// otherwise the per-user data folder + "Quorvane/Pellmora/". currentPath ends in "/".
QString ChooseUserDataPath(const QString& currentPath);

// The per-user data folder the platform gives programs, ending in "/"; empty when unknown.
QString PerUserDataFolder();
