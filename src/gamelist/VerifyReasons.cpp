#include "gamelist/VerifyReasons.h"

#include "base/AsciiCase.h"
#include "gamelist/ListFileCodec.h"
#include "gamelist/SideFileLines.h"

#include <QCoreApplication>

#include <algorithm>

namespace {

// File/Dir, status verified, "hand", files missing, other sets ("name:files" by spaces), wrong
// checksums, wrong lengths, no good dump, optional missing, disks (by spaces), flags (N: none
// found, U: unknown name, B: best available), parent set, verdict line.
constexpr int kCells = 13;

QString KeyOf(const QString& fileDir) {
    return AsciiLower(fileDir);
}

QString ElsewhereCell(const QList<TMissingElsewhere>& elsewhere) {
    QStringList parts;
    for (const TMissingElsewhere& other : elsewhere)
        parts << other.set + QLatin1Char(':') + QString::number(other.files);
    return parts.join(QLatin1Char(' '));
}

bool ReadElsewhere(const QString& cell, QList<TMissingElsewhere>& elsewhere) {
    for (const QString& part : cell.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        const qsizetype colon = part.lastIndexOf(QLatin1Char(':'));
        bool ok = false;
        const int files = colon > 0 ? part.sliced(colon + 1).toInt(&ok) : 0;
        if (!ok || files <= 0)
            return false;
        elsewhere.append({part.first(colon), files});
    }
    return true;
}

QString FlagsCell(const TVerifyReason& reason) {
    QString flags;
    if (reason.noneFound)
        flags += QLatin1Char('N');
    if (reason.unknownName)
        flags += QLatin1Char('U');
    if (reason.bestAvailable)
        flags += QLatin1Char('B');
    return flags;
}

bool ReadCount(const QString& cell, int& count) {
    bool ok = false;
    count = cell.toInt(&ok);
    return ok && count >= 0;
}

bool ReadReason(const QString& line, TGameReason& game) {
    const QStringList cells = SplitListLine(line, QLatin1Char(','));
    if (cells.size() != kCells || cells[0].isEmpty())
        return false;
    game.fileDir = cells[0];
    game.verifiedStatus = cells[1].isEmpty() ? GameStatus::None : StatusOfText(cells[1]);
    game.verified = game.verifiedStatus != GameStatus::None;
    if (!cells[1].isEmpty() && !game.verified)
        return false;
    game.byHand = cells[2] == QLatin1String("hand");
    TVerifyReason& reason = game.reason;
    const QString& flags = cells[10];
    reason.noneFound = flags.contains(QLatin1Char('N'));
    reason.unknownName = flags.contains(QLatin1Char('U'));
    reason.bestAvailable = flags.contains(QLatin1Char('B'));
    reason.disksMissing = cells[9].split(QLatin1Char(' '), Qt::SkipEmptyParts);
    reason.parentSet = cells[11];
    reason.verdictLine = cells[12];
    return (game.verified || game.byHand) && ReadCount(cells[3], reason.missing) &&
           ReadElsewhere(cells[4], reason.elsewhere) && ReadCount(cells[5], reason.wrongChecksum) &&
           ReadCount(cells[6], reason.wrongLength) && ReadCount(cells[7], reason.noGoodDump) &&
           ReadCount(cells[8], reason.optionalMissing);
}

} // namespace

const TGameReason* TVerifyReasons::Find(const QString& fileDir) const {
    const auto found = reasons.constFind(KeyOf(fileDir));
    return found == reasons.cend() ? nullptr : &*found;
}

void TVerifyReasons::SetVerified(const QString& fileDir, GameStatus status, const TVerifyReason& reason) {
    reasons.insert(KeyOf(fileDir), {fileDir, true, status, reason, false});
}

void TVerifyReasons::MarkByHand(const QString& fileDir) {
    TGameReason& game = reasons[KeyOf(fileDir)];
    game.fileDir = fileDir;
    game.byHand = true;
}

void TVerifyReasons::Move(const QString& from, const QString& to) {
    const auto found = reasons.constFind(KeyOf(from));
    if (found == reasons.cend())
        return;
    TGameReason game = *found;
    reasons.erase(found);
    game.fileDir = to;
    reasons.insert(KeyOf(to), game);
}

void TVerifyReasons::Remove(const QString& fileDir) {
    reasons.remove(KeyOf(fileDir));
}

void TVerifyReasons::Add(const TGameReason& reason) {
    reasons.insert(KeyOf(reason.fileDir), reason);
}

std::vector<TGameReason> TVerifyReasons::Reasons() const {
    return {reasons.cbegin(), reasons.cend()};
}

QString GameReasonText(const TGameReason* game) {
    if (!game)
        return QString();
    if (!game->verified)
        return QCoreApplication::translate("VerifyReason", "Status set by hand; not verified since");
    const QString text = VerifyReasonText(game->reason, game->verifiedStatus);
    if (!game->byHand)
        return text;
    return QCoreApplication::translate("VerifyReason", "Status set by hand; the last verification said: %1")
        .arg(text);
}

QByteArray VerifyReasonsHeader() {
    return QByteArrayLiteral("Pellmora verification reasons 1");
}

TVerifyReasonsRead ParseVerifyReasons(const QByteArray& text) {
    TVerifyReasonsRead read;
    read.damagedLine = ReadSideFileLines(text, VerifyReasonsHeader(), [&read](const QString& line) {
        TGameReason game;
        if (!ReadReason(line, game))
            return false;
        read.reasons.Add(game);
        return true;
    });
    return read;
}

QByteArray FormatVerifyReasons(const TVerifyReasons& reasons,
                               const std::function<bool(const QString&)>& keep) {
    std::vector<TGameReason> games = reasons.Reasons();
    std::sort(games.begin(), games.end(),
              [](const TGameReason& a, const TGameReason& b) { return a.fileDir < b.fileDir; });
    QString text = QString::fromLatin1(VerifyReasonsHeader()) + QStringLiteral("\r\n");
    for (const TGameReason& game : games) {
        if (!keep(game.fileDir))
            continue;
        const TVerifyReason& r = game.reason;
        AppendListLine(text,
                       {game.fileDir, game.verified ? StatusText(game.verifiedStatus) : QString(),
                        game.byHand ? QStringLiteral("hand") : QString(), QString::number(r.missing),
                        ElsewhereCell(r.elsewhere), QString::number(r.wrongChecksum),
                        QString::number(r.wrongLength), QString::number(r.noGoodDump),
                        QString::number(r.optionalMissing), r.disksMissing.join(QLatin1Char(' ')),
                        FlagsCell(r), r.parentSet, r.verdictLine},
                       kCells, QLatin1Char(','));
        text += QStringLiteral("\r\n");
    }
    return text.toUtf8();
}
