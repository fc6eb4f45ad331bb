// Includes run one way: each folder of src/ may include only from folders below it in the order
// README.md gives, pure code (src/<folder>/) below all window code (src/<folder>/gui/), and main.cpp
// on top. A cycle between folders or an include that climbs fails the test. The operating system
// is known only in platform/: a test of it, a system header or a per-system file elsewhere fails.

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

// The preprocessor's names of operating systems, in the conditions that choose code by system.
const QRegularExpression kSystemTest(
    QStringLiteral("^\\s*#\\s*(?:if|ifdef|ifndef|elif)\\b.*\\b(_WIN32|_WIN64|WIN32|__linux__|__linux|"
                   "__unix__|__unix|__APPLE__|__MACH__|__FreeBSD__|__CYGWIN__|__MINGW32__|__MINGW64__|"
                   "Q_OS_[A-Z0-9_]+)\\b"));
// Headers of one system's own interface (POSIX, Windows, X11), not of the C or C++ library.
const QRegularExpression kSystemHeader(
    QStringLiteral("^(?:sys/.*|unistd\\.h|fcntl\\.h|dlfcn\\.h|pwd\\.h|signal\\.h|pthread\\.h|"
                   "ifaddrs\\.h|arpa/.*|netinet/.*|xcb/.*|X11/.*|windows\\.h|winsock2\\.h|io\\.h|"
                   "direct\\.h|process\\.h|shlobj\\.h|shobjidl\\.h)$"),
    QRegularExpression::CaseInsensitiveOption);
// The build picks Name_linux.cpp or Name_win.cpp by the system it is built on.
const QRegularExpression kSystemFile(QStringLiteral("_(?:linux|win)\\.cpp$"));

// Every test of the operating system, system header and per-system file outside src/platform/.
QStringList SystemCodeOutsidePlatform(const QString& srcRoot) {
    QStringList violations;
    const QDir root(srcRoot);
    QDirIterator files(srcRoot, {QStringLiteral("*.h"), QStringLiteral("*.cpp")}, QDir::Files,
                       QDirIterator::Subdirectories);
    while (files.hasNext()) {
        const QString path = root.relativeFilePath(files.next());
        if (path.startsWith(QLatin1String("platform/")))
            continue;
        if (kSystemFile.match(path).hasMatch())
            violations << QStringLiteral("per-system file outside platform/: %1").arg(path);
        const QStringList lines = ReadText(files.filePath()).split(QLatin1Char('\n'));
        for (qsizetype i = 0; i < lines.size(); ++i) {
            if (const auto test = kSystemTest.match(lines[i]); test.hasMatch())
                violations << QStringLiteral("system test outside platform/: %1:%2 %3")
                                  .arg(path)
                                  .arg(i + 1)
                                  .arg(test.captured(1));
            if (const auto include = kInclude.match(lines[i]);
                include.hasMatch() && kSystemHeader.match(include.captured(1)).hasMatch())
                violations << QStringLiteral("system header outside platform/: %1:%2 <%3>")
                                  .arg(path)
                                  .arg(i + 1)
                                  .arg(include.captured(1));
        }
    }
    violations.sort();
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
    void plantedSystemCodeOutsidePlatformIsCaught_data();
    void plantedSystemCodeOutsidePlatformIsCaught();
};

void TestIncludeOrder::sourceTreeFollowsTheReadmeOrder() {
    const QDir checkout(
        QDir(qEnvironmentVariable("PELLMORA_FIXTURES")).absoluteFilePath(QStringLiteral("../..")));
    const QStringList order = FolderOrder(checkout.filePath(QStringLiteral("README.md")));
    QVERIFY2(order.size() > 3, "README.md has no \"Folder order\" line");
    const FolderGraph graph = IncludeGraph(checkout.filePath(QStringLiteral("src")));
    QVERIFY(!graph.isEmpty());
    const QStringList violations = Violations(order, graph) +
                                   WindowHeadersInPureCode(checkout.filePath(QStringLiteral("src")),
                                                           QStringLiteral(PELLMORA_CORE_ONLY_DIR)) +
                                   SystemCodeOutsidePlatform(checkout.filePath(QStringLiteral("src")));
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

void TestIncludeOrder::plantedSystemCodeOutsidePlatformIsCaught_data() {
    QTest::addColumn<QString>("file");
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("portable code") << QStringLiteral("gamefiles/Names.cpp")
                                   << QByteArray("#include <cstdio>\n#if defined(__GLIBCXX__)\n#endif\n")
                                   << QStringList();
    QTest::newRow("platform/ may") << QStringLiteral("platform/Names_win.cpp")
                                   << QByteArray("#include <windows.h>\n#ifdef _WIN32\n#endif\n")
                                   << QStringList();
    QTest::newRow("platform/gui/ may") << QStringLiteral("platform/gui/Grab_linux.cpp")
                                       << QByteArray("#include <xcb/xcb.h>\n") << QStringList();
    QTest::newRow("ifdef _WIN32") << QStringLiteral("gamefiles/Names.cpp")
                                  << QByteArray("int a;\n#ifdef _WIN32\n#endif\n")
                                  << QStringList{QStringLiteral(
                                         "system test outside platform/: gamefiles/Names.cpp:2 _WIN32")};
    QTest::newRow("Qt's names in a condition")
        << QStringLiteral("emulator/gui/Run.cpp") << QByteArray("#  if !defined(X) && defined(Q_OS_LINUX)\n")
        << QStringList{QStringLiteral("system test outside platform/: emulator/gui/Run.cpp:1 Q_OS_LINUX")};
    QTest::newRow("elif and ifndef")
        << QStringLiteral("base/Files.h")
        << QByteArray("#ifndef __linux__\n#elif __APPLE__\n#endif // _WIN32\n")
        << QStringList{QStringLiteral("system test outside platform/: base/Files.h:1 __linux__"),
                       QStringLiteral("system test outside platform/: base/Files.h:2 __APPLE__")};
    QTest::newRow("system headers")
        << QStringLiteral("locate/Find.cpp") << QByteArray("#include <sys/stat.h>\n#include <Windows.h>\n")
        << QStringList{QStringLiteral("system header outside platform/: locate/Find.cpp:1 <sys/stat.h>"),
                       QStringLiteral("system header outside platform/: locate/Find.cpp:2 <Windows.h>")};
    QTest::newRow("per-system file") << QStringLiteral("gamefiles/gui/Open_win.cpp") << QByteArray("int a;\n")
                                     << QStringList{QStringLiteral(
                                            "per-system file outside platform/: gamefiles/gui/Open_win.cpp")};
}

void TestIncludeOrder::plantedSystemCodeOutsidePlatformIsCaught() {
    QFETCH(QString, file);
    QFETCH(QByteArray, text);
    QFETCH(QStringList, expected);
    QTemporaryDir src;
    QVERIFY(src.isValid());
    WriteFile(src.filePath(QStringLiteral("base/State.h")), "#include <QString>\n");
    WriteFile(src.filePath(file), text);
    QCOMPARE(SystemCodeOutsidePlatform(src.path()), expected);
}

QTEST_GUILESS_MAIN(TestIncludeOrder)
#include "tst_includeorder.moc"
