#include "TestEnvironment.h"

#include "support/FakeEmulator.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

TestEnvironment::TestEnvironment() {
    qputenv("XDG_DATA_HOME", root.path().toUtf8() + "/data");
    QDir().mkpath(userDataPath());
    QDir().mkpath(mamePath());
}

QString TestEnvironment::userDataPath() const {
    return root.path() + QStringLiteral("/data/Quorvane/Pellmora/");
}

QString TestEnvironment::mamePath() const {
    return root.path() + QStringLiteral("/emu/");
}

void TestEnvironment::installEmulator(const QString& name) {
    // Without it start-up would search for an emulator in a real window nobody answers.
    if (!QFileInfo(qEnvironmentVariable("PELLMORA_FAKE_EMULATOR")).isExecutable())
        qFatal("PELLMORA_FAKE_EMULATOR names no fake emulator: run the test through ctest");
    FakeEmulator::Install(mamePath(), name);
}

void TestEnvironment::writeMameIni(const QString& extraLines) {
    for (const char* folder : {"roms", "snap", "cfg", "nvram"})
        QDir().mkpath(mamePath() + QLatin1String(folder));
    writeFile(mamePath() + QStringLiteral("mame.ini"), QByteArrayLiteral("readconfig                1\r\n"
                                                                         "rompath                   roms\r\n"
                                                                         "snapshot_directory        snap\r\n"
                                                                         "cfg_directory             cfg\r\n"
                                                                         "nvram_directory           nvram\r\n"
                                                                         "snapname                  %g\r\n") +
                                                           extraLines.toUtf8());
}

void TestEnvironment::setRompath(const QString& value, const QStringList& missing) {
    for (const QString& folder : value.split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
        if (!missing.contains(folder))
            QDir().mkpath(QDir(mamePath()).filePath(folder));
    }
    const QString ini = mamePath() + QStringLiteral("mame.ini");
    QByteArray bytes = readFile(ini);
    bytes.replace("rompath                   roms\r\n",
                  "rompath                   " + value.toUtf8() + "\r\n");
    writeFile(ini, bytes);
}

void TestEnvironment::writeSettings(const QStringList& lines) {
    writeFile(userDataPath() + QStringLiteral("Pellmora.INI"),
              (QStringLiteral("[Pellmora]\r\n") + lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n"))
                  .toUtf8());
}

void TestEnvironment::prepareReadyStart(const QStringList& settings, const QByteArray& listRows) {
    installEmulator();
    writeMameIni();
    writeSettings(QStringList{QStringLiteral("MAMEPath=") + mamePath()} + settings);
    writeFile(userDataPath() + QStringLiteral("Pellmora.DAT"),
              QByteArrayLiteral(",Status,\"Game Name\",File/Dir\r\n") + listRows);
}

void TestEnvironment::writeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    if (file.open(QIODevice::WriteOnly))
        file.write(bytes);
}

QByteArray TestEnvironment::readFile(const QString& path) const {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}
