#pragma once
// Steering the fake emulator (tests/fake-emulator) of one test: its scenario file and the
// record of its runs both live in its working folder, the emulator folder, so tests never
// share them through the process environment.

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QList>
#include <QString>
#include <QStringList>

namespace FakeEmulator {

inline const QString ScenarioFile = QStringLiteral("fake-emulator.scenario");
inline const QString RunsFile = QStringLiteral("fake-emulator.runs");

// Links the fake emulator into folder under the given name; false when it cannot.
inline bool Install(const QString& folder, const QString& name = QStringLiteral("mame")) {
    return QFile::link(qEnvironmentVariable("PELLMORA_FAKE_EMULATOR"), QDir(folder).filePath(name));
}

// Writes the scenario of the runs in folder: "key=value" lines (see tests/fake-emulator/main.cpp).
inline bool SetScenario(const QString& folder, const QStringList& lines) {
    QFile file(QDir(folder).filePath(ScenarioFile));
    const QByteArray bytes = (lines.join(QLatin1Char('\n')) + QLatin1Char('\n')).toUtf8();
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes) == bytes.size();
}

// The arguments of every run in folder so far, oldest first.
inline QList<QStringList> Runs(const QString& folder) {
    QFile file(QDir(folder).filePath(RunsFile));
    QList<QStringList> runs;
    if (!file.open(QIODevice::ReadOnly))
        return runs;
    QList<QByteArray> lines = file.readAll().split('\n');
    lines.removeLast(); // after the last line's end
    for (const QByteArray& line : std::as_const(lines))
        runs.append(line.isEmpty() ? QStringList() : QString::fromUtf8(line).split(QLatin1Char('\t')));
    return runs;
}

} // namespace FakeEmulator
