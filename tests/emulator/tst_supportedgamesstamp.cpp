// When the supported-games list may be used again, and the note that says what made it.

#include "emulator/SupportedGamesStamp.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

using Stamp = std::optional<TSupportedGamesStamp>;
using Identity = std::optional<TFileIdentity>;
Q_DECLARE_METATYPE(Stamp)
Q_DECLARE_METATYPE(Identity)

namespace {

const TFileIdentity kExe{QStringLiteral("/usr/games/mame"), 357000000, 1700000000000};
const TFileIdentity kList{QStringLiteral("/home/u/Pellmora.GAM"), 2500000, 1700000100000};
const TSupportedGamesStamp kStamp{kExe, kList.size};

TFileIdentity Changed(TFileIdentity identity, const std::function<void(TFileIdentity&)>& change) {
    change(identity);
    return identity;
}

} // namespace

class TestSupportedGamesStamp : public QObject {
    Q_OBJECT

  private slots:
    void current_data();
    void current();
    void parse_data();
    void parse();
    void identityFollowsTheFileOnDisk();
};

void TestSupportedGamesStamp::current_data() {
    QTest::addColumn<Stamp>("stamp");
    QTest::addColumn<Identity>("executable");
    QTest::addColumn<Identity>("list");
    QTest::addColumn<bool>("current");
    QTest::newRow("same executable, whole list")
        << Stamp(kStamp) << Identity(kExe) << Identity(kList) << true;
    QTest::newRow("list touched since")
        << Stamp(kStamp) << Identity(kExe) << Identity(Changed(kList, [](auto& f) { f.modifiedMs += 5; }))
        << true;
    QTest::newRow("no note: never finished") << Stamp() << Identity(kExe) << Identity(kList) << false;
    QTest::newRow("list missing") << Stamp(kStamp) << Identity(kExe) << Identity() << false;
    QTest::newRow("list cut short") << Stamp(kStamp) << Identity(kExe)
                                    << Identity(Changed(kList, [](auto& f) { f.size -= 1; })) << false;
    QTest::newRow("executable missing") << Stamp(kStamp) << Identity() << Identity(kList) << false;
    QTest::newRow("other executable")
        << Stamp(kStamp)
        << Identity(Changed(kExe, [](auto& f) { f.path = QStringLiteral("/opt/mame/mame"); }))
        << Identity(kList) << false;
    QTest::newRow("executable rebuilt, same size")
        << Stamp(kStamp) << Identity(Changed(kExe, [](auto& f) { f.modifiedMs += 1; })) << Identity(kList)
        << false;
    QTest::newRow("executable replaced, same time")
        << Stamp(kStamp) << Identity(Changed(kExe, [](auto& f) { f.size += 1; })) << Identity(kList) << false;
}

void TestSupportedGamesStamp::current() {
    QFETCH(Stamp, stamp);
    QFETCH(Identity, executable);
    QFETCH(Identity, list);
    QFETCH(bool, current);
    QCOMPARE(SupportedGamesListIsCurrent(stamp, executable, list), current);
}

void TestSupportedGamesStamp::parse_data() {
    const QByteArray whole = StampText(kStamp);
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<Stamp>("expected");
    QTest::newRow("as written") << whole << Stamp(kStamp);
    const TSupportedGamesStamp odd{
        Changed(kExe, [](auto& f) { f.path = QStringLiteral("/m a/$ 'é'=x/mame"); }), 0};
    QTest::newRow("odd path, empty list") << StampText(odd) << Stamp(odd);
    QTest::newRow("empty") << QByteArray() << Stamp();
    QTest::newRow("cut before the last newline") << whole.chopped(1) << Stamp();
    QTest::newRow("cut after a line") << whole.left(whole.indexOf('\n') + 1) << Stamp();
    QTest::newRow("line added") << whole + "x=1\n" << Stamp();
    QTest::newRow("not a number") << QByteArray(whole).replace("size=357000000", "size=35x") << Stamp();
    QTest::newRow("negative") << QByteArray(whole).replace("list=2500000", "list=-1") << Stamp();
    QTest::newRow("no path") << QByteArray(whole).replace("/usr/games/mame", "") << Stamp();
    QTest::newRow("lines swapped") << QByteArray("size=1\nexecutable=/m\nmodified=1\nlist=1\n") << Stamp();
}

void TestSupportedGamesStamp::parse() {
    QFETCH(QByteArray, text);
    QFETCH(Stamp, expected);
    QCOMPARE(ParseStamp(text), expected);
}

void TestSupportedGamesStamp::identityFollowsTheFileOnDisk() {
    QTemporaryDir dir;
    const QString exe = dir.filePath(QStringLiteral("mame-0.251"));
    const QString link = dir.filePath(QStringLiteral("mame"));
    QFile file(exe);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("12345");
    file.close();
    QVERIFY(QFile::link(exe, link));

    const Identity before = IdentityOfFile(link);
    QVERIFY(before);
    QCOMPARE(before->path, QFileInfo(exe).canonicalFilePath());
    QCOMPARE(before->size, 5);

    QVERIFY(file.open(QIODevice::ReadWrite));
    QVERIFY(file.setFileTime(QDateTime::fromMSecsSinceEpoch(before->modifiedMs + 2000),
                             QFileDevice::FileModificationTime));
    file.close();
    QCOMPARE(IdentityOfFile(link)->modifiedMs, before->modifiedMs + 2000);

    QVERIFY(!IdentityOfFile(dir.filePath(QStringLiteral("missing"))));
    QVERIFY(!IdentityOfFile(dir.path()));
}

QTEST_GUILESS_MAIN(TestSupportedGamesStamp)
#include "tst_supportedgamesstamp.moc"
