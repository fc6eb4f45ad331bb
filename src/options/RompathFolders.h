#pragma once
// The game folders of the emulator's "rompath": a list of folders separated by ";", which the
// emulator searches in order for each game.

#include <QString>
#include <QStringList>

#include <functional>

// Each non-empty piece of value through the folder rule, in order; a folder named twice is kept
// at its first place only. A value without any piece gives the emulator folder itself, as an
// empty value always has.
QStringList RompathFolders(const QString& mamePath, const QString& value);

// Which of the folders exist now: a disk that is not mounted leaves its folder missing.
struct RompathCheck {
    QStringList existing; // in rompath order
    QStringList missing;  // in rompath order
};
RompathCheck CheckRompathFolders(const QStringList& folders,
                                 const std::function<bool(const QString&)>& exists);

// The warning shown at start-up when some game folders are missing but not all.
QString MissingGameFoldersMessage(const QStringList& missing);
