#include "FuzzSupport.h"

#include "emulator/LineBuilder.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <cstdio>
#include <cstdlib>

namespace {

QTemporaryDir& ScratchDir() {
    // /dev/shm when there is one: the targets write a file for every input.
    static QTemporaryDir dir(QDir(QStringLiteral("/dev/shm")).exists()
                                 ? QStringLiteral("/dev/shm/pellmora-fuzz-XXXXXX")
                                 : QDir::tempPath() + QStringLiteral("/pellmora-fuzz-XXXXXX"));
    if (!dir.isValid())
        PropertyFailed("cannot make the scratch folder");
    return dir;
}

QString Shown(const QString& text) {
    QString shown;
    for (const QChar c : text) {
        if (c.unicode() < 32 || c.unicode() == 127 || c.unicode() > 126)
            shown += QStringLiteral("\\u%1").arg(c.unicode(), 4, 16, QLatin1Char('0'));
        else
            shown += c;
    }
    return shown;
}

} // namespace

QByteArray InputBytes(const uint8_t* data, size_t size) {
    return QByteArray(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
}

WriteRequest SplitWriteRequest(const QByteArray& input) {
    WriteRequest request;
    if (input.isEmpty())
        return request;
    request.choice = static_cast<unsigned char>(input.at(0));
    const qsizetype lineFeed = input.indexOf('\n', 1);
    request.value = input.mid(1, lineFeed < 0 ? -1 : lineFeed - 1);
    if (lineFeed >= 0)
        request.file = input.mid(lineFeed + 1);
    return request;
}

QString WriteScratchFile(const QString& name, const QByteArray& bytes) {
    const QString path = ScratchDir().filePath(name);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size())
        PropertyFailed("cannot write the scratch file");
    return path;
}

QByteArray ReadScratchFile(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        PropertyFailed("cannot read the scratch file");
    return file.readAll();
}

void PropertyFailed(const char* what, const QString& expected, const QString& actual) {
    std::fprintf(stderr, "\n== property broken: %s\n", what);
    if (!expected.isNull() || !actual.isNull())
        std::fprintf(stderr, "   expected: %s\n   actual:   %s\n", qPrintable(Shown(expected)),
                     qPrintable(Shown(actual)));
    std::fflush(stderr);
    std::abort();
}

void RequireEqual(const char* what, const QString& expected, const QString& actual) {
    if (expected != actual)
        PropertyFailed(what, expected, actual);
}

void RequireEqual(const char* what, const QStringList& expected, const QStringList& actual) {
    if (expected != actual)
        PropertyFailed(what, expected.join(QStringLiteral("|")), actual.join(QStringLiteral("|")));
}

QList<QByteArray> ByteLines(const QByteArray& bytes, LineEnds ends) {
    QList<QByteArray> lines;
    qsizetype start = 0;
    // A UTF-8 mark is no part of the first line: a file holding only the mark is empty, and what
    // is written into it follows the mark. It stays an entry of its own, so losing it shows.
    if (bytes.startsWith("\xEF\xBB\xBF")) {
        lines.append(bytes.first(3));
        start = 3;
    }
    for (qsizetype i = start; i < bytes.size(); ++i) {
        const char c = bytes.at(i);
        if (c != '\n' && (c != '\r' || ends == LineEnds::LineFeed))
            continue;
        qsizetype end = i;
        if (c == '\n' && ends == LineEnds::LineFeed && end > start && bytes.at(end - 1) == '\r')
            --end;
        lines.append(bytes.mid(start, end - start));
        if (c == '\r' && i + 1 < bytes.size() && bytes.at(i + 1) == '\n')
            ++i;
        start = i + 1;
    }
    if (start < bytes.size())
        lines.append(bytes.mid(start));
    return lines;
}

namespace {

// Lines equal at the start and at the end of both lists, without overlapping.
void CommonEnds(const QList<QByteArray>& a, const QList<QByteArray>& b, qsizetype& head, qsizetype& tail) {
    head = 0;
    while (head < a.size() && head < b.size() && a.at(head) == b.at(head))
        ++head;
    tail = 0;
    while (tail < a.size() - head && tail < b.size() - head &&
           a.at(a.size() - 1 - tail) == b.at(b.size() - 1 - tail))
        ++tail;
}

} // namespace

void RequireOneLineChanged(const char* what, const QList<QByteArray>& before, const QList<QByteArray>& after,
                           Insertion insertion) {
    qsizetype head = 0, tail = 0;
    CommonEnds(before, after, head, tail);
    const bool replaced = before.size() == after.size() && before.size() - head - tail <= 1;
    const bool inserted = head + tail == before.size() && (insertion == Insertion::AnyPlace || tail == 0);
    if (replaced || inserted)
        return;
    PropertyFailed(what, QString::fromLatin1(before.value(head)), QString::fromLatin1(after.value(head)));
}

QStringList InputLines(const uint8_t* data, size_t size) {
    LineBuilder builder;
    QStringList lines;
    builder.feed(QByteArrayView(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size)), lines);
    QString last;
    if (builder.finish(last))
        lines.append(last);
    return lines;
}
