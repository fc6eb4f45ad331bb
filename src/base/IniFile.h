#pragma once
// Reads and writes one initialisation file of [section] headers and key=value lines, with
// the rules of the Windows private-profile functions: names match ignoring case, missing
// entries give the caller's default, blanks and one pair of quotes around a value are
// ignored. Nothing is cached: every call reads the file, every write rewrites it at once.

#include "base/AppState.h"

#include <QLocale>
#include <QString>

class TIniFile {
  public:
    // fileName is found ignoring letter case in its folder.
    explicit TIniFile(const QString& fileName);
    QString FileName() const { return fileName; }

    // Reads throw AppError when the file exists but cannot be read.
    QString ReadString(const QString& section, const QString& key, const QString& def) const;
    // Decimal, or hexadecimal after "0x"; "0x80000000" to "0xFFFFFFFF" give the negative
    // numbers of the same 32 bits. Anything else that is not a 32-bit integer gives def.
    int ReadInteger(const QString& section, const QString& key, int def) const;
    TDateTime ReadDateTime(const QString& section, const QString& key, TDateTime def,
                           const QLocale& locale = QLocale::system()) const;
    bool SectionExists(const QString& section) const;

    // Replaces the key's value in place, or adds the key at the end of its section, making
    // the section and the file as needed; all other lines stay as they were. Line breaks in
    // value become blanks so a value cannot add lines. Throws AppError("Unable to write to "
    // + the file's name) when the file cannot be written; the old file is then unchanged.
    void WriteString(const QString& section, const QString& key, const QString& value);
    void WriteInteger(const QString& section, const QString& key, int value);
    void WriteDateTime(const QString& section, const QString& key, TDateTime value,
                       const QLocale& locale = QLocale::system());

  private:
    QString ResolvedFileName() const;

    QString fileName;
};

// value as an integer with the rules of TIniFile::ReadInteger; false when it is not one.
bool TryIniTextToInt(const QString& value, int& result);
