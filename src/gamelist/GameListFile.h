#pragma once
// Where the game list is kept: UserDataPath + "Pellmora.DAT", comma-separated.

#include <QString>

class TGameListModel;

// The list file of the user data folder, as named on disk when it exists in another letter case.
QString GameListFileName(const QString& userDataPath);

// Writes the whole list to its file, and its play history and reasons (of the games the list
// holds) to theirs. Throws AppError when either cannot be written.
void SaveGameList(const TGameListModel& list, const QString& userDataPath);

// The play history file of the user data folder: "Pellmora.HIS", as named on disk.
QString PlayHistoryFileName(const QString& userDataPath);
// Writes the play history of the games the list holds; nothing while there is neither a
// history nor a file. Throws AppError when it cannot be written.
void SavePlayHistory(const TGameListModel& list, const QString& userDataPath);
// Reads the play history file into the list (a missing file is an empty history); returns the
// line where a damaged file stopped being read, 0 when it was sound.
int LoadPlayHistory(TGameListModel& list, const QString& userDataPath);

// The reasons file of the user data folder: "Pellmora.WHY", as named on disk. Saved and read
// as the play history is.
QString VerifyReasonsFileName(const QString& userDataPath);
void SaveVerifyReasons(const TGameListModel& list, const QString& userDataPath);
int LoadVerifyReasons(TGameListModel& list, const QString& userDataPath);

// Deletes the list file; false when it is still there.
bool DeleteGameListFile(const QString& userDataPath);
