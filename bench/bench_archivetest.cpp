// The archive test against its budgets: a zip holding one 1 GB item of zeros (memory above
// idle, and throughput beside `unzip -t` on the same file) and a zip of 10,000 small items.

#include "../tests/gamefiles/ArchiveFixtures.h"
#include "gamefiles/ArchiveTest.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <cstdio>

namespace {

constexpr qint64 BigItemSize = qint64(1) << 30;
constexpr qint64 MemoryBudgetKb = 64 * 1024;
constexpr double MinimumSpeedOfUnzip = 0.5;
constexpr int SmallItems = 10000;
constexpr qint64 SmallItemsBudgetMs = 2000;

// A field of /proc/self/status in kB ("VmRSS", "VmHWM").
qint64 StatusKb(const char* field) {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    const QByteArray prefix = QByteArray(field) + ':';
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith(prefix))
            return line.mid(prefix.size()).trimmed().split(' ').value(0).toLongLong();
    }
    return -1;
}

// Starts a new peak: VmHWM falls back to the present resident size.
bool ResetPeak() {
    QFile clearRefs(QStringLiteral("/proc/self/clear_refs"));
    return clearRefs.open(QIODevice::WriteOnly) && clearRefs.write("5") == 1;
}

// Written in pieces, so making the file does not raise this process's own figures.
bool WriteZeros(const QString& path, int format) {
    const std::unique_ptr<archive, decltype(&archive_write_free)> writer(archive_write_new(),
                                                                         &archive_write_free);
    archive* a = writer.get();
    if (archive_write_set_format(a, format) != ARCHIVE_OK ||
        archive_write_open_filename(a, QFile::encodeName(path).constData()) != ARCHIVE_OK)
        return false;
    const std::unique_ptr<archive_entry, decltype(&archive_entry_free)> entry(archive_entry_new(),
                                                                              &archive_entry_free);
    archive_entry_set_pathname(entry.get(), "zeros.bin");
    archive_entry_set_filetype(entry.get(), AE_IFREG);
    archive_entry_set_perm(entry.get(), 0644);
    archive_entry_set_size(entry.get(), BigItemSize);
    if (archive_write_header(a, entry.get()) != ARCHIVE_OK)
        return false;
    const QByteArray chunk(1 << 20, '\0');
    for (qint64 written = 0; written < BigItemSize; written += chunk.size()) {
        if (archive_write_data(a, chunk.constData(), chunk.size()) != chunk.size())
            return false;
    }
    return archive_write_close(a) == ARCHIVE_OK;
}

qint64 UnzipTestMs(const QString& path) {
    QProcess unzip;
    QElapsedTimer timer;
    timer.start();
    unzip.start(QStringLiteral("unzip"), {QStringLiteral("-tqq"), path});
    if (!unzip.waitForFinished(600000) || unzip.exitCode() != 0)
        return -1;
    return timer.elapsed();
}

// The zip is also tested by `unzip -t`, as the speed to match; the 7z only for memory.
bool BigItem(const QString& folder, const char* kind, int format) {
    const QString path = folder + QStringLiteral("/zeros.") + QLatin1String(kind);
    if (!WriteZeros(path, format)) {
        std::printf("could not write %s\n", qPrintable(path));
        return false;
    }
    const qint64 idleKb = StatusKb("VmRSS");
    if (!ResetPeak() || idleKb < 0) {
        std::printf("no peak memory figure on this system\n");
        return false;
    }
    QString report;
    QElapsedTimer timer;
    timer.start();
    const int verdict = TestZip(path, report);
    const qint64 ourMs = timer.elapsed();
    const qint64 aboveIdleKb = StatusKb("VmHWM") - idleKb;
    std::printf("1 GB item of zeros in a %s: %lld kB resident above idle (budget %lld kB), %lld ms", kind,
                static_cast<long long>(aboveIdleKb), static_cast<long long>(MemoryBudgetKb),
                static_cast<long long>(ourMs));
    bool withinBudget = verdict == 0 && aboveIdleKb <= MemoryBudgetKb;
    if (format == ARCHIVE_FORMAT_ZIP) {
        const qint64 unzipMs = UnzipTestMs(path);
        const double speedOfUnzip = ourMs > 0 ? double(unzipMs) / double(ourMs) : 1.0;
        std::printf("; unzip -t %lld ms: %.2f of its speed (budget %.2f)", static_cast<long long>(unzipMs),
                    speedOfUnzip, MinimumSpeedOfUnzip);
        withinBudget = withinBudget && unzipMs >= 0 && speedOfUnzip >= MinimumSpeedOfUnzip;
    }
    std::printf("\n");
    if (verdict != 0)
        std::printf("%s\n", qPrintable(report));
    QFile::remove(path);
    return withinBudget;
}

bool ManyItems(const QString& folder) {
    const QString path = folder + QStringLiteral("/many.zip");
    std::vector<FixtureItem> items;
    for (int i = 0; i < SmallItems; ++i)
        items.push_back({"rom" + QByteArray::number(i) + ".bin", QByteArray::number(i).repeated(20)});
    if (!WriteArchive(path, ARCHIVE_FORMAT_ZIP, "", items))
        return false;
    QString report;
    QElapsedTimer timer;
    timer.start();
    const int verdict = TestZip(path, report);
    const qint64 ms = timer.elapsed();
    std::printf("%d small items: %lld ms (budget %lld ms), verdict %d\n", SmallItems,
                static_cast<long long>(ms), static_cast<long long>(SmallItemsBudgetMs), verdict);
    return verdict == 0 && ms <= SmallItemsBudgetMs;
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    if (QStandardPaths::findExecutable(QStringLiteral("unzip")).isEmpty()) {
        std::printf("unzip is needed for the comparison: apt-get install unzip\n");
        return 2;
    }
    QTemporaryDir folder;
    const bool many = ManyItems(folder.path());
    const bool zip = BigItem(folder.path(), "zip", ARCHIVE_FORMAT_ZIP);
    const bool sevenZip = BigItem(folder.path(), "7z", ARCHIVE_FORMAT_7ZIP);
    return many && zip && sevenZip ? 0 : 1;
}
