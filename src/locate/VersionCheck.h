#pragma once
// Whether an emulator is recent enough, and which emulator executables a folder holds.

#include <QCoreApplication>
#include <QString>

// The oldest emulator version the program works with; every old-version message shows it.
inline const QString MinimumMAMEVersion = QStringLiteral("0.172.0.0");
// The emulator's release download page, offered whenever the emulator is too old.
inline const QString MAMEDownloadURL = QStringLiteral("https://www.mamedev.org/release.html");
// Ends every old-version message, before the download page is offered.
inline QString DownloadQuestion() {
    return QCoreApplication::translate(
        "SearchForMAME",
        "\n\nDo you want to browse to the MAME website where you can download the latest version of MAME?");
}

// True when version is at least MinimumMAMEVersion, compared field by field as numbers
// (a missing field counts as 0). A text that is not a version is never OK.
bool IsMAMEVersionOK(const QString& version);

// The executable names, as the emulator's builds name them.
inline const QString MameExecutableName = QStringLiteral("mame");
inline const QString Mame64ExecutableName = QStringLiteral("mame64");

// The path of the entry of folder named name (ignoring letter case) that is a regular file
// the user may run; empty when there is none. folder ends with "/".
QString FindMameExecutable(const QString& folder, const QString& name);

// True when folder holds "mame" or "mame64" as a runnable file.
bool MameExecutableExists(const QString& folder);

// The name on disk of the executable to run from folder: "mame64" when it exists, else
// "mame"; empty when neither does.
QString PreferredMameExecutableName(const QString& folder);
