// A save killed at any moment leaves the complete old file or the complete new one, never a
// mix and never an empty file: the list file of 45,000 rows, the settings file and mame.ini.
// The test program runs itself as the saving child ("--save-loop KIND FOLDER"), which saves
// the two versions of one file in turn until it is killed (SIGKILL) at a random moment.
// PELLMORA_SAVE_KILLS sets the kills per file kind (default 25; the long run uses 1000).

#include "base/IniFile.h"
#include "base/SettingsKeys.h"
#include "gamelist/GameListModel.h"
#include "options/MameIni.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>

#include <chrono>
#include <cstdio>
#include <memory>
#include <thread>

#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

namespace {

// Saves version 0 or 1 of one file into a folder, the way the program saves it.
class Saver {
  public:
    virtual ~Saver() = default;
    virtual QString fileName() const = 0;
    // What the folder holds before the first save (the save then changes it).
    virtual void prepare(const QString& folder) const { Q_UNUSED(folder); }
    virtual void save(const QString& folder, int version) = 0;
};

class ListFileSaver : public Saver {
  public:
    static constexpr int Rows = 45000;
    ListFileSaver() {
        const QString statuses[] = {QStringLiteral("Good"), QStringLiteral("Bad"), QStringLiteral("?")};
        for (int version = 0; version < 2; ++version) {
            TGameListModel& model = lists[version];
            model.SetHeaderTexts();
            for (int i = 0; i < Rows; ++i)
                model.AppendGame(i, statuses[(i + version) % 3],
                                 QStringLiteral("Game number %1 (set %2)").arg(i).arg(version + 1),
                                 QStringLiteral("game%1.zip").arg(i));
        }
    }
    QString fileName() const override { return QStringLiteral("Pellmora.DAT"); }
    void save(const QString& folder, int version) override {
        lists[version].SaveToFile(folder + fileName(), QLatin1Char(','));
    }

  private:
    TGameListModel lists[2];
};

class SettingsFileSaver : public Saver {
  public:
    QString fileName() const override { return Settings::FileName; }
    void prepare(const QString& folder) const override {
        TIniFile ini(folder + fileName());
        ini.WriteString(Settings::Section, Settings::Key::MAMEPath, QStringLiteral("/home/user/mame/"));
        ini.WriteInteger(Settings::Section, Settings::Key::GameCount, 45000);
        ini.WriteString(Settings::Section, Settings::Key::StyleName, QStringLiteral("Obsidian"));
    }
    void save(const QString& folder, int version) override {
        TIniFile(folder + fileName())
            .WriteString(Settings::Section, Settings::Key::LastSelectedGame,
                         version ? QStringLiteral("Pac-Man (Midway)")
                                 : QStringLiteral("Galaxian (Namco set 1)"));
    }
};

class MameIniSaver : public Saver {
  public:
    QString fileName() const override { return QStringLiteral("mame.ini"); }
    void prepare(const QString& folder) const override {
        QFile::copy(qEnvironmentVariable("PELLMORA_FIXTURES") + QStringLiteral("/mame.ini"),
                    folder + fileName());
        QFile::setPermissions(folder + fileName(), QFile::ReadOwner | QFile::WriteOwner);
    }
    void save(const QString& folder, int version) override {
        WriteINISetting(folder + fileName(), QStringLiteral("gamma"),
                        version ? QStringLiteral("1.20000") : QStringLiteral("1.00000"));
    }
};

std::unique_ptr<Saver> MakeSaver(const QString& kind) {
    if (kind == QLatin1String("list"))
        return std::make_unique<ListFileSaver>();
    if (kind == QLatin1String("settings"))
        return std::make_unique<SettingsFileSaver>();
    return std::make_unique<MameIniSaver>();
}

// Unbuffered, so what the parent reads after the kill is exactly how far the child got.
void Say(const char* text) {
#ifdef Q_OS_UNIX
    [[maybe_unused]] const auto written = ::write(1, text, qstrlen(text));
#else
    std::fputs(text, stdout);
    std::fflush(stdout);
#endif
}

// The child: saves the new version, then the old, and so on, saying "s" before each save and
// "d" after it, until it is killed.
int SaveLoop(const QString& kind, const QString& folder) {
    const std::unique_ptr<Saver> saver = MakeSaver(kind);
    Say("ready\n");
    for (int version = 1;; version = 1 - version) {
        Say("s");
        saver->save(folder, version);
        Say("d");
    }
}

QByteArray ReadFile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

} // namespace

class TestCrashSafeSaves : public QObject {
    Q_OBJECT
  private slots:
    void killedSaveLeavesOldOrNew_data();
    void killedSaveLeavesOldOrNew();
};

void TestCrashSafeSaves::killedSaveLeavesOldOrNew_data() {
    QTest::addColumn<QString>("kind");
    QTest::newRow("list file, 45,000 rows") << QStringLiteral("list");
    QTest::newRow("settings file") << QStringLiteral("settings");
    QTest::newRow("mame.ini") << QStringLiteral("mameini");
}

void TestCrashSafeSaves::killedSaveLeavesOldOrNew() {
    QFETCH(QString, kind);
    const int kills = qEnvironmentVariableIsSet("PELLMORA_SAVE_KILLS")
                          ? qEnvironmentVariableIntValue("PELLMORA_SAVE_KILLS")
                          : 25;
    const std::unique_ptr<Saver> saver = MakeSaver(kind);

    // Both versions as the program writes them, and how long one save takes.
    QTemporaryDir scratch;
    const QString scratchFolder = scratch.path() + QLatin1Char('/');
    saver->prepare(scratchFolder);
    saver->save(scratchFolder, 1);
    const QByteArray newVersion = ReadFile(scratchFolder + saver->fileName());
    QElapsedTimer timer;
    timer.start();
    for (int save = 1; save <= 4; ++save)
        saver->save(scratchFolder, save % 2); // the old version last
    const qint64 saveMicroseconds = timer.nsecsElapsed() / 4000;
    const QByteArray oldVersion = ReadFile(scratchFolder + saver->fileName());
    QVERIFY(!oldVersion.isEmpty() && oldVersion != newVersion);

    QTemporaryDir dir;
    const QString folder = dir.path() + QLatin1Char('/');
    saver->prepare(folder);
    saver->save(folder, 0);

    const quint32 seed = QRandomGenerator::global()->generate();
    QRandomGenerator random(seed);
    int insideSave = 0, leftOld = 0, leftNew = 0, strays = 0;
    for (int kill = 0; kill < kills; ++kill) {
        QProcess child;
        child.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--save-loop"), kind, folder});
        QVERIFY2(child.waitForStarted(), qPrintable(child.errorString()));
        QByteArray progress;
        QDeadlineTimer ready(30000);
        while (!(progress += child.readAllStandardOutput()).contains("ready\n"))
            QVERIFY2(child.waitForReadyRead(int(ready.remainingTime())), "the saving child did not start");
        // Anywhere in the next two saves.
        std::this_thread::sleep_for(std::chrono::microseconds(random.bounded(2 * saveMicroseconds + 1000)));
        child.kill();
        QVERIFY(child.waitForFinished(30000));
        progress += child.readAllStandardOutput();
        if (progress.endsWith('s'))
            ++insideSave;

        const QByteArray left = ReadFile(folder + saver->fileName());
        const QString where = QStringLiteral("kill %1 of %2, seed %3").arg(kill + 1).arg(kills).arg(seed);
        QVERIFY2(left == oldVersion || left == newVersion,
                 qPrintable(QStringLiteral("a torn file of %1 bytes after %2").arg(left.size()).arg(where)));
        (left == oldVersion ? leftOld : leftNew) += 1;
        // A save killed between naming its finished copy and putting it in place leaves that copy.
        const QStringList others =
            QDir(folder)
                .entryList(QDir::Files | QDir::Hidden)
                .filter(QRegularExpression(QStringLiteral("^(?!") +
                                           QRegularExpression::escape(saver->fileName()) +
                                           QStringLiteral("$)")));
        for (const QString& other : others) {
            const QByteArray stray = ReadFile(folder + other);
            QVERIFY2(other.startsWith(saver->fileName() + QLatin1Char('.')) &&
                         (stray == oldVersion || stray == newVersion),
                     qPrintable(QStringLiteral("%1 left behind after %2").arg(other, where)));
            QVERIFY(QFile::remove(folder + other));
            ++strays;
        }
    }
    // Kills between two saves prove nothing; most must land inside one.
    QVERIFY2(insideSave * 2 >= kills,
             qPrintable(QStringLiteral("only %1 of %2 kills inside a save").arg(insideSave).arg(kills)));
    qInfo("%s: %d kills, %d inside a save (one save %.1f ms); left the old file %d times, the new %d; %d "
          "finished copies left beside it",
          qPrintable(kind), kills, insideSave, saveMicroseconds / 1000.0, leftOld, leftNew, strays);
}

int main(int argc, char** argv) {
    if (argc == 4 && qstrcmp(argv[1], "--save-loop") == 0) {
        QCoreApplication app(argc, argv);
        return SaveLoop(QString::fromLocal8Bit(argv[2]), QString::fromLocal8Bit(argv[3]));
    }
    QCoreApplication app(argc, argv);
    TestCrashSafeSaves test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_crashsafesaves.moc"
