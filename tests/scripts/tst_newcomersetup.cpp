// Runs scripts/newcomer-setup.sh (called by run.sh before the first start) with a home and a
// data folder of its own, against Debian's emulator. Skipped where the emulator is missing.

#include "base/IniFile.h"
#include "options/MameIni.h"

#include <QDateTime>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QMap>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

namespace {

const QString RealEmulator = QStringLiteral("/usr/games/mame");

QByteArray ReadAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void WriteAll(const QString& path, const QByteArray& bytes) {
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        qFatal("cannot write %s", qPrintable(path));
}

// Every entry under a folder with its modification time and, for files, its bytes.
QMap<QString, QByteArray> Snapshot(const QString& root) {
    QMap<QString, QByteArray> entries;
    QDirIterator it(root, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        const QFileInfo info = it.fileInfo();
        QByteArray value = QByteArray::number(info.lastModified().toMSecsSinceEpoch());
        if (info.isFile())
            value += '|' + ReadAll(path);
        entries.insert(path, value);
    }
    return entries;
}

} // namespace

class TestNewcomerSetup : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase();
    void init();

    void firstRunPreparesAPlayableFolder();
    void secondRunChangesNothing();
    void settingsWithMamePathAreLeftAlone_data();
    void settingsWithMamePathAreLeftAlone();
    void settingsWithoutMamePathGainTheKey();
    void foreignEmulatorFolderIsLeftAlone();

  private:
    // Runs the script with HOME and XDG_DATA_HOME inside the test's folder; returns its exit code.
    int runScript();
    QString dataDir() const { return root->path() + QStringLiteral("/data/Quorvane/Pellmora/"); }
    QString emuDir() const { return dataDir() + QStringLiteral("emulator/"); }
    QString settingsFile() const { return dataDir() + QStringLiteral("Pellmora.INI"); }
    QString homeDir() const { return root->path() + QStringLiteral("/home"); }

    QString script;
    std::unique_ptr<QTemporaryDir> root;
};

void TestNewcomerSetup::initTestCase() {
    if (!QFileInfo(RealEmulator).isExecutable())
        QSKIP("the real emulator /usr/games/mame is not installed");
    const QByteArray fixtures = qgetenv("PELLMORA_FIXTURES");
    QVERIFY2(!fixtures.isEmpty(), "PELLMORA_FIXTURES is not set");
    script = QDir(QString::fromLocal8Bit(fixtures))
                 .absoluteFilePath(QStringLiteral("../../scripts/newcomer-setup.sh"));
    QVERIFY2(QFileInfo::exists(script), qPrintable(script));
}

void TestNewcomerSetup::init() {
    root = std::make_unique<QTemporaryDir>();
    QVERIFY(root->isValid());
    QVERIFY(QDir().mkpath(homeDir()));
}

int TestNewcomerSetup::runScript() {
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("HOME"), homeDir());
    env.insert(QStringLiteral("XDG_DATA_HOME"), root->path() + QStringLiteral("/data"));
    process.setProcessEnvironment(env);
    process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    process.start(QStringLiteral("bash"), {script});
    if (!process.waitForFinished(60000) || process.exitStatus() != QProcess::NormalExit)
        return -1;
    return process.exitCode();
}

void TestNewcomerSetup::firstRunPreparesAPlayableFolder() {
    QCOMPARE(runScript(), 0);

    QCOMPARE(QFileInfo(emuDir() + QStringLiteral("mame")).symLinkTarget(), RealEmulator);
    const QString ini = MameIniPath(emuDir());
    QVERIFY(QFileInfo(ini).isFile());
    const QStringList lines = QString::fromLocal8Bit(ReadAll(ini)).split(QLatin1Char('\n'));
    for (const char* line :
         {"rompath                   roms", "snapshot_directory        snap", "cfg_directory             cfg",
          "nvram_directory           nvram", "readconfig                1"})
        QVERIFY2(lines.contains(QLatin1String(line)), line);
    // Read back as the program reads it: the first matching line wins, so no older line may shadow ours.
    QCOMPARE(ReadINISetting(ini, QStringLiteral("rompath"), QString()), QStringLiteral("roms"));
    QCOMPARE(ReadINISetting(ini, QStringLiteral("snapshot_directory"), QString()), QStringLiteral("snap"));
    QCOMPARE(ReadINISetting(ini, QStringLiteral("cfg_directory"), QString()), QStringLiteral("cfg"));
    QCOMPARE(ReadINISetting(ini, QStringLiteral("nvram_directory"), QString()), QStringLiteral("nvram"));
    QCOMPARE(ReadINISetting(ini, QStringLiteral("readconfig"), QString()), QStringLiteral("1"));
    // The emulator's own options are still there.
    QCOMPARE(ReadINISetting(ini, QStringLiteral("samplerate"), QString()), QStringLiteral("48000"));
    for (const char* folder : {"roms/pong", "roms/breakout", "snap", "cfg", "nvram"})
        QVERIFY2(QFileInfo(emuDir() + QLatin1String(folder)).isDir(), folder);

    QCOMPARE(ReadAll(settingsFile()), "[Pellmora]\r\nMAMEPath=" + QFile::encodeName(emuDir()) + "\r\n");
    QCOMPARE(TIniFile(settingsFile()).ReadString(QStringLiteral("Pellmora"), QStringLiteral("MAMEPath"), {}),
             emuDir());
    QVERIFY(QDir(dataDir()).entryList({QStringLiteral("emulator.new.*")}, QDir::AllEntries).isEmpty());

    // The two games are ready to play as the folder stands.
    QProcess verify;
    verify.setWorkingDirectory(emuDir());
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("HOME"), homeDir());
    verify.setProcessEnvironment(env);
    verify.start(emuDir() + QStringLiteral("mame"),
                 {QStringLiteral("-inipath"), QStringLiteral(".;ini;ini/presets"),
                  QStringLiteral("-verifyroms"), QStringLiteral("pong"), QStringLiteral("breakout")});
    QVERIFY(verify.waitForFinished(60000));
    const QByteArray output = verify.readAllStandardOutput();
    QVERIFY2(output.contains("2 romsets found, 2 were OK."), output.constData());
    QCOMPARE(verify.exitCode(), 0);

    const QStringList leftInHome =
        QDir(homeDir()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
    QVERIFY2(leftInHome.isEmpty(), qPrintable(leftInHome.join(QLatin1Char(' '))));
}

void TestNewcomerSetup::secondRunChangesNothing() {
    QCOMPARE(runScript(), 0);
    // Every file an hour old, so a rewrite shows in the modification times.
    const QDateTime anHourAgo = QDateTime::currentDateTime().addSecs(-3600);
    QDirIterator files(root->path(), QDir::Files | QDir::Hidden | QDir::NoSymLinks,
                       QDirIterator::Subdirectories);
    while (files.hasNext()) {
        QFile file(files.next());
        QVERIFY(file.open(QIODevice::ReadWrite) &&
                file.setFileTime(anHourAgo, QFileDevice::FileModificationTime));
    }
    const auto before = Snapshot(root->path());
    QVERIFY(before.contains(emuDir() + QStringLiteral("mame.ini")));
    QCOMPARE(runScript(), 0);
    QCOMPARE(Snapshot(root->path()), before);
}

void TestNewcomerSetup::settingsWithMamePathAreLeftAlone_data() {
    QTest::addColumn<QByteArray>("settings");
    QTest::newRow("another emulator")
        << QByteArray("[Pellmora]\r\nnGames=12\r\nMAMEPath=/opt/mame/\r\nTop=40\r\n");
    QTest::newRow("key in other case, LF lines") << QByteArray("[pellmora]\nmamepath=/opt/mame/\n");
    QTest::newRow("empty value") << QByteArray("[Pellmora]\r\nMAMEPath=\r\n");
}

void TestNewcomerSetup::settingsWithMamePathAreLeftAlone() {
    QFETCH(QByteArray, settings);
    WriteAll(settingsFile(), settings);
    QCOMPARE(runScript(), 0);
    QCOMPARE(ReadAll(settingsFile()), settings);
    QVERIFY(!QFileInfo::exists(emuDir()));
}

void TestNewcomerSetup::settingsWithoutMamePathGainTheKey() {
    WriteAll(settingsFile(), "[Other]\r\nMAMEPath=/elsewhere/\r\n[Pellmora]\r\nnGames=3\r\nTop=7\r\n");
    QCOMPARE(runScript(), 0);
    QCOMPARE(ReadAll(settingsFile()), "[Other]\r\nMAMEPath=/elsewhere/\r\n[Pellmora]\r\nMAMEPath=" +
                                          QFile::encodeName(emuDir()) + "\r\nnGames=3\r\nTop=7\r\n");
    QVERIFY(QFileInfo(MameIniPath(emuDir())).isFile());
}

void TestNewcomerSetup::foreignEmulatorFolderIsLeftAlone() {
    WriteAll(emuDir() + QStringLiteral("notes.txt"), "mine");
    const auto before = Snapshot(root->path());
    QCOMPARE(runScript(), 0);
    QCOMPARE(Snapshot(root->path()), before);
    QVERIFY(!QFileInfo::exists(settingsFile()));
}

QTEST_GUILESS_MAIN(TestNewcomerSetup)
#include "tst_newcomersetup.moc"
