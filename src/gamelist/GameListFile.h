#pragma once
// Where the game list is kept: UserDataPath + "Pellmora.DAT", comma-separated.

#include <QString>

class TGameListModel;

// The list file of the user data folder, as named on disk when it exists in another letter case.
QString GameListFileName(const QString& userDataPath);

// Writes the whole list to its file. Throws AppError when it cannot be written.
void SaveGameList(const TGameListModel& list, const QString& userDataPath);

// Deletes the list file; false when it is still there.
bool DeleteGameListFile(const QString& userDataPath);
