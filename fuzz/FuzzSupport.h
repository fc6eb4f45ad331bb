#pragma once
// Shared by the fuzz targets: a scratch folder for readers that take a file name, and the
// failure of a property, which libFuzzer then reports with the input like a crash.

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <cstddef>
#include <cstdint>

// The input as bytes (a deep copy: the readers may keep what they are given).
QByteArray InputBytes(const uint8_t* data, size_t size);

// The input as the emulator's output split into lines by the launcher's line builder.
QStringList InputLines(const uint8_t* data, size_t size);

// The input of the targets that write one value into a file: a byte choosing what to write
// (key, option, section), the value up to the first line feed, then the file's bytes. So a
// seed is a real file with one short line in front.
struct WriteRequest {
    unsigned char choice = 0;
    QByteArray value;
    QByteArray file;
};
WriteRequest SplitWriteRequest(const QByteArray& input);

// A file named name in this process's scratch folder, holding bytes. The folder is made on
// first use and removed at a normal exit.
QString WriteScratchFile(const QString& name, const QByteArray& bytes);
QByteArray ReadScratchFile(const QString& path);

// Prints what broke, with the two sides when given, and aborts.
[[noreturn]] void PropertyFailed(const char* what, const QString& expected = QString(),
                                 const QString& actual = QString());

// Requires a == b; on failure prints both.
void RequireEqual(const char* what, const QString& expected, const QString& actual);
void RequireEqual(const char* what, const QStringList& expected, const QStringList& actual);

// How a reader ends its lines.
enum class LineEnds { AnyBreak, LineFeed };

// Lines of bytes, a last line without an ending included. AnyBreak: each ends at CR LF, a
// lone LF or a lone CR. LineFeed: each ends at LF, one CR before it belonging to the ending.
QList<QByteArray> ByteLines(const QByteArray& bytes, LineEnds ends);

// How a rewrite may change a file's lines besides replacing one of them.
enum class Insertion { AtEnd, AnyPlace };

// Requires after to be before with at most one line replaced, or with lines inserted (at the
// end or in any one place); on failure prints the first line that differs.
void RequireOneLineChanged(const char* what, const QList<QByteArray>& before, const QList<QByteArray>& after,
                           Insertion insertion);
