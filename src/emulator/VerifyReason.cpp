#include "emulator/VerifyReason.h"

#include "base/NameText.h"

#include <QCoreApplication>

namespace {

// One text for one, another with %1 for more.
QString Count(int n, const QString& one, const QString& many) {
    return n == 1 ? one : many.arg(n);
}

// What follows "name : " on a line about one of the set's files, or empty when the line is
// not shaped so (the hashes under a checksum line are, but end with none of the endings).
QStringView FilePart(QStringView line) {
    const qsizetype colon = line.indexOf(QLatin1String(": "));
    if (colon <= 0)
        return {};
    const QStringView name = line.first(colon).trimmed();
    if (name.isEmpty() || name.contains(u' '))
        return {};
    return line.sliced(colon + 2).trimmed();
}

void AddElsewhere(TVerifyReason& reason, const QString& set) {
    for (TMissingElsewhere& other : reason.elsewhere) {
        if (other.set == set) {
            ++other.files;
            return;
        }
    }
    reason.elsewhere.append({set, 1});
}

void ReadFileLine(TVerifyReason& reason, QStringView part) {
    static const QLatin1String notFound(" - NOT FOUND");
    if (part.endsWith(QLatin1String("INCORRECT CHECKSUM:"))) {
        ++reason.wrongChecksum;
    } else if (part.contains(QLatin1String(" - INCORRECT LENGTH: "))) {
        ++reason.wrongLength;
    } else if (part.endsWith(QLatin1String(" - NO GOOD DUMP KNOWN")) ||
               part.endsWith(QLatin1String(" - NEEDS REDUMP"))) {
        ++reason.noGoodDump;
    } else if (part.endsWith(QLatin1String(" - NOT FOUND BUT OPTIONAL"))) {
        ++reason.optionalMissing;
    } else if (part.endsWith(u')') && part.contains(QLatin1String(" - NOT FOUND ("))) {
        const qsizetype open = part.lastIndexOf(QLatin1String(" - NOT FOUND (")) + notFound.size() + 2;
        QString set = part.sliced(open, part.size() - open - 1).toString();
        // Older emulators do not name the set; the verdict line's brackets do.
        if (set == QLatin1String("bios or parent"))
            set.clear();
        ++reason.missing;
        AddElsewhere(reason, set);
    } else if (part.endsWith(notFound)) {
        const QStringView file = part.chopped(notFound.size());
        if (file.endsWith(QLatin1String(" bytes)")))
            ++reason.missing;
        else
            reason.disksMissing.append(file.toString());
    }
}

// "romset name [parent] is bad", "romset "name" not found!", ...
void ReadRomsetLine(TVerifyReason& reason, QStringView line) {
    reason.verdictLine = line.toString();
    if (line.endsWith(QLatin1String("not found!")))
        reason.noneFound = true;
    if (line.endsWith(QLatin1String("is best available")))
        reason.bestAvailable = true;
    const qsizetype open = line.indexOf(u'[');
    const qsizetype close = line.indexOf(QLatin1String("] is "));
    if (open > 0 && close > open)
        reason.parentSet = line.sliced(open + 1, close - open - 1).toString();
}

bool IsCountLine(QStringView line) {
    return line.endsWith(QLatin1String(" were OK.")) && line.contains(QLatin1String("romsets found"));
}

QString ElsewhereText(const TVerifyReason& reason, const TMissingElsewhere& other) {
    if (other.set == reason.parentSet)
        return Count(other.files,
                     QCoreApplication::translate("VerifyReason", "1 belongs to the parent or BIOS set %2"),
                     QCoreApplication::translate("VerifyReason", "%1 belong to the parent or BIOS set %2"))
            .arg(other.set);
    return Count(other.files, QCoreApplication::translate("VerifyReason", "1 belongs to the set %2"),
                 QCoreApplication::translate("VerifyReason", "%1 belong to the set %2"))
        .arg(other.set);
}

QStringList BadParts(const TVerifyReason& reason) {
    QStringList parts;
    if (reason.missing > 0) {
        QString text = Count(reason.missing, QCoreApplication::translate("VerifyReason", "1 file missing"),
                             QCoreApplication::translate("VerifyReason", "%1 files missing"));
        if (!reason.elsewhere.isEmpty()) {
            QStringList sets;
            for (const TMissingElsewhere& other : reason.elsewhere)
                sets << ElsewhereText(reason, other);
            text += QCoreApplication::translate("VerifyReason", " (%1, not in your folder)")
                        .arg(sets.join(QStringLiteral(", ")));
        }
        parts << text;
    }
    for (const QString& disk : reason.disksMissing)
        parts << QCoreApplication::translate("VerifyReason", "the disk image (CHD) %1 is missing").arg(disk);
    if (reason.wrongChecksum > 0)
        parts << Count(reason.wrongChecksum,
                       QCoreApplication::translate("VerifyReason", "1 file with a wrong checksum"),
                       QCoreApplication::translate("VerifyReason", "%1 files with a wrong checksum"));
    if (reason.wrongLength > 0)
        parts << Count(reason.wrongLength,
                       QCoreApplication::translate("VerifyReason", "1 file of the wrong length"),
                       QCoreApplication::translate("VerifyReason", "%1 files of the wrong length"));
    return parts;
}

// What is not wrong but still worth knowing.
QStringList NoteParts(const TVerifyReason& reason) {
    QStringList parts;
    if (reason.noGoodDump > 0)
        parts << Count(reason.noGoodDump,
                       QCoreApplication::translate("VerifyReason", "1 file has no known good dump"),
                       QCoreApplication::translate("VerifyReason", "%1 files have no known good dump"));
    if (reason.optionalMissing > 0)
        parts << Count(reason.optionalMissing,
                       QCoreApplication::translate("VerifyReason", "1 optional file missing"),
                       QCoreApplication::translate("VerifyReason", "%1 optional files missing"));
    return parts;
}

QString SaidText(const TVerifyReason& reason) {
    if (reason.verdictLine.isEmpty())
        return QCoreApplication::translate("VerifyReason", "the emulator said nothing about this set");
    return QCoreApplication::translate("VerifyReason", "the emulator said: ") + reason.verdictLine;
}

QString BadText(const TVerifyReason& reason) {
    // Only another set's files are missing: that set is what to add.
    if (reason.elsewhere.size() == 1 && reason.missing == reason.elsewhere.first().files &&
        !reason.elsewhere.first().set.isEmpty() && reason.disksMissing.isEmpty() &&
        reason.wrongChecksum == 0 && reason.wrongLength == 0) {
        const QString& set = reason.elsewhere.first().set;
        return set == reason.parentSet
                   ? QCoreApplication::translate("VerifyReason", "the parent or BIOS set %1 is missing")
                         .arg(set)
                   : QCoreApplication::translate("VerifyReason", "the set %1 is missing").arg(set);
    }
    const QStringList parts = BadParts(reason);
    if (parts.isEmpty())
        return SaidText(reason);
    return (parts + NoteParts(reason)).join(QStringLiteral(", "));
}

QString UnknownText(const TVerifyReason& reason) {
    if (reason.unknownName)
        return QCoreApplication::translate("VerifyReason", "the emulator does not know this name");
    if (reason.noneFound)
        return QCoreApplication::translate("VerifyReason", "the emulator found none of this set's files");
    return SaidText(reason);
}

QString BestAvailableText(const TVerifyReason& reason) {
    if (reason.noGoodDump == 0 && reason.optionalMissing == 0)
        return QCoreApplication::translate("VerifyReason",
                                           "this set needs no files, so there is nothing to check");
    QString text =
        QCoreApplication::translate("VerifyReason", "every file the emulator knows a good dump of is right");
    const QStringList notes = NoteParts(reason);
    return text + QStringLiteral("; ") + notes.join(QStringLiteral(", "));
}

} // namespace

TVerifyReason ReadVerifyReason(const QStringList& lines) {
    TVerifyReason reason;
    QString lastSaid;
    for (const QString& raw : lines) {
        const QStringView line = TrimBlanksAndControls(raw);
        if (line.isEmpty() || IsCountLine(line))
            continue;
        if (line.startsWith(QLatin1String("romset "), Qt::CaseInsensitive)) {
            ReadRomsetLine(reason, line);
            continue;
        }
        if (line.startsWith(QLatin1String("No matching systems found"), Qt::CaseInsensitive)) {
            reason.unknownName = true;
            reason.verdictLine = line.toString();
            continue;
        }
        lastSaid = line.toString();
        const QStringView part = FilePart(line);
        if (!part.isEmpty())
            ReadFileLine(reason, part);
    }
    for (TMissingElsewhere& other : reason.elsewhere) {
        if (other.set.isEmpty())
            other.set = reason.parentSet;
    }
    if (reason.verdictLine.isEmpty())
        reason.verdictLine = lastSaid;
    return reason;
}

QString VerifyReasonText(const TVerifyReason& reason, GameStatus status) {
    switch (status) {
    case GameStatus::Good:
        return QCoreApplication::translate("VerifyReason", "Good: every file is right");
    case GameStatus::Bad:
        return QCoreApplication::translate("VerifyReason", "Bad: ") + BadText(reason);
    case GameStatus::Unknown:
        if (reason.bestAvailable)
            return QCoreApplication::translate("VerifyReason", "? (best available): ") +
                   BestAvailableText(reason);
        return QCoreApplication::translate("VerifyReason", "?: ") + UnknownText(reason);
    case GameStatus::None:
        break;
    }
    return QString();
}

QStringList SetsNeeded(const TVerifyReason& reason) {
    QStringList sets;
    for (const TMissingElsewhere& other : reason.elsewhere) {
        if (!other.set.isEmpty() && !sets.contains(other.set))
            sets << other.set;
    }
    return sets;
}
