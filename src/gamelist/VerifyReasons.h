#pragma once
// Why each verified game has its status, by File/Dir (compared ignoring the case of A to Z),
// and the file that keeps them, UserDataPath + "Pellmora.WHY": a first line naming it, then one
// line per game of comma-separated cells as the list file writes them (VerifyReasons.cpp).

#include "base/GameRow.h"
#include "emulator/VerifyReason.h"

#include <QByteArray>
#include <QHash>
#include <QString>

#include <functional>
#include <vector>

struct TGameReason {
    QString fileDir;
    bool verified = false; // false: only ever set by hand
    GameStatus verifiedStatus = GameStatus::None;
    TVerifyReason reason;
    bool byHand = false; // the status was changed by hand after the verification

    bool operator==(const TGameReason&) const = default;
};

class TVerifyReasons {
  public:
    // nullptr for a game without a reason.
    const TGameReason* Find(const QString& fileDir) const;
    // A new verification: replaces what the game had.
    void SetVerified(const QString& fileDir, GameStatus status, const TVerifyReason& reason);
    void MarkByHand(const QString& fileDir);
    // A game renamed: its reason goes with it, over any the new name had.
    void Move(const QString& from, const QString& to);
    void Remove(const QString& fileDir);
    // Adds a reason read from the file; a second one of the same game replaces the first.
    void Add(const TGameReason& reason);
    int Count() const { return static_cast<int>(reasons.size()); }
    std::vector<TGameReason> Reasons() const;

  private:
    QHash<QString, TGameReason> reasons; // by File/Dir lower-cased in A to Z
};

// The tool-tip of the Status cell and the Game Data tab's line: the verification's reason, and
// that the status was set by hand since; empty for a game without one.
QString GameReasonText(const TGameReason* reason);

QByteArray VerifyReasonsHeader();

struct TVerifyReasonsRead {
    TVerifyReasons reasons;
    // 0 when the whole file was sound; else the number of the first line that was not.
    int damagedLine = 0;
};

TVerifyReasonsRead ParseVerifyReasons(const QByteArray& text);

// Sorted by File/Dir, the games keep() refuses left out.
QByteArray FormatVerifyReasons(const TVerifyReasons& reasons,
                               const std::function<bool(const QString&)>& keep);
