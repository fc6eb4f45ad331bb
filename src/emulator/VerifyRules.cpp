#include "emulator/VerifyRules.h"

#include "base/AsciiCase.h"
#include "base/NameText.h"
#include "emulator/GameNameRules.h"

#include <QCoreApplication>
#include <QStringEncoder>

QString SeparatorLine() {
    return QString(79, u'_');
}

QString VerifyNameRefusal(const QString& verifyName) {
    if (StartsLikeOption(verifyName))
        return QCoreApplication::translate("Verify", "the emulator would read it as an option");
    if (verifyName.contains(u'*') || verifyName.contains(u'?'))
        return QCoreApplication::translate("Verify",
                                           "the emulator would read it as a pattern of several games");
    return QString();
}

GameStatus Verdict(const QStringList& lines) {
    bool good = false;
    bool bad = false;
    for (const QString& line : lines) {
        const QString s = AsciiLower(TrimBlanksAndControls(line));
        if (!s.startsWith(QLatin1String("romset")))
            continue;
        if (s.endsWith(QLatin1String("is good")))
            good = true;
        if (s.endsWith(QLatin1String("is bad")))
            bad = true;
    }
    if (bad)
        return GameStatus::Bad;
    return good ? GameStatus::Good : GameStatus::Unknown;
}

int VerifyPercent(int row, int rows) {
    if (rows <= 0)
        return 0;
    const long long scaled = 100LL * row;
    const long long quotient = scaled / rows;
    const long long twiceRemainder = 2 * (scaled % rows);
    if (twiceRemainder > rows || (twiceRemainder == rows && quotient % 2 != 0))
        return static_cast<int>(quotient + 1);
    return static_cast<int>(quotient);
}

QStringList VerifyBlockHead(const QString& verifyName, const QString& gameName) {
    return {SeparatorLine(), verifyName + QStringLiteral(" - ") + gameName};
}

QByteArray VerifyReportBytes(const QStringList& lines) {
    QStringEncoder encode(QStringConverter::System);
    QByteArray bytes;
    for (const QString& line : lines) {
        bytes += encode(line);
        bytes += "\r\n";
    }
    return bytes;
}
