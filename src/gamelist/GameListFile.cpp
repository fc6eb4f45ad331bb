#include "gamelist/GameListFile.h"

#include "base/FileLookup.h"
#include "base/ProgramTexts.h"
#include "gamelist/GameListModel.h"

#include <QFile>

QString GameListFileName(const QString& userDataPath) {
    return FindFileIgnoringCase(userDataPath, ListFileName);
}

void SaveGameList(const TGameListModel& list, const QString& userDataPath) {
    list.SaveToFile(GameListFileName(userDataPath), QLatin1Char(','));
}

bool DeleteGameListFile(const QString& userDataPath) {
    const QString fileName = GameListFileName(userDataPath);
    return !QFile::exists(fileName) || QFile::remove(fileName);
}
