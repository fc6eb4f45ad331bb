// The archive test on any bytes a game archive may hold: a zip or a 7z, whole, damaged or
// crafted. Whatever they are, the test ends with a verdict and a report that says the same.

#include "FuzzSupport.h"

#include "gamefiles/ArchiveTest.h"

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
