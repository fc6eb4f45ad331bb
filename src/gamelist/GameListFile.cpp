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
#include <functional>

QString GameListFileName(const QString& userDataPath) {
    return FindFileIgnoringCase(userDataPath, ListFileName);
}

void SaveGameList(const TGameListModel& list, const QString& userDataPath) {
    list.SaveToFile(GameListFileName(userDataPath), QLatin1Char(','));
    SavePlayHistory(list, userDataPath);
    SaveVerifyReasons(list, userDataPath);
}

QString PlayHistoryFileName(const QString& userDataPath) {
    return FindFileIgnoringCase(userDataPath, QStringLiteral("Pellmora.HIS"));
}

namespace {

// Writes a side file of the games the list holds (format: the file's text from a keep test),
// whole or not at all; nothing while it would hold nothing and is not there.
void SaveSideFile(const TGameListModel& list, const QString& fileName, int records,
                  const std::function<QByteArray(const std::function<bool(const QString&)>&)>& format) {
    if (records == 0 && !QFile::exists(fileName))
        return;
    // A game no longer in the list leaves the file here.
    QSet<QString> listed;
    for (int row = 1; row < list.RowCount(); ++row)
        listed.insert(AsciiLower(list.Cells(colFileDir, row)));
    const QByteArray text =
        format([&listed](const QString& fileDir) { return listed.contains(AsciiLower(fileDir)); });
    if (!WriteWholeFile(fileName, text))
        throw AppError(QStringLiteral("Unable to write to ") + fileName);
}

// The side file's bytes; false when it is there but cannot be read.
bool ReadSideFile(const QString& fileName, QByteArray& bytes) {
    QFile file(fileName);
    if (!file.exists())
        return true;
    if (!file.open(QIODevice::ReadOnly))
        return false;
    bytes = file.readAll();
    return true;
}

} // namespace

void SavePlayHistory(const TGameListModel& list, const QString& userDataPath) {
    SaveSideFile(list, PlayHistoryFileName(userDataPath), list.History().Count(),
                 [&list](const auto& keep) { return FormatPlayHistory(list.History(), keep); });
}

int LoadPlayHistory(TGameListModel& list, const QString& userDataPath) {
    QByteArray bytes;
    if (!ReadSideFile(PlayHistoryFileName(userDataPath), bytes))
        return 1;
    if (bytes.isEmpty())
        return 0;
    TPlayHistoryRead read = ParsePlayHistory(bytes);
    list.SetHistory(std::move(read.history));
    return read.damagedLine;
}

QString VerifyReasonsFileName(const QString& userDataPath) {
    return FindFileIgnoringCase(userDataPath, QStringLiteral("Pellmora.WHY"));
}

void SaveVerifyReasons(const TGameListModel& list, const QString& userDataPath) {
    SaveSideFile(list, VerifyReasonsFileName(userDataPath), list.Reasons().Count(),
                 [&list](const auto& keep) { return FormatVerifyReasons(list.Reasons(), keep); });
}

int LoadVerifyReasons(TGameListModel& list, const QString& userDataPath) {
    QByteArray bytes;
    if (!ReadSideFile(VerifyReasonsFileName(userDataPath), bytes))
        return 1;
    if (bytes.isEmpty())
        return 0;
    TVerifyReasonsRead read = ParseVerifyReasons(bytes);
    list.SetReasons(std::move(read.reasons));
    return read.damagedLine;
}

bool DeleteGameListFile(const QString& userDataPath) {
    const QString fileName = GameListFileName(userDataPath);
    return !QFile::exists(fileName) || QFile::remove(fileName);
}
