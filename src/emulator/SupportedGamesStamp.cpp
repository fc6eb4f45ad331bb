#include "emulator/SupportedGamesStamp.h"

#include <QDateTime>
#include <QFileInfo>
#include <QList>

namespace {

const QByteArray kExecutableKey = QByteArrayLiteral("executable=");
const QByteArray kSizeKey = QByteArrayLiteral("size=");
const QByteArray kModifiedKey = QByteArrayLiteral("modified=");
const QByteArray kListKey = QByteArrayLiteral("list=");

std::optional<qint64> NumberAfter(const QByteArray& line, const QByteArray& key) {
    if (!line.startsWith(key))
        return std::nullopt;
    bool ok = false;
    const qint64 value = line.mid(key.size()).toLongLong(&ok);
    if (!ok || value < 0)
        return std::nullopt;
    return value;
}

} // namespace

std::optional<TFileIdentity> IdentityOfFile(const QString& fileName) {
    const QFileInfo info(fileName);
    if (!info.isFile())
        return std::nullopt;
    const QString canonical = info.canonicalFilePath();
    return TFileIdentity{canonical.isEmpty() ? info.absoluteFilePath() : canonical, info.size(),
                         info.lastModified().toMSecsSinceEpoch()};
}

QByteArray StampText(const TSupportedGamesStamp& stamp) {
    const TFileIdentity& exe = stamp.executable;
    return kExecutableKey + exe.path.toUtf8() + '\n' + kSizeKey + QByteArray::number(exe.size) + '\n' +
           kModifiedKey + QByteArray::number(exe.modifiedMs) + '\n' + kListKey +
           QByteArray::number(stamp.listSize) + '\n';
}

std::optional<TSupportedGamesStamp> ParseStamp(const QByteArray& text) {
    // A note cut short by a crash lacks its last line or the newline that ends it.
    if (!text.endsWith('\n'))
        return std::nullopt;
    const QList<QByteArray> lines = text.chopped(1).split('\n');
    if (lines.size() != 4 || !lines[0].startsWith(kExecutableKey))
        return std::nullopt;
    const QString path = QString::fromUtf8(lines[0].mid(kExecutableKey.size()));
    const auto size = NumberAfter(lines[1], kSizeKey);
    const auto modified = NumberAfter(lines[2], kModifiedKey);
    const auto listSize = NumberAfter(lines[3], kListKey);
    if (path.isEmpty() || !size || !modified || !listSize)
        return std::nullopt;
    return TSupportedGamesStamp{{path, *size, *modified}, *listSize};
}

bool SupportedGamesListIsCurrent(const std::optional<TSupportedGamesStamp>& stamp,
                                 const std::optional<TFileIdentity>& executable,
                                 const std::optional<TFileIdentity>& list) {
    return stamp && executable && list && stamp->executable == *executable && stamp->listSize == list->size;
}
