// The main window's start-up with a list of 45,000 games named like the emulator's own
// descriptions and a play history of every one of them: from the window's creation until it
// is ready (list and history loaded, sorted by Game Name, last game selected, first paint
// done), and the resident memory then.
//
// Usage: QT_QPA_PLATFORM=offscreen bench_startup   (PELLMORA_MAME names the emulator, default
// /usr/games/mame; its -listfull gives the names)

#include "BenchSupport.h"

#include "gamelist/GameListModel.h"
#include "gamelist/PlayHistory.h"
#include "mainwindow/gui/TForm1.h"

#include <QApplication>
#include <QDateTime>
#include <QDir>
#include <QElapsedTimer>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <cstdio>

namespace {

constexpr int Rows = 45000;
constexpr double ReadyBudgetMs = 500;
constexpr double MemoryBudgetMb = 150;

void WriteFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    if (file.open(QIODevice::WriteOnly))
        file.write(bytes);
}

// The list file: the header and one row per -listfull line, statuses and marks mixed; and the
// play history file with a record for each of them.
bool WriteListFile(const QString& listFull, const QString& fileName, const QString& historyFileName) {
    QFile input(listFull);
    if (!input.open(QIODevice::ReadOnly))
        return false;
    static const QRegularExpression line(QStringLiteral("^(\\S+)\\s+\"(.*)\"$"));
    const char* statuses[] = {"Good", "?", "Bad"};
    QByteArray text = ",Status,\"Game Name\",File/Dir\r\n";
    QByteArray history = PlayHistoryHeader() + "\r\n";
    const QDateTime started = QDateTime::currentDateTimeUtc();
    int games = 0;
    while (!input.atEnd() && games < Rows) {
        const QRegularExpressionMatch match = line.match(QString::fromUtf8(input.readLine()).trimmed());
        if (!match.hasMatch())
            continue;
        QByteArray name = match.captured(2).toUtf8().replace('"', "\"\"");
        text += (games % 20 == 0 ? "true," : ",") + QByteArray(statuses[games % 3]) + ",\"" + name + "\"," +
                match.captured(1).toUtf8() + ".zip\r\n";
        history += match.captured(1).toUtf8() + ".zip," + QByteArray::number(games % 7 + 1) + "," +
                   started.addSecs(-games * 60).toString(Qt::ISODate).toLatin1() + "," +
                   QByteArray::number(games * 13 % 100000) + "\r\n";
        ++games;
    }
    WriteFile(fileName, text);
    WriteFile(historyFileName, history);
    return games == Rows;
}

double ResidentMb() {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').first().toDouble() / 1024.0;
    }
    return -1;
}

} // namespace

int main(int argc, char** argv) {
    QTemporaryDir root;
    qputenv("XDG_DATA_HOME", root.path().toUtf8() + "/data");
    QApplication app(argc, argv);
    const QString data = root.path() + QStringLiteral("/data/Quorvane/Pellmora/");
    const QString emu = root.path() + QStringLiteral("/emu/");
    for (const QString& folder : {data, emu + QStringLiteral("roms"), emu + QStringLiteral("snap"),
                                  emu + QStringLiteral("cfg"), emu + QStringLiteral("nvram")})
        QDir().mkpath(folder);
    QFile::link(qEnvironmentVariable("PELLMORA_MAME", QStringLiteral("/usr/games/mame")),
                emu + QStringLiteral("mame"));
    WriteFile(emu + QStringLiteral("mame.ini"), "readconfig 1\nrompath roms\nsnapshot_directory snap\n"
                                                "cfg_directory cfg\nnvram_directory nvram\nsnapname %g\n");
    WriteFile(data + QStringLiteral("Pellmora.INI"),
              "[Pellmora]\r\nMAMEPath=" + emu.toUtf8() + "\r\nSortColumn=2\r\nSortDirection=0\r\n");
    const QString listFull = bench::MakeRealListFull(root.path());
    if (listFull.isEmpty() || !WriteListFile(listFull, data + QStringLiteral("Pellmora.DAT"),
                                             data + QStringLiteral("Pellmora.HIS"))) {
        std::fprintf(stderr, "could not make a list of %d games\n", Rows);
        return 2;
    }

    bench::NoDialogs dialogs;
    QElapsedTimer timer;
    timer.start();
    TForm1 form(dialogs);
    form.show();
    while (!form.Context().State.PostInitialiseDone && timer.elapsed() < 60000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    const double readyMs = double(timer.nsecsElapsed()) / 1e6;
    const double memoryMb = ResidentMb();
    std::printf("%d games, %d of them in the play history\n", form.Context().GameList.GameCount(),
                form.Context().GameList.History().Count());

    bool ok = bench::Report("main window ready, 45,000 games and their history", readyMs, ReadyBudgetMs, 0);
    const bool memoryOk = memoryMb >= 0 && memoryMb <= MemoryBudgetMb;
    std::printf("%-52s %8.1f MB (budget %4.0f MB) %s\n", "resident memory then", memoryMb, MemoryBudgetMb,
                memoryOk ? "ok" : "OVER BUDGET");
    return ok && memoryOk ? 0 : 1;
}
