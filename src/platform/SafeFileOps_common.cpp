#include "platform/SafeFileOps.h"

#include <QFileInfo>
#include <QTemporaryFile>

#include <vector>

namespace {

constexpr qint64 CopyBufferSize = 1024 * 1024;

// The temporary copy, written whole and on disk; the reason when not.
FileOpResult WriteCopy(QFile& source, QTemporaryFile& copy) {
    std::vector<char> buffer(CopyBufferSize);
    for (;;) {
        const qint64 got = source.read(buffer.data(), CopyBufferSize);
        if (got < 0)
            return {false, source.errorString()};
        if (got == 0)
            break;
        if (copy.write(buffer.data(), got) != got)
            return {false, copy.errorString()};
    }
    if (!copy.flush())
        return {false, copy.errorString()};
    const FileOpResult flushed = FlushToDisk(copy.handle());
    if (!flushed.ok)
        return flushed;
    if (!copy.setPermissions(source.permissions() | QFile::ReadOwner | QFile::WriteOwner))
        return {false, copy.errorString()};
    return {true, QString()};
}

} // namespace

FileOpResult CopyIntoPlace(const QString& source, const QString& target) {
    if (IsSameFile(source, target))
        return {true, QString()}; // a copy onto itself would only put the one copy at risk
    QFile input(source);
    if (!input.open(QIODevice::ReadOnly))
        return {false, input.errorString()};
    // A hidden name without an archive extension: no scan takes it for a game meanwhile.
    QTemporaryFile copy(QFileInfo(target).absolutePath() + QStringLiteral("/.pellmora-copy-XXXXXX"));
    if (!copy.open())
        return {false, copy.errorString()};
    FileOpResult result = WriteCopy(input, copy);
    if (result.ok)
        result = RenameOver(copy.fileName(), target);
    if (result.ok)
        copy.setAutoRemove(false); // it is the target now
    return result;
}
