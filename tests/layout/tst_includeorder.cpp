// Includes run one way: each folder of src/ may include only from folders below it in the order
// README.md gives, pure code (src/<folder>/) below all window code (src/<folder>/gui/), and main.cpp
// on top. A cycle between folders or an include that climbs fails the test.

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QMap>
#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>

namespace {

using FolderGraph = QMap<QString, QMap<QString, QStringList>>; // from -> to -> the including files

QString ReadText(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

// The folder order of README.md: the backticked names on its "Folder order" line.
QStringList FolderOrder(const QString& readme) {
    const QStringList lines = ReadText(readme).split(QLatin1Char('\n'));
    for (const QString& line : lines) {
        if (!line.startsWith(QLatin1String("Folder order")))
            continue;
        QStringList names;
        const QRegularExpression name(QStringLiteral("`([a-z]+)`"));
        for (auto it = name.globalMatch(line); it.hasNext();)
            names << it.next().captured(1);
        return names;
    }
    return {};
}

// The folder of a path under src/: "base", "base/gui", or "" for src/ itself.
QString FolderOf(const QString& relativePath) {
    const qsizetype slash = relativePath.lastIndexOf(QLatin1Char('/'));
    return slash < 0 ? QString() : relativePath.left(slash);
}

const QRegularExpression kInclude(QStringLiteral("^\\s*#\\s*include\\s*[<\"]([^\">]+)[\">]"),
                                  QRegularExpression::MultilineOption);

// Who includes whom, folder by folder, for every include naming a folder of src/ (quoted or
// in angle brackets).
FolderGraph IncludeGraph(const QString& srcRoot) {
    FolderGraph graph;
    const QDir root(srcRoot);
    QDirIterator files(srcRoot, {QStringLiteral("*.h"), QStringLiteral("*.cpp")}, QDir::Files,
                       QDirIterator::Subdirectories);
    while (files.hasNext()) {
        const QString path = root.relativeFilePath(files.next());
        const QString from = FolderOf(path);
        for (auto it = kInclude.globalMatch(ReadText(files.filePath())); it.hasNext();) {
            const QString included = it.next().captured(1);
            const QString to = FolderOf(included);
            if (to.isEmpty() || !root.exists(included.section(QLatin1Char('/'), 0, 0)))
                continue;
            if (to != from)
                graph[from][to] << path;
        }
    }
    return graph;
}

// Rank of a folder: pure folders in the given order, then their gui/ folders in the same
// order, then src/ itself; -1 for a folder the order does not name.
int Rank(const QStringList& order, const QString& folder) {
    if (folder.isEmpty())
        return 2 * int(order.size());
    const bool gui = folder.endsWith(QLatin1String("/gui"));
    const qsizetype index = order.indexOf(gui ? folder.chopped(4) : folder);
    return index < 0 ? -1 : int(index) + (gui ? int(order.size()) : 0);
}

// Folders that reach each other through includes, as "a -> b -> a" texts.
QStringList Cycles(const FolderGraph& graph) {
    QStringList cycles;
    QSet<QString> reported;
    for (auto from = graph.begin(); from != graph.end(); ++from) {
        // Breadth-first from each folder back to itself, so the shortest loop is the one shown.
        QList<QStringList> paths{{from.key()}};
        QSet<QString> seen;
        while (!paths.isEmpty()) {
            const QStringList path = paths.takeFirst();
            const auto targets = graph.value(path.last());
            for (auto to = targets.begin(); to != targets.end(); ++to) {
                if (to.key() == from.key()) {
                    QStringList members = path;
                    members.sort();
                    if (!reported.contains(members.join(QLatin1Char(','))))
                        cycles << (path + QStringList{to.key()}).join(QStringLiteral(" -> "));
                    reported.insert(members.join(QLatin1Char(',')));
                } else if (!seen.contains(to.key())) {
                    seen.insert(to.key());
                    paths.append(path + QStringList{to.key()});
                }
            }
        }
    }
    return cycles;
}

// Every include that climbs or names a folder outside the order, and every cycle.
QStringList Violations(const QStringList& order, const FolderGraph& graph) {
    QStringList violations;
    if (order.isEmpty())
        return {QStringLiteral("README.md gives no folder order")};
    for (auto from = graph.begin(); from != graph.end(); ++from) {
        for (auto to = from.value().begin(); to != from.value().end(); ++to) {
            const int fromRank = Rank(order, from.key());
            const int toRank = Rank(order, to.key());
            const QString files = to.value().join(QStringLiteral(", "));
            if (fromRank < 0 || toRank < 0)
                violations << QStringLiteral("folder outside the order: %1 -> %2 (%3)")
                                  .arg(from.key(), to.key(), files);
            else if (toRank > fromRank)
                violations
                    << QStringLiteral("include climbs: %1 -> %2 (%3)").arg(from.key(), to.key(), files);
        }
    }
    for (const QString& cycle : Cycles(graph))
        violations << QStringLiteral("cycle: ") + cycle;
    return violations;
}

// Every pure file (src/<folder>/, not gui/, not main.cpp) that names a Qt Gui or Widgets
// header: those the build shadows for the core in coreOnlyDir. A header that only window code
// includes is never compiled as core code, so the build alone would let it pass.
QStringList WindowHeadersInPureCode(const QString& srcRoot, const QString& coreOnlyDir) {
    QStringList violations;
    const QDir root(srcRoot);
    const QDir coreOnly(coreOnlyDir);
    QDirIterator files(srcRoot, {QStringLiteral("*.h"), QStringLiteral("*.cpp")}, QDir::Files,
                       QDirIterator::Subdirectories);
    while (files.hasNext()) {
        const QString path = root.relativeFilePath(files.next());
        const QString folder = FolderOf(path);
        if (folder.isEmpty() || folder.endsWith(QLatin1String("/gui")))
            continue;
        for (auto it = kInclude.globalMatch(ReadText(files.filePath())); it.hasNext();) {
            const QString included = it.next().captured(1);
            if (!root.exists(included.section(QLatin1Char('/'), 0, 0)) && coreOnly.exists(included))
                violations << QStringLiteral("window header in pure code: %1 <%2>").arg(path, included);
        }
    }
    return violations;
}

QString GraphText(const FolderGraph& graph) {
    QStringList lines;
    for (auto from = graph.begin(); from != graph.end(); ++from)
        lines << (from.key().isEmpty() ? QStringLiteral("main.cpp") : from.key()) + QStringLiteral(" -> ") +
                     from.value().keys().join(QStringLiteral(", "));
    return lines.join(QLatin1Char('\n'));
}

void WriteFile(const QString& path, const QByteArray& text) {
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(text);
}

const QStringList kPlantedOrder = {QStringLiteral("base"), QStringLiteral("emulator"),
                                   QStringLiteral("gamelist")};

} // namespace

class TestIncludeOrder : public QObject {
    Q_OBJECT
  private slots:
    void sourceTreeFollowsTheReadmeOrder();
    void plantedIncludesAreCaught_data();
    void plantedIncludesAreCaught();
    void plantedWindowHeaderInPureCodeIsCaught_data();
    void plantedWindowHeaderInPureCodeIsCaught();
};

void TestIncludeOrder::sourceTreeFollowsTheReadmeOrder() {
    const QDir checkout(
        QDir(qEnvironmentVariable("PELLMORA_FIXTURES")).absoluteFilePath(QStringLiteral("../..")));
    const QStringList order = FolderOrder(checkout.filePath(QStringLiteral("README.md")));
    QVERIFY2(order.size() > 3, "README.md has no \"Folder order\" line");
    const FolderGraph graph = IncludeGraph(checkout.filePath(QStringLiteral("src")));
    QVERIFY(!graph.isEmpty());
    const QStringList violations =
        Violations(order, graph) + WindowHeadersInPureCode(checkout.filePath(QStringLiteral("src")),
                                                           QStringLiteral(PELLMORA_CORE_ONLY_DIR));
    QVERIFY2(violations.isEmpty(), qPrintable(violations.join(QLatin1Char('\n')) +
                                              QStringLiteral("\n\nGraph:\n") + GraphText(graph)));
}

void TestIncludeOrder::plantedIncludesAreCaught_data() {
    QTest::addColumn<QString>("file");
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("allowed downward includes")
        << QStringLiteral("gamelist/gui/Grid.cpp")
        << QByteArray(
               "#include \"gamelist/Model.h\"\n#include \"base/gui/Dialogs.h\"\n#include \"base/State.h\"\n")
        << QStringList();
    QTest::newRow("pure folder includes a higher one")
        << QStringLiteral("emulator/Texts.cpp") << QByteArray("#include \"gamelist/Model.h\"\n")
        << QStringList{QStringLiteral("include climbs: emulator -> gamelist (emulator/Texts.cpp)")};
    QTest::newRow("pure code includes window code of its own folder")
        << QStringLiteral("base/State.cpp") << QByteArray("  #  include \"base/gui/Dialogs.h\"\n")
        << QStringList{QStringLiteral("include climbs: base -> base/gui (base/State.cpp)"),
                       QStringLiteral("cycle: base -> base/gui -> base")};
    QTest::newRow("window code includes a higher folder's window code")
        << QStringLiteral("emulator/gui/Launcher.cpp") << QByteArray("#include \"gamelist/gui/Grid.h\"\n")
        << QStringList{
               QStringLiteral("include climbs: emulator/gui -> gamelist/gui (emulator/gui/Launcher.cpp)")};
    QTest::newRow("folder outside the order")
        << QStringLiteral("app/Old.cpp") << QByteArray("#include \"base/State.h\"\n")
        << QStringList{QStringLiteral("folder outside the order: app -> base (app/Old.cpp)")};
    QTest::newRow("angle brackets climb too")
        << QStringLiteral("emulator/Texts.cpp")
        << QByteArray("#include <gamelist/Model.h>\n#include <QString>\n")
        << QStringList{QStringLiteral("include climbs: emulator -> gamelist (emulator/Texts.cpp)")};
    QTest::newRow("cycle") << QStringLiteral("base/Loop.cpp") << QByteArray("#include \"gamelist/Model.h\"\n")
                           << QStringList{QStringLiteral("include climbs: base -> gamelist (base/Loop.cpp)"),
                                          QStringLiteral("cycle: base -> gamelist -> base")};
}

void TestIncludeOrder::plantedIncludesAreCaught() {
    QFETCH(QString, file);
    QFETCH(QByteArray, text);
    QFETCH(QStringList, expected);
    QTemporaryDir src;
    QVERIFY(src.isValid());
    // A small tree that keeps the order, then the planted file.
    WriteFile(src.filePath(QStringLiteral("base/State.h")), "#include <QString>\n");
    WriteFile(src.filePath(QStringLiteral("base/gui/Dialogs.h")), "#include \"base/State.h\"\n");
    WriteFile(src.filePath(QStringLiteral("gamelist/Model.h")), "#include \"base/State.h\"\n");
    WriteFile(src.filePath(QStringLiteral("main.cpp")), "#include \"base/gui/Dialogs.h\"\n");
    WriteFile(src.filePath(file), text);

    QCOMPARE(Violations(kPlantedOrder, IncludeGraph(src.path())), expected);
}

void TestIncludeOrder::plantedWindowHeaderInPureCodeIsCaught_data() {
    QTest::addColumn<QString>("file");
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("Qt Core only") << QStringLiteral("base/State.h") << QByteArray("#include <QString>\n")
                                  << QStringList();
    QTest::newRow("widget header in a pure header")
        << QStringLiteral("base/State.h") << QByteArray("#include <QString>\n#include <QWidget>\n")
        << QStringList{QStringLiteral("window header in pure code: base/State.h <QWidget>")};
    QTest::newRow("gui module path in a pure source")
        << QStringLiteral("gamelist/Model.cpp") << QByteArray("#  include <QtGui/QColor>\n")
        << QStringList{QStringLiteral("window header in pure code: gamelist/Model.cpp <QtGui/QColor>")};
    QTest::newRow("window code may") << QStringLiteral("base/gui/Dialogs.h")
                                     << QByteArray("#include <QWidget>\n") << QStringList();
}

void TestIncludeOrder::plantedWindowHeaderInPureCodeIsCaught() {
    QFETCH(QString, file);
    QFETCH(QByteArray, text);
    QFETCH(QStringList, expected);
    QTemporaryDir src;
    QTemporaryDir coreOnly;
    QVERIFY(src.isValid() && coreOnly.isValid());
    // The build's shadow headers, as few as the cases need.
    for (const char* header : {"QWidget", "QtWidgets/QWidget", "QtGui/QColor"})
        WriteFile(coreOnly.filePath(QLatin1String(header)), "#error\n");
    WriteFile(src.filePath(QStringLiteral("base/gui/Other.h")), "#include <QWidget>\n");
    WriteFile(src.filePath(file), text);
    QCOMPARE(WindowHeadersInPureCode(src.path(), coreOnly.path()), expected);
}

QTEST_GUILESS_MAIN(TestIncludeOrder)
#include "tst_includeorder.moc"
