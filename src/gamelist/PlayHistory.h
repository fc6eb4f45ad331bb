#pragma once
// What was played: per game (its File/Dir, compared ignoring the case of A to Z) the number of
// runs, the start of the last one and the time played in all, and the file that keeps them,
// UserDataPath + "Pellmora.HIS": a first line naming it, then one line per game of comma-separated
// cells as the list file writes them: File/Dir, runs, last start (ISO 8601, UTC), seconds played.

#include <QByteArray>
#include <QDateTime>
#include <QHash>
#include <QString>
#include <QStringList>

#include <functional>
#include <vector>

struct TPlayRecord {
    QString fileDir;
    int runs = 0;
    QDateTime lastStart; // UTC
    qint64 secondsPlayed = 0;

    bool operator==(const TPlayRecord&) const = default;
};

class TPlayHistory {
  public:
    // The game's record; nullptr for a game never played.
    const TPlayRecord* Find(const QString& fileDir) const;
    // One run from start to finish (a finish before the start counts no time).
    void RecordRun(const QString& fileDir, const QDateTime& start, const QDateTime& finish);
    // A game renamed: its record goes with it, over any record the new name had.
    void Move(const QString& from, const QString& to);
    void Remove(const QString& fileDir);
    // Adds a record read from the file; a second record of the same game replaces the first.
    void Add(const TPlayRecord& record);
    int Count() const { return static_cast<int>(records.size()); }
    // Every record, in no particular order.
    std::vector<TPlayRecord> Records() const;

  private:
    QHash<QString, TPlayRecord> records; // by File/Dir lower-cased in A to Z
};

// The file's first line.
QByteArray PlayHistoryHeader();

struct TPlayHistoryRead {
    TPlayHistory history;
    // 0 when the whole file was sound; else the number of the first line that was not (1 for
    // a file that is not a play history at all), where reading stopped.
    int damagedLine = 0;
};

// The records of the file's text up to its first line that is not sound. An empty text is an
// empty history.
TPlayHistoryRead ParsePlayHistory(const QByteArray& text);

// The file's text with the records of the games listed kept (by keep's answer), sorted by
// File/Dir so that the same history gives the same file.
QByteArray FormatPlayHistory(const TPlayHistory& history, const std::function<bool(const QString&)>& keep);

// The texts of the three history columns: runs ("" for none), last start in the local short
// date and long time formats, time played as hours:minutes:seconds.
QString PlayedText(const TPlayRecord* record);
QString LastPlayedText(const TPlayRecord* record);
QString TimePlayedText(const TPlayRecord* record);

// The grid's columns after the list file's four: shown by the grid, never written to the list file.
constexpr int colPlayed = 4;
constexpr int colLastPlayed = 5;
constexpr int colTimePlayed = 6;
constexpr int HistoryColumnCount = 3;
// "Played", "Last played", "Time played".
QString HistoryColumnTitle(int col);
// The text of a history column's cell.
QString HistoryCellText(const TPlayRecord* record, int col);
