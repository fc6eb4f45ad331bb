#include "gamefiles/ArchiveLayer.h"

#include "platform/ArchiveFileOpen.h"

#include <QCoreApplication>
#include <QFile>

#include <archive.h>
#include <archive_entry.h>

#include <algorithm>
#include <iterator>

namespace {

// Read granularity of the file and the fixed decompression buffer: an item of any size
// goes through these and nothing more.
constexpr size_t ReadBlockSize = 64 * 1024;
constexpr size_t ItemBufferSize = 256 * 1024;

struct FormatName {
    const char* ending;
    ArchiveFormat format;
};

const FormatName FormatEndings[] = {
    {".zip", ArchiveFormat::Zip},    {".7z", ArchiveFormat::SevenZip}, {".rar", ArchiveFormat::Rar},
    {".tar", ArchiveFormat::Tar},    {".tgz", ArchiveFormat::Tar},     {".tbz2", ArchiveFormat::Tar},
    {".txz", ArchiveFormat::Tar},    {".tar.gz", ArchiveFormat::Tar},  {".tar.bz2", ArchiveFormat::Tar},
    {".tar.xz", ArchiveFormat::Tar}, {".cab", ArchiveFormat::Cab},     {".lzh", ArchiveFormat::Lha},
    {".lha", ArchiveFormat::Lha},    {".iso", ArchiveFormat::Iso},     {".cpio", ArchiveFormat::Cpio},
};

// ARCHIVE_OK or ARCHIVE_WARN when the reader can take the format, ARCHIVE_FATAL when this
// build of libarchive lacks it.
int SupportFormat(archive* reader, ArchiveFormat format) {
    switch (format) {
    case ArchiveFormat::Zip:
        // The seekable reader works from the central directory, as the archive's own index.
        return archive_read_support_format_zip_seekable(reader);
    case ArchiveFormat::SevenZip:
        return archive_read_support_format_7zip(reader);
    case ArchiveFormat::Rar:
        return std::min(archive_read_support_format_rar(reader), archive_read_support_format_rar5(reader));
    case ArchiveFormat::Tar:
        archive_read_support_filter_all(reader); // a filter it lacks only fails that archive
        return archive_read_support_format_tar(reader);
    case ArchiveFormat::Cab:
        return archive_read_support_format_cab(reader);
    case ArchiveFormat::Lha:
        return archive_read_support_format_lha(reader);
    case ArchiveFormat::Iso:
        return archive_read_support_format_iso9660(reader);
    case ArchiveFormat::Cpio:
        archive_read_support_filter_all(reader);
        return archive_read_support_format_cpio(reader);
    }
    return ARCHIVE_FATAL;
}

QString Words(archive* reader) {
    const char* text = archive_error_string(reader);
    return text ? QString::fromLocal8Bit(text) : QString();
}

QString PackedName(archive_entry* entry) {
    if (const char* utf8 = archive_entry_pathname_utf8(entry))
        return QString::fromUtf8(utf8);
    const char* raw = archive_entry_pathname(entry);
    return raw ? QString::fromLocal8Bit(raw) : QString();
}

bool ContainsAny(const QString& text, std::initializer_list<const char*> pieces) {
    return std::any_of(pieces.begin(), pieces.end(),
                       [&text](const char* piece) { return text.contains(QLatin1String(piece)); });
}

// A zip holding no item: its end record alone, with an optional comment.
bool IsEmptyZip(const QString& fileName) {
    constexpr qint64 EndRecordSize = 22;
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly) || file.size() < EndRecordSize ||
        file.size() > EndRecordSize + 0xFFFF)
        return false;
    const QByteArray record = file.read(EndRecordSize);
    const auto word = [&record](int offset) {
        return static_cast<unsigned char>(record[offset]) | static_cast<unsigned char>(record[offset + 1])
                                                                << 8;
    };
    return record.startsWith(QByteArray("PK\x05\x06", 4)) && word(8) == 0 && word(10) == 0 && word(12) == 0 &&
           word(14) == 0 && word(16) == 0 && EndRecordSize + word(20) == file.size();
}

} // namespace

std::optional<ArchiveFormat> FindDecompressFormat(const QString& fileName) {
    const QString name = fileName.toLower();
    for (const FormatName& entry : FormatEndings) {
        if (name.endsWith(QLatin1String(entry.ending)))
            return entry.format;
    }
    return std::nullopt;
}

QString ItemFailureText(const QString& libarchiveWords) {
    const QString words = libarchiveWords.toLower();
    QString nearest;
    if (words.contains(QLatin1String("crc")))
        nearest = QCoreApplication::translate("ArchiveTest", "CRC error");
    else if (ContainsAny(words, {"unsupported", "not supported", "unknown compression", "unknown method"}))
        nearest = QCoreApplication::translate("ArchiveTest", "Unsupported method");
    else if (ContainsAny(words, {"passphrase", "decrypt", "decompress", "damaged", "truncated", "corrupt",
                                 "invalid", "bad ", "inflate", "premature", "unexpected"}))
        nearest = QCoreApplication::translate("ArchiveTest", "Data error");
    else
        nearest = QCoreApplication::translate("ArchiveTest", "Unknown error");
    return libarchiveWords.isEmpty() ? nearest : nearest + QStringLiteral(": ") + libarchiveWords;
}

void TArchive::ReaderDeleter::operator()(archive* reader) const {
    archive_read_free(reader);
}

TArchive::TArchive(ArchiveFormat format, const QString& fileName) : format(format), fileName(fileName) {}

TArchive::~TArchive() = default;

bool TArchive::Supported() const {
    const Reader reader(archive_read_new());
    return reader && SupportFormat(reader.get(), format) != ARCHIVE_FATAL;
}

TArchive::Reader TArchive::OpenReader() const {
    Reader reader(archive_read_new());
    if (!reader)
        throw ArchiveError(QCoreApplication::translate("ArchiveTest", "Out of memory"));
    if (SupportFormat(reader.get(), format) == ARCHIVE_FATAL)
        throw ArchiveError(Words(reader.get()));
    if (OpenArchiveFile(reader.get(), fileName, ReadBlockSize) != ARCHIVE_OK)
        throw ArchiveError(Words(reader.get()));
    return reader;
}

void TArchive::ListFiles() {
    items.clear();
    Reader reader;
    try {
        reader = OpenReader();
    } catch (const ArchiveError&) {
        if (format == ArchiveFormat::Zip && IsEmptyZip(fileName))
            return; // libarchive's zip reader takes no archive without items
        throw;
    }
    archive_entry* entry = nullptr;
    for (;;) {
        const int status = archive_read_next_header(reader.get(), &entry);
        if (status == ARCHIVE_EOF)
            return;
        if (status < ARCHIVE_WARN)
            throw ArchiveError(Words(reader.get()));
        // The item's data is passed over by the next header read.
        items.push_back(
            {PackedName(entry), archive_entry_filetype(entry) == AE_IFDIR,
             archive_entry_is_data_encrypted(entry) != 0 || archive_entry_is_metadata_encrypted(entry) != 0});
    }
}

void TArchive::SkipTo(int index) {
    if (!extractor || index < nextItem) {
        extractor = OpenReader();
        nextItem = 0;
    }
    archive_entry* entry = nullptr;
    while (nextItem < index) {
        if (archive_read_next_header(extractor.get(), &entry) < ARCHIVE_WARN)
            throw ArchiveError(Words(extractor.get()));
        ++nextItem;
    }
}

void TArchive::TestItem(int index) {
    if (!fatalFailure.isEmpty())
        throw ArchiveError(fatalFailure);
    archive_entry* entry = nullptr;
    int status = ARCHIVE_OK;
    try {
        SkipTo(index);
        status = archive_read_next_header(extractor.get(), &entry);
    } catch (const ArchiveError& error) {
        // The items before this one cannot be passed: nothing from here on can be read.
        fatalFailure = ItemFailureText(error.message());
        throw ArchiveError(fatalFailure);
    }
    ++nextItem;
    if (status == ARCHIVE_EOF)
        status = ARCHIVE_FATAL; // fewer items than listed: the file changed under us
    if (status >= ARCHIVE_WARN) {
        buffer.resize(ItemBufferSize);
        la_ssize_t read = 0;
        while ((read = archive_read_data(extractor.get(), buffer.data(), buffer.size())) > 0) {
        }
        if (read == 0)
            return;
        status = static_cast<int>(read);
    }
    const QString failure = ItemFailureText(Words(extractor.get()));
    if (status == ARCHIVE_FATAL)
        extractor.reset(); // the next item is reached afresh, passing over this one
    throw ArchiveError(failure);
}
