#include "gamefiles/ArchiveTest.h"

#include "gamefiles/ArchiveLayer.h"

#include <QCoreApplication>

#include <optional>

namespace {

const QString CrLf = QStringLiteral("\r\n");
constexpr int Valid = 0;
constexpr int NotValid = -1;

// One line per item, files and folders alike; the verdict of them all.
int TestEachItem(TArchive& archive, QString& report) {
    const auto& items = archive.Items();
    report += QCoreApplication::translate("ArchiveTest", "Item Count: %1").arg(items.size()) + CrLf + CrLf;
    int verdict = Valid;
    for (int index = 0; index < static_cast<int>(items.size()); ++index) {
        report += QCoreApplication::translate("ArchiveTest", "Testing Item %1: %2")
                      .arg(QString::number(index + 1), items[index].packedName);
        if (items[index].encrypted) {
            report += QCoreApplication::translate("ArchiveTest", "  ERROR File is encrypted.") + CrLf;
            verdict = NotValid;
        }
        try {
            archive.TestItem(index); // an encrypted item is still tried
        } catch (const ArchiveError& error) {
            report += QCoreApplication::translate("ArchiveTest", "  ERROR %1").arg(error.message()) + CrLf;
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
        report += QCoreApplication::translate("ArchiveTest", "ERROR Could not determine the Format of %1")
                      .arg(path) +
                  CrLf;
        return std::nullopt;
    }
    TArchive archive(*format, path);
    if (!archive.Supported()) {
        report +=
            QCoreApplication::translate("ArchiveTest", "ERROR This file format is not handled by 7z.dll") +
            CrLf;
        return std::nullopt;
    }
    try {
        archive.ListFiles();
    } catch (const ArchiveError&) {
        // Every listing failure gets this wording, whatever its cause.
        report +=
            QCoreApplication::translate("ArchiveTest", "ERROR The file is password protected \\ encrypted.") +
            CrLf;
        return std::nullopt;
    }
    return TestEachItem(archive, report);
}

} // namespace

int TestZip(const QString& path, QString& report) {
    report = QCoreApplication::translate("ArchiveTest", "TESTING FILE: %1").arg(path) + CrLf + CrLf;
    const std::optional<int> verdict = TestArchive(path, report);
    if (!verdict)
        return NotValid;
    report += CrLf;
    if (*verdict == Valid)
        report += QCoreApplication::translate("ArchiveTest", "No errors in %1").arg(path) + CrLf;
    else
        report += QCoreApplication::translate("ArchiveTest", "The compressed file is NOT VALID.") + CrLf;
    report += QCoreApplication::translate("ArchiveTest", "Return Code = %1").arg(*verdict);
    return *verdict;
}
