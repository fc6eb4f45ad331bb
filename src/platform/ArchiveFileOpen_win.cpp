#include "platform/ArchiveFileOpen.h"

#include <archive.h>

int OpenArchiveFile(archive* reader, const QString& fileName, std::size_t blockSize) {
    // The wide form reaches every name; the 8-bit one only those of the code page.
    return archive_read_open_filename_w(reader, reinterpret_cast<const wchar_t*>(fileName.utf16()),
                                        blockSize);
}
