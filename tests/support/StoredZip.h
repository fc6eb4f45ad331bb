#pragma once
// Zip archives for the tests that the real emulator reads: members stored uncompressed.

#include <QByteArray>
#include <QList>

#include <array>
#include <utility>

inline quint32 Crc32(const QByteArray& bytes) {
    static const auto table = [] {
        std::array<quint32, 256> t{};
        for (quint32 n = 0; n < 256; ++n) {
            quint32 c = n;
            for (int k = 0; k < 8; ++k)
                c = (c & 1) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
            t[n] = c;
        }
        return t;
    }();
    quint32 crc = 0xFFFFFFFFu;
    for (const char byte : bytes)
        crc = table[(crc ^ quint8(byte)) & 0xFF] ^ (crc >> 8);
    return crc ^ 0xFFFFFFFFu;
}

inline void Put16(QByteArray& out, quint32 v) {
    out.append(char(v & 0xFF)).append(char((v >> 8) & 0xFF));
}
inline void Put32(QByteArray& out, quint32 v) {
    Put16(out, v & 0xFFFF);
    Put16(out, v >> 16);
}

// A zip archive with the members stored uncompressed: local headers, central directory, end record.
inline QByteArray StoredZip(const QList<std::pair<QByteArray, QByteArray>>& members) {
    QByteArray out, directory;
    for (const auto& [name, data] : members) {
        const quint32 offset = quint32(out.size());
        const quint32 crc = Crc32(data);
        const auto common = [&](QByteArray& to) {
            Put16(to, 20);   // version needed
            Put16(to, 0);    // flags
            Put16(to, 0);    // stored
            Put16(to, 0);    // time
            Put16(to, 0x21); // date 1980-01-01
            Put32(to, crc);
            Put32(to, quint32(data.size()));
            Put32(to, quint32(data.size()));
            Put16(to, quint32(name.size()));
            Put16(to, 0); // extra length
        };
        Put32(out, 0x04034b50);
        common(out);
        out += name;
        out += data;

        Put32(directory, 0x02014b50);
        Put16(directory, 20); // version made by
        common(directory);
        Put16(directory, 0); // comment length
        Put16(directory, 0); // disk
        Put16(directory, 0); // internal attributes
        Put32(directory, 0); // external attributes
        Put32(directory, offset);
        directory += name;
    }
    const quint32 directoryOffset = quint32(out.size());
    out += directory;
    Put32(out, 0x06054b50);
    Put16(out, 0);
    Put16(out, 0);
    Put16(out, quint32(members.size()));
    Put16(out, quint32(members.size()));
    Put32(out, quint32(directory.size()));
    Put32(out, directoryOffset);
    Put16(out, 0); // comment length
    return out;
}
