#pragma once
// Archives for the tests, written with libarchive itself, and the damage done to them.

#include <QByteArray>
#include <QFile>
#include <QString>

#include <archive.h>
#include <archive_entry.h>

#include <memory>
#include <vector>

struct FixtureItem {
    QByteArray name;
    QByteArray data;
    bool folder = false;
};

// Writes items into an archive of the given libarchive format (ARCHIVE_FORMAT_ZIP,
// ARCHIVE_FORMAT_7ZIP), with the writer options given ("zip:compression=store", ...) and a
// passphrase when not empty. False, with a warning, on any failure.
inline bool WriteArchive(const QString& path, int format, const char* options,
                         const std::vector<FixtureItem>& items, const char* passphrase = "") {
    const std::unique_ptr<archive, decltype(&archive_write_free)> writer(archive_write_new(),
                                                                         &archive_write_free);
    archive* a = writer.get();
    const auto failed = [a](const char* step) {
        qWarning("%s: %s", step, archive_error_string(a));
        return false;
    };
    if (archive_write_set_format(a, format) != ARCHIVE_OK)
        return failed("format");
    if (*options && archive_write_set_options(a, options) != ARCHIVE_OK)
        return failed("options");
    if (*passphrase && archive_write_set_passphrase(a, passphrase) != ARCHIVE_OK)
        return failed("passphrase");
    if (archive_write_open_filename(a, QFile::encodeName(path).constData()) != ARCHIVE_OK)
        return failed("open");
    for (const FixtureItem& item : items) {
        const std::unique_ptr<archive_entry, decltype(&archive_entry_free)> entry(archive_entry_new(),
                                                                                  &archive_entry_free);
        archive_entry_set_pathname(entry.get(), item.name.constData());
        archive_entry_set_filetype(entry.get(), item.folder ? AE_IFDIR : AE_IFREG);
        archive_entry_set_perm(entry.get(), item.folder ? 0755 : 0644);
        archive_entry_set_size(entry.get(), item.data.size());
        if (archive_write_header(a, entry.get()) != ARCHIVE_OK)
            return failed("header");
        if (!item.data.isEmpty() && archive_write_data(a, item.data.constData(), item.data.size()) !=
                                        static_cast<la_ssize_t>(item.data.size()))
            return failed("data");
    }
    if (archive_write_close(a) != ARCHIVE_OK)
        return failed("close");
    return true;
}

inline QByteArray ReadFileBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

inline bool WriteFileBytes(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

// Replaces the byte at offset from where marker first occurs in the file; false when the
// marker is missing.
inline bool PatchAfter(const QString& path, const QByteArray& marker, int offset, char value) {
    QByteArray bytes = ReadFileBytes(path);
    const auto at = bytes.indexOf(marker);
    if (at < 0)
        return false;
    bytes[at + offset] = value;
    return WriteFileBytes(path, bytes);
}

// The offset of the first data byte of a zip item, from its local header; -1 when missing.
inline qsizetype ZipItemDataOffset(const QByteArray& zip, const QByteArray& name) {
    const QByteArray header = QByteArray("PK\x03\x04", 4);
    for (qsizetype at = zip.indexOf(header); at >= 0; at = zip.indexOf(header, at + 1)) {
        const auto word = [&zip](qsizetype offset) {
            return static_cast<unsigned char>(zip[offset]) | static_cast<unsigned char>(zip[offset + 1]) << 8;
        };
        const int nameLength = word(at + 26);
        const int extraLength = word(at + 28);
        if (zip.mid(at + 30, nameLength) == name)
            return at + 30 + nameLength + extraLength;
    }
    return -1;
}
