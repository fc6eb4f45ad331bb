// The version read from an executable's bytes, ELF or PE. Whatever the file holds, the answer
// is four numbers of 16 bits each, "0.0.0.0" when there is none, and it comes without delay.

#include "FuzzSupport.h"

#include "locate/FileVersion.h"

#include <QRegularExpression>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QString version = GetFileVersion(WriteScratchFile(QStringLiteral("mame"), InputBytes(data, size)));
    static const QRegularExpression shape(QStringLiteral("^(\\d+)\\.(\\d+)\\.(\\d+)\\.(\\d+)$"));
    const QRegularExpressionMatch match = shape.match(version);
    if (!match.hasMatch())
        PropertyFailed("a version is four numbers", QString(), version);
    for (int field = 1; field <= 4; ++field) {
        if (match.captured(field).toUInt() > 0xFFFF || match.captured(field).size() > 5)
            PropertyFailed("each field of a version fits 16 bits", QString(), version);
    }
    return 0;
}
