#pragma once
// The emulator's own configuration file: one option per line, the name, blanks, the value.
// Read once into a TMameIni, looked up and changed by name, written back whole in one safe
// replace. Every line nobody changed keeps its bytes, whatever its encoding; a changed or added
// line is written in the file's encoding, and every line ends with CR LF.

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringConverter>

#include <functional>

// The emulator's configuration file in its folder, whatever the letter case of its name.
QString MameIniPath(const QString& mamePath);

// Called with the new value just before a matching line is replaced.
using INISettingFound = std::function<void(const QString& value)>;

class TMameIni {
  public:
    // Reads and decodes fileName. Throws AppError("Unable to read " ...) when it cannot be read.
    explicit TMameIni(const QString& fileName);

    const QString& FileName() const { return fileName; }

    // The value of the first line whose name matches, trimmed; def when no line matches.
    QString Value(const QString& name, const QString& def) const;

    // Replaces the first matching line with the name padded to 25 characters, a blank and the
    // value, or appends that line. Returns whether a matching line was found.
    bool SetValue(const QString& name, const QString& value, const INISettingFound& onFound = {});

    // The file as Save writes it.
    QByteArray Bytes() const;
    // Replaces the file with Bytes() in one step. Throws AppError("Unable to write to " + file),
    // the file left as it was, when that fails.
    void Save() const;

  private:
    enum class LineEnd { None, CarriageReturn, LineFeed, CarriageReturnLineFeed };
    struct Line {
        QByteArray bytes; // as found in the file (or encoded when changed), without its end
        QString text;
        LineEnd end = LineEnd::None;
    };

    void Decode(const QByteArray& data);
    void SplitLines(const QByteArray& body);
    void DecodeLines();
    QStringList LinesAsRead() const;
    QByteArray Encode(const QString& text) const;

    QString fileName;
    QStringConverter::Encoding encoding = QStringConverter::System;
    QByteArray byteOrderMark;
    QList<Line> lines;
    QByteArray danglingByte; // a UTF-16 file of odd length: its last byte, kept last
    bool rewritten = false;  // a line was set, so every line will end with CR LF
};

// One option read from the file; for reading several, load a TMameIni once.
QString ReadINISetting(const QString& iniFile, const QString& name, const QString& def);

// One option written to the file (TMameIni::SetValue, then Save). Returns whether a matching
// line was found.
bool WriteINISetting(const QString& iniFile, const QString& name, const QString& value,
                     const INISettingFound& onFound = {});
