// The emulator's output, split into lines. The same bytes give the same lines however the
// pipe cut them into pieces; no line holds a control character; and a last line without a
// line feed is never lost.

#include "FuzzSupport.h"

#include "emulator/LineBuilder.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <vector>

namespace {

QStringList Build(const QByteArray& bytes, const std::vector<qsizetype>& cuts) {
    LineBuilder builder;
    QStringList lines;
    qsizetype from = 0;
    for (const qsizetype cut : cuts) {
        builder.feed(QByteArrayView(bytes).sliced(from, cut - from), lines);
        from = cut;
    }
    builder.feed(QByteArrayView(bytes).sliced(from), lines);
    QString last;
    if (builder.finish(last))
        lines.append(last);
    return lines;
}

bool IsControl(char16_t c) {
    return c == u'\n' || c == u'\r' || c == u'\t' || c == u'\b' || c == u'\0' || c == u'\a';
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzedDataProvider input(data, size);
    const int cutCount = input.ConsumeIntegralInRange<int>(0, 16);
    std::vector<size_t> cutSeeds;
    for (int i = 0; i < cutCount; ++i)
        cutSeeds.push_back(input.ConsumeIntegral<uint16_t>());
    const QByteArray bytes = QByteArray::fromStdString(input.ConsumeRemainingBytesAsString());

    std::vector<qsizetype> cuts;
    for (const size_t seed : cutSeeds)
        cuts.push_back(static_cast<qsizetype>(seed % (static_cast<size_t>(bytes.size()) + 1)));
    std::sort(cuts.begin(), cuts.end());

    const QStringList whole = Build(bytes, {});
    RequireEqual("pieces give the lines of the whole", whole, Build(bytes, cuts));
    std::vector<qsizetype> everyByte;
    for (qsizetype at = 1; at < bytes.size(); ++at)
        everyByte.push_back(at);
    RequireEqual("single bytes give the lines of the whole", whole, Build(bytes, everyByte));

    for (const QString& line : whole) {
        for (const QChar c : line) {
            if (IsControl(c.unicode()))
                PropertyFailed("a line holds no control character", QString(), line);
        }
    }
    // Every line feed ends a line; bytes after the last one that hold no control character
    // make one more line, even when they are not a whole character.
    const qsizetype ended = bytes.count('\n');
    const QByteArray tail = bytes.mid(bytes.lastIndexOf('\n') + 1);
    const bool plainTail = !tail.isEmpty() && std::none_of(tail.begin(), tail.end(), [](char c) {
        return IsControl(char16_t(static_cast<unsigned char>(c)));
    });
    if (whole.size() < ended || (plainTail && whole.size() != ended + 1))
        PropertyFailed("every line feed ends a line, and plain bytes after the last make one more",
                       QString::number(ended + (plainTail ? 1 : 0)), QString::number(whole.size()));
    return 0;
}
