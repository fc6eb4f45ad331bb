#pragma once
// Builds the folders a main-window test starts from: a user data folder and an emulator
// folder holding the fake emulator, its mame.ini and its game, snapshot and config folders.

#include <QString>
#include <QTemporaryDir>

class TestEnvironment {
  public:
    TestEnvironment();

    bool isValid() const { return root.isValid(); }
    // The user data folder (the program's XDG data folder), ending in "/".
    QString userDataPath() const;
    // The emulator folder, ending in "/".
    QString mamePath() const;

    // Links the fake emulator into the emulator folder under the given name.
    void installEmulator(const QString& name = QStringLiteral("mame"));
    // Writes mame.ini with rompath, snapshot, config and nvram folders made beside it.
    void writeMameIni(const QString& extraLines = QString());
    // Sets the rompath line of mame.ini to value and makes the folders named, relative to the
    // emulator folder, except those in missing.
    void setRompath(const QString& value, const QStringList& missing = {});
    // Writes Pellmora.INI with the given key=value lines under [Pellmora].
    void writeSettings(const QStringList& lines);
    // An emulator folder that passes the start-up checks, settings naming it (plus the given
    // key=value lines) and a list file of the header line and the given rows.
    void prepareReadyStart(const QStringList& settings, const QByteArray& listRows);
    void writeFile(const QString& path, const QByteArray& bytes);
    QByteArray readFile(const QString& path) const;

  private:
    QTemporaryDir root;
};
