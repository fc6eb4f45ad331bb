// The archive test on any bytes a game archive may hold: a zip or a 7z, whole, damaged or
// crafted. Whatever they are, the test ends with a verdict and a report that says the same.

#include "FuzzSupport.h"

#include "gamefiles/ArchiveTest.h"

// A 7z header may declare any size, and the archive library allocates what it declares (a
// 255-byte file asked for 24 GB). Outside the sanitizer such a request is only address space,
// refused or never touched; the sanitizer maps and clears it, which takes seconds. Refusing
// requests over 4 GB, as a smaller machine would, keeps the library's own error path under test.
extern "C" const char* __asan_default_options() {
    return "allocator_may_return_null=1:max_allocation_size_mb=4096";
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray bytes = InputBytes(data, size);
    // The reader is chosen by the name, as for a file in the game folder.
    const bool sevenZip = bytes.startsWith("7z\xBC\xAF\x27\x1C");
    const QString path =
        WriteScratchFile(sevenZip ? QStringLiteral("game.7z") : QStringLiteral("game.zip"), bytes);
    QString report;
    const int verdict = TestZip(path, report);
    if (verdict != 0 && verdict != -1)
        PropertyFailed("the verdict is 0 or -1", QString(), QString::number(verdict));
    if (!report.startsWith(QStringLiteral("TESTING FILE: ") + path + QStringLiteral("\r\n")))
        PropertyFailed("the report names the file first", QString(), report.left(200));
    if ((verdict == 0) != report.contains(QStringLiteral("No errors in ")))
        PropertyFailed("the report says what the verdict says", QString::number(verdict), report.right(200));
    return 0;
}
