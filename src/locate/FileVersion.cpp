#include "locate/FileVersion.h"

#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <array>
#include <cstring>
#include <optional>
#include <string_view>
#include <vector>

namespace {

struct Version {
    quint32 major = 0, minor = 0, release = 0, build = 0;
    QString text() const {
        return QStringLiteral("%1.%2.%3.%4").arg(major).arg(minor).arg(release).arg(build);
    }
};

// Reads exactly length bytes at offset, or nothing.
std::optional<QByteArray> readAt(QFile& file, qint64 offset, qint64 length) {
    if (offset < 0 || length < 0 || offset > file.size() || length > file.size() - offset)
        return std::nullopt;
    if (!file.seek(offset))
        return std::nullopt;
    QByteArray bytes = file.read(length);
    if (bytes.size() != length)
        return std::nullopt;
    return bytes;
}

quint64 readUnsigned(const QByteArray& bytes, qsizetype at, int width, bool bigEndian) {
    quint64 value = 0;
    for (int i = 0; i < width; ++i) {
        const quint64 byte = static_cast<uchar>(bytes.at(at + (bigEndian ? i : width - 1 - i)));
        value = (value << 8) | byte;
    }
    return value;
}

// A byte range of the file to look for the version in.
struct Range {
    qint64 offset = 0;
    qint64 size = 0;
};

// The file mapped into memory range by range; the whole emulator is far too big to read.
class MappedRange {
  public:
    MappedRange(QFile& file, const Range& range) : file(file) {
        if (range.size > 0)
            data = file.map(range.offset, range.size);
        if (data)
            view = std::string_view(reinterpret_cast<const char*>(data), static_cast<size_t>(range.size));
    }
    ~MappedRange() {
        if (data)
            file.unmap(data);
    }
    MappedRange(const MappedRange&) = delete;
    MappedRange& operator=(const MappedRange&) = delete;
    std::string_view bytes() const { return view; }

  private:
    QFile& file;
    uchar* data = nullptr;
    std::string_view view;
};

// ---- ELF: the emulator's build version text, "0.251 (revision)" -----------------------

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

struct VersionText {
    std::string_view whole; // "0.251 (revision)"
    std::string_view bare;  // "0.251"
    Version version;
};

// Reads up to five decimal digits ending just before end, going backwards; returns where they begin.
std::optional<size_t> digitsBefore(std::string_view bytes, size_t end) {
    size_t begin = end;
    while (begin > 0 && isDigit(bytes[begin - 1]) && end - begin < 6)
        --begin;
    if (begin == end || end - begin > 5)
        return std::nullopt;
    return begin;
}

quint32 toNumber(std::string_view digits) {
    quint32 value = 0;
    for (char c : digits)
        value = value * 10 + static_cast<quint32>(c - '0');
    return value;
}

// A version text is a whole NUL-terminated string "MAJOR.MINOR (REVISION)": the way the
// emulator's build stores its version. bracket is the position of its "(".
std::optional<VersionText> versionTextAt(std::string_view bytes, size_t bracket) {
    if (bracket < 4 || bytes[bracket - 1] != ' ')
        return std::nullopt;
    const auto minorBegin = digitsBefore(bytes, bracket - 1);
    if (!minorBegin || *minorBegin < 2 || bytes[*minorBegin - 1] != '.')
        return std::nullopt;
    const auto majorBegin = digitsBefore(bytes, *minorBegin - 1);
    if (!majorBegin || (*majorBegin > 0 && bytes[*majorBegin - 1] != '\0'))
        return std::nullopt;

    // The revision: printable, no further brackets, closed by ")" right before the NUL.
    constexpr size_t longestRevision = 64;
    size_t end = bracket + 1;
    while (end < bytes.size() && end - bracket <= longestRevision + 1 && bytes[end] != '\0') {
        const char c = bytes[end];
        if (c < ' ' || c > '~' || c == '(' || (c == ')' && end + 1 < bytes.size() && bytes[end + 1] != '\0'))
            return std::nullopt;
        ++end;
    }
    if (end >= bytes.size() || bytes[end] != '\0' || bytes[end - 1] != ')')
        return std::nullopt;

    const quint32 major = toNumber(bytes.substr(*majorBegin, *minorBegin - 1 - *majorBegin));
    const quint32 minor = toNumber(bytes.substr(*minorBegin, bracket - 1 - *minorBegin));
    if (major > 0xFFFF || minor > 0xFFFF)
        return std::nullopt;
    VersionText found;
    found.whole = bytes.substr(*majorBegin, end - *majorBegin);
    found.bare = bytes.substr(*majorBegin, bracket - 1 - *majorBegin);
    found.version.major = major;
    found.version.minor = minor;
    return found;
}

// The build keeps its bare version ("0.251") and its revision ("unknown") as strings of their
// own beside the full text; a game's description that happens to look like a version
// ("4.2 (50Hz hack)", "0.23 (Longest)") does not have both beside it.
bool containsWholeString(std::string_view window, std::string_view text) {
    std::string delimited;
    delimited.reserve(text.size() + 2);
    delimited.append(1, '\0').append(text).append(1, '\0');
    return window.find(delimited) != std::string_view::npos;
}

bool hasPartsNearby(std::string_view bytes, const VersionText& text) {
    constexpr size_t reach = 256;
    const size_t textBegin = static_cast<size_t>(text.whole.data() - bytes.data());
    const size_t begin = textBegin > reach ? textBegin - reach : 0;
    const size_t end = std::min(bytes.size(), textBegin + text.whole.size() + reach);
    const std::string_view window = bytes.substr(begin, end - begin);
    const std::string_view revision =
        text.whole.substr(text.bare.size() + 2, text.whole.size() - text.bare.size() - 3);
    return containsWholeString(window, text.bare) && containsWholeString(window, revision);
}

enum class Search { Found, Nothing, Ambiguous };

// Looks for the version text in bytes. A text with its parts beside it wins; a single distinct
// unconfirmed text is taken (a small program with just its version); several are a guess we refuse.
// Each text is compared with the first one only: a second distinct one already decides.
Search findVersionText(std::string_view bytes, Version& version) {
    std::optional<VersionText> first;
    bool several = false;
    const char* const base = bytes.data();
    size_t from = 0;
    while (from < bytes.size()) {
        const void* hit = std::memchr(base + from, '(', bytes.size() - from);
        if (!hit)
            break;
        const size_t bracket = static_cast<size_t>(static_cast<const char*>(hit) - base);
        if (auto text = versionTextAt(bytes, bracket)) {
            if (hasPartsNearby(bytes, *text)) {
                version = text->version;
                return Search::Found;
            }
            if (!first)
                first = text;
            else if (text->whole != first->whole)
                several = true;
        }
        from = bracket + 1;
    }
    if (!first)
        return Search::Nothing;
    if (several)
        return Search::Ambiguous;
    version = first->version;
    return Search::Found;
}

// The sections the version text can live in, the read-only data first; the whole file when
// the section table is missing or unreadable.
std::vector<Range> elfDataRanges(QFile& file) {
    const std::vector<Range> wholeFile{Range{0, file.size()}};
    const auto ident = readAt(file, 0, 64);
    if (!ident)
        return wholeFile;
    const bool is64 = ident->at(4) == 2;
    const bool bigEndian = ident->at(5) == 2;
    const auto field = [&](const QByteArray& bytes, qsizetype at, int width) {
        return readUnsigned(bytes, at, width, bigEndian);
    };
    const quint64 sectionTable = is64 ? field(*ident, 0x28, 8) : field(*ident, 0x20, 4);
    const quint64 entrySize = is64 ? field(*ident, 0x3A, 2) : field(*ident, 0x2E, 2);
    const quint64 count = is64 ? field(*ident, 0x3C, 2) : field(*ident, 0x30, 2);
    const quint64 namesIndex = is64 ? field(*ident, 0x3E, 2) : field(*ident, 0x32, 2);
    const quint64 minimumEntry = is64 ? 64 : 40;
    if (sectionTable == 0 || count == 0 || entrySize < minimumEntry || namesIndex >= count)
        return wholeFile;
    const auto table =
        readAt(file, static_cast<qint64>(sectionTable), static_cast<qint64>(entrySize * count));
    if (!table)
        return wholeFile;

    struct Section {
        quint64 name, type, flags, offset, size;
    };
    std::vector<Section> sections;
    for (quint64 i = 0; i < count; ++i) {
        const qsizetype at = static_cast<qsizetype>(i * entrySize);
        Section s;
        s.name = field(*table, at, 4);
        s.type = field(*table, at + 4, 4);
        s.flags = is64 ? field(*table, at + 8, 8) : field(*table, at + 8, 4);
        s.offset = is64 ? field(*table, at + 24, 8) : field(*table, at + 16, 4);
        s.size = is64 ? field(*table, at + 32, 8) : field(*table, at + 20, 4);
        sections.push_back(s);
    }
    const Section& namesSection = sections[namesIndex];
    const auto names = readAt(file, static_cast<qint64>(namesSection.offset),
                              static_cast<qint64>(std::min<quint64>(namesSection.size, 1 << 20)));
    if (!names)
        return wholeFile;

    constexpr quint64 progbits = 1, executable = 4;
    std::vector<Range> ranges;
    for (const Section& s : sections) {
        if (s.type != progbits || (s.flags & executable) || s.size == 0 || s.offset > quint64(file.size()) ||
            s.size > quint64(file.size()) - s.offset)
            continue;
        const Range range{static_cast<qint64>(s.offset), static_cast<qint64>(s.size)};
        const bool readOnlyData = s.name < quint64(names->size()) &&
                                  std::strcmp(names->constData() + s.name, ".rodata") == 0 &&
                                  names->indexOf('\0', qsizetype(s.name)) >= 0;
        if (readOnlyData)
            ranges.insert(ranges.begin(), range);
        else
            ranges.push_back(range);
    }
    // A real executable's sections do not overlap. Sections adding up to more than the file
    // come from a damaged or crafted table, and would have the file read over and over.
    qint64 total = 0;
    for (const Range& range : ranges)
        total += range.size;
    return ranges.empty() || total > file.size() ? wholeFile : ranges;
}

std::optional<Version> elfVersion(QFile& file) {
    for (const Range& range : elfDataRanges(file)) {
        const MappedRange mapped(file, range);
        Version version;
        switch (findVersionText(mapped.bytes(), version)) {
        case Search::Found:
            return version;
        case Search::Ambiguous:
            return std::nullopt;
        case Search::Nothing:
            break;
        }
    }
    return std::nullopt;
}

// ---- PE: the fixed file version record in the resources --------------------------------

std::optional<Range> peResourceSection(QFile& file) {
    const auto dos = readAt(file, 0, 64);
    if (!dos)
        return std::nullopt;
    const qint64 peHeader = static_cast<qint64>(readUnsigned(*dos, 0x3C, 4, false));
    const auto coff = readAt(file, peHeader, 24);
    if (!coff || !coff->startsWith(QByteArrayLiteral("PE\0\0")))
        return std::nullopt;
    const quint64 sectionCount = readUnsigned(*coff, 6, 2, false);
    const quint64 optionalSize = readUnsigned(*coff, 20, 2, false);
    const auto optional = readAt(file, peHeader + 24, static_cast<qint64>(optionalSize));
    if (!optional || optionalSize < 2)
        return std::nullopt;
    const quint64 magic = readUnsigned(*optional, 0, 2, false);
    const qsizetype directories = magic == 0x20B ? 112 : 96;
    const qsizetype resourceEntry = directories + 2 * 8;
    if (optional->size() < resourceEntry + 8 || readUnsigned(*optional, directories - 4, 4, false) < 3)
        return std::nullopt;
    const quint64 resourceAddress = readUnsigned(*optional, resourceEntry, 4, false);
    if (resourceAddress == 0)
        return std::nullopt;

    const auto table = readAt(file, peHeader + 24 + static_cast<qint64>(optionalSize),
                              static_cast<qint64>(sectionCount * 40));
    if (!table)
        return std::nullopt;
    for (quint64 i = 0; i < sectionCount; ++i) {
        const qsizetype at = static_cast<qsizetype>(i * 40);
        const quint64 virtualSize = readUnsigned(*table, at + 8, 4, false);
        const quint64 virtualAddress = readUnsigned(*table, at + 12, 4, false);
        const quint64 rawSize = readUnsigned(*table, at + 16, 4, false);
        const quint64 rawOffset = readUnsigned(*table, at + 20, 4, false);
        if (resourceAddress < virtualAddress ||
            resourceAddress >= virtualAddress + std::max(virtualSize, rawSize))
            continue;
        const quint64 size =
            std::min<quint64>(rawSize, quint64(file.size()) > rawOffset ? file.size() - rawOffset : 0);
        return Range{static_cast<qint64>(rawOffset), static_cast<qint64>(size)};
    }
    return std::nullopt;
}

std::optional<Version> peVersion(QFile& file) {
    const auto resources = peResourceSection(file);
    if (!resources)
        return std::nullopt;
    const MappedRange mapped(file, *resources);
    const std::string_view bytes = mapped.bytes();
    // VS_FIXEDFILEINFO: signature, structure version, file version MS, file version LS.
    static constexpr std::array<char, 4> signature{'\xBD', '\x04', '\xEF', '\xFE'};
    const size_t at = bytes.find(std::string_view(signature.data(), signature.size()));
    if (at == std::string_view::npos || bytes.size() - at < 16)
        return std::nullopt;
    const QByteArray record(bytes.data() + at, 16);
    const quint64 ms = readUnsigned(record, 8, 4, false);
    const quint64 ls = readUnsigned(record, 12, 4, false);
    Version version;
    version.major = static_cast<quint32>(ms >> 16);
    version.minor = static_cast<quint32>(ms & 0xFFFF);
    version.release = static_cast<quint32>(ls >> 16);
    version.build = static_cast<quint32>(ls & 0xFFFF);
    return version;
}

} // namespace

QString GetFileVersion(const QString& fileName) {
    if (!QFileInfo(fileName).isFile())
        return NoFileVersion;
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        return NoFileVersion;
    const QByteArray magic = file.read(4);
    std::optional<Version> version;
    if (magic == QByteArrayLiteral("\x7F"
                                   "ELF"))
        version = elfVersion(file);
    else if (magic.startsWith("MZ"))
        version = peVersion(file);
    return version ? version->text() : NoFileVersion;
}
