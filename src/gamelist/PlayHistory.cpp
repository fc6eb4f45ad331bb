#include "gamelist/PlayHistory.h"

#include "base/AsciiCase.h"
#include "base/DateTimeText.h"
#include "gamelist/ListFileCodec.h"
#include "gamelist/SideFileLines.h"

#include <QCoreApplication>

#include <algorithm>

namespace {

constexpr int kCells = 4;

QString KeyOf(const QString& fileDir) {
    return AsciiLower(fileDir);
}

bool ReadRecord(const QString& line, TPlayRecord& record) {
    const QStringList cells = SplitListLine(line, QLatin1Char(','));
    if (cells.size() != kCells || cells[0].isEmpty())
        return false;
    bool runsOk = false;
    bool secondsOk = false;
    record.fileDir = cells[0];
    record.runs = cells[1].toInt(&runsOk);
    record.lastStart = QDateTime::fromString(cells[2], Qt::ISODate);
    record.secondsPlayed = cells[3].toLongLong(&secondsOk);
    return runsOk && secondsOk && record.runs > 0 && record.secondsPlayed >= 0 && record.lastStart.isValid();
}

} // namespace

const TPlayRecord* TPlayHistory::Find(const QString& fileDir) const {
    const auto found = records.constFind(KeyOf(fileDir));
    return found == records.cend() ? nullptr : &*found;
}

void TPlayHistory::RecordRun(const QString& fileDir, const QDateTime& start, const QDateTime& finish) {
    TPlayRecord& record = records[KeyOf(fileDir)];
    record.fileDir = fileDir;
    ++record.runs;
    record.lastStart = start.toUTC();
    record.secondsPlayed += std::max<qint64>(0, start.secsTo(finish));
}

void TPlayHistory::Move(const QString& from, const QString& to) {
    const auto found = records.constFind(KeyOf(from));
    if (found == records.cend())
        return;
    TPlayRecord record = *found;
    records.erase(found);
    record.fileDir = to;
    records.insert(KeyOf(to), record);
}

void TPlayHistory::Remove(const QString& fileDir) {
    records.remove(KeyOf(fileDir));
}

void TPlayHistory::Add(const TPlayRecord& record) {
    records.insert(KeyOf(record.fileDir), record);
}

std::vector<TPlayRecord> TPlayHistory::Records() const {
    return {records.cbegin(), records.cend()};
}

QByteArray PlayHistoryHeader() {
    return QByteArrayLiteral("Pellmora play history 1");
}

TPlayHistoryRead ParsePlayHistory(const QByteArray& text) {
    TPlayHistoryRead read;
    read.damagedLine = ReadSideFileLines(text, PlayHistoryHeader(), [&read](const QString& line) {
        TPlayRecord record;
        if (!ReadRecord(line, record))
            return false;
        read.history.Add(record);
        return true;
    });
    return read;
}

QByteArray FormatPlayHistory(const TPlayHistory& history, const std::function<bool(const QString&)>& keep) {
    std::vector<TPlayRecord> records = history.Records();
    std::sort(records.begin(), records.end(),
              [](const TPlayRecord& a, const TPlayRecord& b) { return a.fileDir < b.fileDir; });
    QString text = QString::fromLatin1(PlayHistoryHeader()) + QStringLiteral("\r\n");
    for (const TPlayRecord& record : records) {
        if (!keep(record.fileDir))
            continue;
        AppendListLine(text,
                       {record.fileDir, QString::number(record.runs), record.lastStart.toString(Qt::ISODate),
                        QString::number(record.secondsPlayed)},
                       kCells, QLatin1Char(','));
        text += QStringLiteral("\r\n");
    }
    return text.toUtf8();
}

QString PlayedText(const TPlayRecord* record) {
    return record ? QString::number(record->runs) : QString();
}

QString LastPlayedText(const TPlayRecord* record) {
    return record ? DateTimeToStr(QDateTimeToDateTime(record->lastStart.toLocalTime())) : QString();
}

QString TimePlayedText(const TPlayRecord* record) {
    if (!record)
        return QString();
    const qint64 seconds = record->secondsPlayed;
    return QStringLiteral("%1:%2:%3")
        .arg(seconds / 3600)
        .arg(seconds / 60 % 60, 2, 10, QLatin1Char('0'))
        .arg(seconds % 60, 2, 10, QLatin1Char('0'));
}

QString HistoryColumnTitle(int col) {
    switch (col) {
    case colPlayed:
        return QCoreApplication::translate("PlayHistory", "Played");
    case colLastPlayed:
        return QCoreApplication::translate("PlayHistory", "Last played");
    case colTimePlayed:
        return QCoreApplication::translate("PlayHistory", "Time played");
    default:
        return QString();
    }
}

QString HistoryCellText(const TPlayRecord* record, int col) {
    switch (col) {
    case colPlayed:
        return PlayedText(record);
    case colLastPlayed:
        return LastPlayedText(record);
    case colTimePlayed:
        return TimePlayedText(record);
    default:
        return QString();
    }
}
