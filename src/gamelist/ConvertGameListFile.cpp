#include "gamelist/ConvertGameListFile.h"

#include "base/ProgramTexts.h"
#include "base/WholeFile.h"

#include "base/AppError.h"
#include "base/FileLookup.h"

#include <QByteArrayList>
#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

namespace {

const int OldHeaderLines = 5;
const QByteArray OldFirstLine = QByteArrayLiteral("GenerelSettings,0");

// Removes the converted copy however the conversion ends.
class TempFileRemover {
  public:
    explicit TempFileRemover(QString path) : path(std::move(path)) {}
    ~TempFileRemover() { QFile::remove(path); }
    TempFileRemover(const TempFileRemover&) = delete;
    TempFileRemover& operator=(const TempFileRemover&) = delete;

  private:
    QString path;
};

// Lines end at a line feed, a carriage return before it belonging to the ending.
QByteArrayList SplitAtLineFeeds(const QByteArray& bytes) {
    QByteArrayList lines = bytes.split('\n');
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast(); // the ending of the last line, not a line of its own
    for (QByteArray& line : lines) {
        if (line.endsWith('\r'))
            line.chop(1);
    }
    return lines;
}

// Whether the file begins with the old layout's first line; only that line is read, so a list
// file of any size is not loaded here.
bool HasOldLayout(const QString& fileName) {
    QFile file(fileName);
    const auto unreadable = [&] {
        return AppError(
            QCoreApplication::translate("Files", "Unable to read %1: %2").arg(fileName, file.errorString()));
    };
    if (!file.open(QIODevice::ReadOnly))
        throw unreadable();
    // The line ends at a line feed, one carriage return before it (or at the end) belonging to it.
    const QByteArray head = file.read(OldFirstLine.size() + 2);
    if (file.error() != QFileDevice::NoError)
        throw unreadable();
    if (!head.startsWith(OldFirstLine))
        return false;
    const QByteArray ending = head.mid(OldFirstLine.size());
    return ending.isEmpty() || ending == "\r" || ending == "\r\n" || ending.startsWith('\n');
}

void WriteLines(const QString& fileName, const QByteArrayList& lines, qsizetype first) {
    QByteArray bytes;
    for (qsizetype i = first; i < lines.size(); ++i)
        bytes += lines[i] + QByteArrayLiteral("\r\n");
    if (!WriteWholeFile(fileName, bytes))
        throw AppError(QCoreApplication::translate("Files", "Unable to write to %1").arg(fileName));
}

} // namespace

void ConvertGameListFile(const QString& userDataPath) {
    const QString folder = IncludeTrailingPathDelimiter(userDataPath);
    const QString listFile = FindFileIgnoringCase(folder, ListFileName);
    if (!QFileInfo::exists(listFile))
        return;
    const QString tempFile = folder + QStringLiteral("Pellmora.~DAT");
    QFile::remove(tempFile);
    const TempFileRemover removeTempFile(tempFile);

    if (!HasOldLayout(listFile))
        return;
    const QByteArrayList lines = SplitAtLineFeeds(ReadWholeFile(listFile));
    WriteLines(tempFile, lines, OldHeaderLines);

    const QString oldBackup = FindFileIgnoringCase(folder, ListFileName + QStringLiteral(".BAK"));
    if (QFileInfo::exists(oldBackup))
        QFile::remove(oldBackup);
    // When the old file cannot become the backup, it stays the list file in its old layout
    // and the conversion runs again next time.
    if (QFile::rename(listFile, folder + ListFileName + QStringLiteral(".BAK")))
        QFile::rename(tempFile, folder + ListFileName);
}
