#include "emulator/PlayTexts.h"

QString RowDebugText(const QString& lead, const QString& gameName, const QString& gameDir,
                     const QString& status) {
    return lead + QStringLiteral("GameName = ") + gameName + QStringLiteral("\nGameDir = ") + gameDir +
           QStringLiteral("\nGameStatus = ") + status;
}

QString PlayDebugText(const QString& gameName, const QString& fileDir, const QString& status) {
    return RowDebugText(QStringLiteral("RUN GAME: "), gameName, fileDir, status);
}

QString GameFileMissingText(const QString& gameName, const QString& fileDir) {
    return QStringLiteral("The game \"") + gameName +
           QStringLiteral("\" could not be found.\nThe game file [") + fileDir +
           QStringLiteral("] does not appear to exist.\n\nTry deleting the game OR click Scan For Games.");
}

QString OptionLikeGameText(const QString& gameName, const QString& fileDir) {
    return QStringLiteral("The game \"") + gameName +
           QStringLiteral("\" cannot be played.\nThe game file [") + fileDir +
           QStringLiteral("] begins with \"-\", so M.A.M.E. would take it for an option.\n\n"
                          "Rename the file or folder without the leading \"-\", then click Scan For Games.");
}

QString NotVerifiedQuestion(const QString& gameName) {
    return gameName + QStringLiteral(" has not been verified to run correctly with M.A.M.E.\n"
                                     "This means that the game may not function correctly.\n\n"
                                     "Do you want to continue running the game?");
}

QString FoundBadQuestion(const QString& gameName) {
    return gameName + QStringLiteral(" has been verified and found NOT to function correctly with M.A.M.E.\n"
                                     "This means that the game will not run as intented or probably will "
                                     "not run at all.\n\n"
                                     "Do you want to continue running the game?");
}

QString PlayProblemText(const QString& gameName, int exitCode, const QStringList& output) {
    QString text = QStringLiteral("There was a problem running the game ") + gameName +
                   QStringLiteral(". The problem code is ") +
                   QString::number(static_cast<quint32>(exitCode)) + QStringLiteral("\n\n");
    for (const QString& line : output)
        text += line + QLatin1Char('\n');
    return text;
}
