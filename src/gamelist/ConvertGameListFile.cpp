#include "gamelist/ConvertGameListFile.h"

#include "base/ProgramTexts.h"
#include "base/WholeFile.h"

#include "base/AppError.h"
#include "base/FileLookup.h"

#include <QByteArrayList>
#include <QFile>
#include <QFileInfo>

namespace {

const int OldHeaderLines = 5;

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

void WriteLines(const QString& fileName, const QByteArrayList& lines, qsizetype first) {
    QByteArray bytes;
    for (qsizetype i = first; i < lines.size(); ++i)
        bytes += lines[i] + QByteArrayLiteral("\r\n");
    if (!WriteWholeFile(fileName, bytes))
        throw AppError(QStringLiteral("Unable to write to ") + fileName);
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

    const QByteArrayList lines = SplitAtLineFeeds(ReadWholeFile(listFile));
    if (lines.isEmpty() || lines.first() != "GenerelSettings,0")
        return;
    WriteLines(tempFile, lines, OldHeaderLines);

    const QString oldBackup = FindFileIgnoringCase(folder, ListFileName + QStringLiteral(".BAK"));
    if (QFileInfo::exists(oldBackup))
        QFile::remove(oldBackup);
    // When the old file cannot become the backup, it stays the list file in its old layout
    // and the conversion runs again next time.
    if (QFile::rename(listFile, folder + ListFileName + QStringLiteral(".BAK")))
        QFile::rename(tempFile, folder + ListFileName);
}
