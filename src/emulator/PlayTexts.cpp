#include "emulator/PlayTexts.h"

#include <QCoreApplication>

QString RowDebugText(const QString& lead, const QString& gameName, const QString& gameDir,
                     const QString& status) {
    return lead + QStringLiteral("GameName = ") + gameName + QStringLiteral("\nGameDir = ") + gameDir +
           QStringLiteral("\nGameStatus = ") + status;
}

QString PlayDebugText(const QString& gameName, const QString& fileDir, const QString& status) {
    return RowDebugText(QStringLiteral("RUN GAME: "), gameName, fileDir, status);
}

QString GameFileMissingText(const QString& gameName, const QString& fileDir) {
    return QCoreApplication::translate("Play",
                                       "The game \"%1\" could not be found.\nThe game file [%2] does not "
                                       "appear to exist.\n\nTry deleting the game OR click Scan For Games.")
        .arg(gameName, fileDir);
}

QString OptionLikeGameText(const QString& gameName, const QString& fileDir) {
    return QCoreApplication::translate("Play",
                                       "The game \"%1\" cannot be played.\nThe game file [%2] begins with "
                                       "\"-\", so M.A.M.E. would take it for an option.\n\nRename the file "
                                       "or folder without the leading \"-\", then click Scan For Games.")
        .arg(gameName, fileDir);
}

QString NotVerifiedQuestion(const QString& gameName) {
    return QCoreApplication::translate("Play", "%1 has not been verified to run correctly with M.A.M.E.\n"
                                               "This means that the game may not function correctly.\n\n"
                                               "Do you want to continue running the game?")
        .arg(gameName);
}

QString FoundBadQuestion(const QString& gameName) {
    return QCoreApplication::translate(
               "Play", "%1 has been verified and found NOT to function correctly with M.A.M.E.\n"
                       "This means that the game will not run as intented or probably will "
                       "not run at all.\n\n"
                       "Do you want to continue running the game?")
        .arg(gameName);
}

QString PlayProblemText(const QString& gameName, int exitCode, const QStringList& output) {
    QString text =
        QCoreApplication::translate("Play", "There was a problem running the game %1. The problem code is %2")
            .arg(gameName, QString::number(static_cast<quint32>(exitCode))) +
        QStringLiteral("\n\n");
    for (const QString& line : output)
        text += line + QLatin1Char('\n');
    return text;
}
