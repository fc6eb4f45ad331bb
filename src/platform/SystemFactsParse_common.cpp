#include "platform/SystemFactsParse.h"

#include <QRegularExpression>
#include <QSet>
#include <QStringList>

#include <cmath>
#include <utility>

namespace {

// "key : value" lines; entries of one processor are separated by a blank line.
std::pair<QString, QString> SplitColonLine(const QString& line) {
    const qsizetype colon = line.indexOf(QLatin1Char(':'));
    if (colon < 0)
        return {line.trimmed(), QString()};
    return {line.left(colon).trimmed(), line.mid(colon + 1).trimmed()};
}

std::optional<qint64> KHzTextToMHz(const QString& text) {
    bool ok = false;
    const qint64 kHz = text.trimmed().toLongLong(&ok);
    if (!ok || kHz <= 0)
        return std::nullopt;
    return (kHz + 500) / 1000;
}

QString Unquoted(const QString& value) {
    if (value.size() < 2)
        return value;
    const QChar quote = value.front();
    if ((quote != QLatin1Char('"') && quote != QLatin1Char('\'')) || value.back() != quote)
        return value;
    QString result;
    const QString inner = value.mid(1, value.size() - 2);
    for (qsizetype i = 0; i < inner.size(); ++i) {
        if (inner[i] == QLatin1Char('\\') && i + 1 < inner.size())
            ++i;
        result += inner[i];
    }
    return result;
}

} // namespace

TCpuInfo ParseCpuInfo(const QString& cpuinfo) {
    TCpuInfo cpu;
    // Names differ by architecture: x86 "model name", ARM "Processor" (older kernels),
    // MIPS "cpu model", PowerPC "cpu".
    static const QStringList nameKeys = {QStringLiteral("model name"), QStringLiteral("Processor"),
                                         QStringLiteral("cpu model"), QStringLiteral("cpu")};
    int nameRank = int(nameKeys.size());
    QSet<QString> packages;
    QSet<QString> cores;
    QString physicalId;
    const QStringList lines = cpuinfo.split(QLatin1Char('\n'));
    for (const QString& line : lines) {
        const auto [key, value] = SplitColonLine(line);
        if (key == QLatin1String("processor")) {
            ++cpu.LogicalCores;
            physicalId.clear();
        } else if (key == QLatin1String("vendor_id") && cpu.Vendor.isEmpty()) {
            cpu.Vendor = value;
        } else if (key == QLatin1String("cpu MHz") && cpu.ReportedMHz == 0) {
            cpu.ReportedMHz = value.toDouble();
        } else if (key == QLatin1String("physical id")) {
            physicalId = value;
            packages.insert(value);
        } else if (key == QLatin1String("core id")) {
            cores.insert(physicalId + QLatin1Char('/') + value);
        }
        const int rank = int(nameKeys.indexOf(key));
        if (rank >= 0 && rank < nameRank && !value.isEmpty()) {
            cpu.Name = value;
            nameRank = rank;
        }
    }
    cpu.Packages = !packages.isEmpty() ? int(packages.size()) : (cpu.LogicalCores > 0 ? 1 : 0);
    cpu.PhysicalCores = !cores.isEmpty() ? int(cores.size()) : cpu.LogicalCores;
    return cpu;
}

QString CpuTypeName(const QString& vendor) {
    static const QMap<QString, QString> names = {
        {QStringLiteral("GenuineIntel"), QStringLiteral("cpuIntel")},
        {QStringLiteral("AuthenticAMD"), QStringLiteral("cpuAMD")},
        {QStringLiteral("CyrixInstead"), QStringLiteral("cpuCyrix")},
        {QStringLiteral("GenuineTMx86"), QStringLiteral("cpuCrusoe")},
        {QStringLiteral("TransmetaCPU"), QStringLiteral("cpuCrusoe")},
    };
    return names.value(vendor, QStringLiteral("cpuUnknown"));
}

std::optional<qint64> NominalMHz(const TCpuInfo& cpu, const QString& baseKHz, const QString& maxKHz) {
    if (const auto base = KHzTextToMHz(baseKHz))
        return base;
    static const QRegularExpression ratedGHz(QStringLiteral("@\\s*([0-9]+(?:\\.[0-9]+)?)\\s*GHz"));
    const QRegularExpressionMatch match = ratedGHz.match(cpu.Name);
    if (match.hasMatch())
        return std::llround(match.captured(1).toDouble() * 1000);
    if (const auto max = KHzTextToMHz(maxKHz))
        return max;
    if (cpu.ReportedMHz > 0)
        return std::llround(cpu.ReportedMHz);
    return std::nullopt;
}

std::optional<qint64> KiBEntryBytes(const QString& text, const QString& key) {
    const QStringList lines = text.split(QLatin1Char('\n'));
    for (const QString& line : lines) {
        const auto [name, value] = SplitColonLine(line);
        if (name != key)
            continue;
        bool ok = false;
        const qint64 kib = value.section(QLatin1Char(' '), 0, 0).toLongLong(&ok);
        if (ok && kib >= 0)
            return kib * 1024;
        return std::nullopt;
    }
    return std::nullopt;
}

QMap<QString, QString> ParseOsRelease(const QString& text) {
    QMap<QString, QString> values;
    const QStringList lines = text.split(QLatin1Char('\n'));
    for (const QString& raw : lines) {
        const QString line = raw.trimmed();
        const qsizetype equals = line.indexOf(QLatin1Char('='));
        if (line.startsWith(QLatin1Char('#')) || equals <= 0)
            continue;
        values.insert(line.left(equals), Unquoted(line.mid(equals + 1)));
    }
    return values;
}

std::optional<qint64> ParseUptimeSeconds(const QString& text) {
    bool ok = false;
    const double seconds = text.section(QLatin1Char(' '), 0, 0).trimmed().toDouble(&ok);
    if (!ok || seconds < 0)
        return std::nullopt;
    return qint64(seconds);
}

TKernelVersion ParseKernelRelease(const QString& release) {
    static const QRegularExpression numbers(QStringLiteral("^(\\d+)(?:\\.(\\d+))?(?:\\.(\\d+))?"));
    const QRegularExpressionMatch match = numbers.match(release);
    TKernelVersion version;
    auto part = [&](int index) -> std::optional<int> {
        if (!match.hasMatch() || match.captured(index).isEmpty())
            return std::nullopt;
        return match.captured(index).toInt();
    };
    version.Major = part(1);
    version.Minor = part(2);
    version.Patch = part(3);
    return version;
}

QString OsVersionSymbol(const QMap<QString, QString>& osRelease) {
    QString id = osRelease.value(QStringLiteral("ID"));
    if (id.isEmpty())
        return QString();
    QString symbol = QStringLiteral("os");
    bool upper = true;
    for (const QChar c : id + osRelease.value(QStringLiteral("VERSION_ID"))) {
        if (!c.isLetterOrNumber()) {
            upper = true;
            continue;
        }
        symbol += upper ? c.toUpper() : c;
        upper = false;
    }
    return symbol;
}

QString ProductTypeSymbol(const QMap<QString, QString>& osRelease) {
    const QString variant = osRelease.value(QStringLiteral("VARIANT_ID")).toLower();
    return variant.contains(QLatin1String("server")) ? QStringLiteral("ptServer")
                                                     : QStringLiteral("ptWorkStation");
}

QString DomainFromResolvConf(const QString& text) {
    QString search;
    const QStringList lines = text.split(QLatin1Char('\n'));
    for (const QString& line : lines) {
        const QStringList words = line.simplified().split(QLatin1Char(' '), Qt::SkipEmptyParts);
        if (words.size() < 2)
            continue;
        if (words[0] == QLatin1String("domain"))
            return words[1];
        if (words[0] == QLatin1String("search") && search.isEmpty())
            search = words[1];
    }
    return search;
}
