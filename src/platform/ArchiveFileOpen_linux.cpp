#include "platform/ArchiveFileOpen.h"

#include <QFile>

#include <archive.h>

int OpenArchiveFile(archive* reader, const QString& fileName, std::size_t blockSize) {
    // Names are bytes here: the locale's encoding, as the file system holds them.
    return archive_read_open_filename(reader, QFile::encodeName(fileName).constData(), blockSize);
}
