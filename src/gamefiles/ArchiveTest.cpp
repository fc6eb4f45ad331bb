#include "gamefiles/ArchiveTest.h"

#include "gamefiles/ArchiveLayer.h"

#include <optional>

namespace {

const QString CrLf = QStringLiteral("\r\n");
constexpr int Valid = 0;
constexpr int NotValid = -1;

// One line per item, files and folders alike; the verdict of them all.
int TestEachItem(TArchive& archive, QString& report) {
    const auto& items = archive.Items();
    report += QString::asprintf("Item Count: %d\r\n\r\n", static_cast<int>(items.size()));
    int verdict = Valid;
    for (int index = 0; index < static_cast<int>(items.size()); ++index) {
        report += QStringLiteral("Testing Item ") + QString::number(index + 1) + QStringLiteral(": ") +
                  items[index].packedName;
        if (items[index].encrypted) {
            report += QStringLiteral("  ERROR File is encrypted.") + CrLf;
            verdict = NotValid;
        }
        try {
            archive.TestItem(index); // an encrypted item is still tried
        } catch (const ArchiveError& error) {
            report += QStringLiteral("  ERROR ") + error.message() + CrLf;
            verdict = NotValid;
        }
        report += CrLf;
    }
    return verdict;
}

// The verdict, or none when the archive stops the test before its items: the report then
// ends with the error line.
std::optional<int> TestArchive(const QString& path, QString& report) {
    const auto format = FindDecompressFormat(path);
    if (!format) {
        report += QStringLiteral("ERROR Could not determine the Format of ") + path + CrLf;
        return std::nullopt;
    }
    TArchive archive(*format, path);
    if (!archive.Supported()) {
        report += QStringLiteral("ERROR This file format is not handled by 7z.dll") + CrLf;
        return std::nullopt;
    }
    try {
        archive.ListFiles();
    } catch (const ArchiveError&) {
        // Every listing failure gets this wording, whatever its cause.
        report += QStringLiteral("ERROR The file is password protected \\ encrypted.") + CrLf;
        return std::nullopt;
    }
    return TestEachItem(archive, report);
}

} // namespace

int TestZip(const QString& path, QString& report) {
    report = QStringLiteral("TESTING FILE: ") + path + CrLf + CrLf;
    const std::optional<int> verdict = TestArchive(path, report);
    if (!verdict)
        return NotValid;
    report += CrLf;
    if (*verdict == Valid)
        report += QStringLiteral("No errors in ") + path + CrLf;
    else
        report += QStringLiteral("The compressed file is NOT VALID.") + CrLf;
    report += QStringLiteral("Return Code = ") + QString::number(*verdict);
    return *verdict;
}
