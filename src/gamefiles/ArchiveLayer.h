#pragma once
// The archive layer under the archive test: finds a reader by the file name's extension,
// lists an archive's items and streams each item through libarchive's own checks.

#include <QString>

#include <memory>
#include <optional>
#include <stdexcept>
#include <vector>

struct archive;

// What the layer raises when an archive cannot be listed or an item cannot be read.
class ArchiveError : public std::runtime_error {
  public:
    explicit ArchiveError(const QString& message)
        : std::runtime_error(message.toStdString()), text(message) {}
    QString message() const { return text; }

  private:
    QString text;
};

// The archive formats offered, each chosen by the extensions that name it.
enum class ArchiveFormat { Zip, SevenZip, Rar, Tar, Cab, Lha, Iso, Cpio };

// The format claimed by the end of fileName, ignoring letter case; none when no format does.
std::optional<ArchiveFormat> FindDecompressFormat(const QString& fileName);

struct ArchiveItem {
    QString packedName; // its path inside the archive
    bool isFolder = false;
    bool encrypted = false;
};

// Nearest of the four item failure texts to libarchive's words, with those words after it:
// "CRC error: ZIP bad CRC: ...".
QString ItemFailureText(const QString& libarchiveWords);

class TArchive {
  public:
    // Nothing is read yet.
    TArchive(ArchiveFormat format, const QString& fileName);
    ~TArchive();
    TArchive(const TArchive&) = delete;
    TArchive& operator=(const TArchive&) = delete;

    // False when this build of libarchive cannot read the format.
    bool Supported() const;

    // Opens the archive and reads its directory; throws ArchiveError on any failure.
    void ListFiles();
    const std::vector<ArchiveItem>& Items() const { return items; }

    // Decompresses item index (items are read in archive order, each at most once) through
    // a buffer of fixed size, letting libarchive check it; throws ArchiveError with the
    // item failure text when it cannot be read whole and intact.
    void TestItem(int index);

  private:
    struct ReaderDeleter {
        void operator()(archive* reader) const;
    };
    using Reader = std::unique_ptr<archive, ReaderDeleter>;

    Reader OpenReader() const;
    void SkipTo(int index);

    ArchiveFormat format;
    QString fileName;
    std::vector<ArchiveItem> items;
    Reader extractor; // positioned before item nextItem
    int nextItem = 0;
    QString fatalFailure; // set once the extractor can go no further
    std::vector<char> buffer;
};
