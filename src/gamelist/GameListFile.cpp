#include "gamelist/GameListFile.h"

#include "base/AppError.h"
#include "base/AsciiCase.h"
#include "base/FileLookup.h"
#include "base/ProgramTexts.h"
#include "base/WholeFile.h"
#include "gamelist/GameListModel.h"
#include "gamelist/ListFileCodec.h"
#include "gamelist/PlayHistory.h"

#include <QFile>
#include <QSet>

QString GameListFileName(const QString& userDataPath) {
    return FindFileIgnoringCase(userDataPath, ListFileName);
}

void SaveGameList(const TGameListModel& list, const QString& userDataPath) {
    list.SaveToFile(GameListFileName(userDataPath), QLatin1Char(','));
    SavePlayHistory(list, userDataPath);
}

QString PlayHistoryFileName(const QString& userDataPath) {
    return FindFileIgnoringCase(userDataPath, QStringLiteral("Pellmora.HIS"));
}

void SavePlayHistory(const TGameListModel& list, const QString& userDataPath) {
    const QString fileName = PlayHistoryFileName(userDataPath);
    if (list.History().Count() == 0 && !QFile::exists(fileName))
        return;
    // A game no longer in the list leaves the history here.
    QSet<QString> listed;
    for (int row = 1; row < list.RowCount(); ++row)
        listed.insert(AsciiLower(list.Cells(colFileDir, row)));
    const QByteArray text = FormatPlayHistory(
        list.History(), [&listed](const QString& fileDir) { return listed.contains(AsciiLower(fileDir)); });
    if (!WriteWholeFile(fileName, text))
        throw AppError(QStringLiteral("Unable to write to ") + fileName);
}

int LoadPlayHistory(TGameListModel& list, const QString& userDataPath) {
    const QString fileName = PlayHistoryFileName(userDataPath);
    QFile file(fileName);
    if (!file.exists())
        return 0;
    if (!file.open(QIODevice::ReadOnly))
        return 1;
    TPlayHistoryRead read = ParsePlayHistory(file.readAll());
    list.SetHistory(std::move(read.history));
    return read.damagedLine;
}

bool DeleteGameListFile(const QString& userDataPath) {
    const QString fileName = GameListFileName(userDataPath);
    return !QFile::exists(fileName) || QFile::remove(fileName);
}
