#pragma once
// Opening an archive file by name with libarchive, in the system's own form of file names.

#include <QString>

#include <cstddef>

struct archive;

// archive_read_open_filename for fileName, read in blocks of blockSize: ARCHIVE_OK or
// libarchive's failure code (its text is in the reader).
int OpenArchiveFile(archive* reader, const QString& fileName, std::size_t blockSize);
