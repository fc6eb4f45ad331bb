#include "base/DateTimeText.h"
#include "base/SetConversion.h"
#include "base/SettingsKeys.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

class TestSettingsKeys : public QObject {
    Q_OBJECT

  private slots:
    void init();

    void setConversion_data();
    void setConversion();
    void startupDefaults();
    void startupValues();
    void startupValuesOutOfRange_data();
    void startupValuesOutOfRange();
    void windowSettings();
    void centredEdge();

  private:
    void WriteSettings(const QByteArray& lines);

    std::unique_ptr<QTemporaryDir> dir;
    QString userDataPath;
};

void TestSettingsKeys::init() {
    dir = std::make_unique<QTemporaryDir>();
    QVERIFY(dir->isValid());
    userDataPath = dir->path() + QLatin1Char('/');
}

void TestSettingsKeys::WriteSettings(const QByteArray& lines) {
    QFile file(userDataPath + QStringLiteral("pellmora.ini"));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("[Pellmora]\r\n" + lines);
}

void TestSettingsKeys::setConversion_data() {
    QTest::addColumn<int>("stored");
    QTest::addColumn<int>("direction");
    QTest::newRow("0 ascending") << 0 << int(sdAscending);
    QTest::newRow("1 descending") << 1 << int(sdDescending);
    QTest::newRow("257: only the low byte counts") << 257 << int(sdDescending);
    QTest::newRow("256") << 256 << int(sdAscending);
    QTest::newRow("-1 is all bits") << -1 << 255;
}

void TestSettingsKeys::setConversion() {
    QFETCH(int, stored);
    QFETCH(int, direction);
    const auto value = IntToSet<TSortDirection>(stored, 1);
    QCOMPARE(int(value), direction);
    QCOMPARE(SetToInt(value, 1), direction);
    QCOMPARE(SetToInt(value, 0), 0);
    QCOMPARE(int(IntToSet<TSortDirection>(stored, 0)), 0);
}

void TestSettingsKeys::startupDefaults() {
    WriteSettings("Left=10\r\n");
    QVERIFY(SettingsFileExists(userDataPath));
    AppState state;
    state.GSortOptions.SortDirection = sdDescending;
    QString switches = QStringLiteral("stale");
    ReadStartupSettings(SettingsFile(userDataPath), state, switches);
    QCOMPARE(state.MAMEPath, QString());
    QCOMPARE(state.nGames, -1);
    QCOMPARE(state.nFound, -1);
    QCOMPARE(state.nUnknown, -1);
    QCOMPARE(state.GameCount, 0);
    QCOMPARE(state.ImportDate, 0.0);
    QCOMPARE(state.VerifyDate, 0.0);
    QCOMPARE(state.FileDialogPath, QDir::homePath() + QLatin1Char('/'));
    QCOMPARE(state.SortColumn, 2);
    QCOMPARE(state.GSortOptions.SortDirection, sdAscending);
    QCOMPARE(state.ActivePage, 0);
    QCOMPARE(state.LastSelectedGame, QString());
    QCOMPARE(switches, QString());
}

void TestSettingsKeys::startupValues() {
    const QString date = DateTimeToStr(EncodeDateTime(QDate(2025, 1, 5), QTime(15, 4, 5)));
    WriteSettings("mamepath=/opt/mame/\r\nNGAMES=45000\r\nnFound=9\r\nnUnknown=1\r\nGameCount=500\r\n"
                  "ImportDate=" +
                  date.toUtf8() +
                  "\r\nVerifyDate=garbage\r\nFileDialogPath=/media/roms/\r\nSortColumn=3\r\n"
                  "SortDirection=257\r\nActivePage=5\r\nLastSelectedGame=Pac-Man (Midway)\r\n"
                  "CommandLineSwitches=  -window -nomax  \r\n");
    AppState state;
    QString switches;
    ReadStartupSettings(SettingsFile(userDataPath), state, switches);
    QCOMPARE(state.MAMEPath, QStringLiteral("/opt/mame/"));
    QCOMPARE(state.nGames, 45000);
    QCOMPARE(state.nFound, 9);
    QCOMPARE(state.nUnknown, 1);
    QCOMPARE(state.GameCount, 500);
    QCOMPARE(state.ImportDate, EncodeDateTime(QDate(2025, 1, 5), QTime(15, 4, 5)));
    QCOMPARE(state.VerifyDate, 0.0);
    QCOMPARE(state.FileDialogPath, QStringLiteral("/media/roms/"));
    QCOMPARE(state.SortColumn, 3);
    QCOMPARE(state.GSortOptions.SortDirection, sdDescending);
    QCOMPARE(state.ActivePage, 5);
    QCOMPARE(state.LastSelectedGame, QStringLiteral("Pac-Man (Midway)"));
    QCOMPARE(switches, QStringLiteral("-window -nomax"));
}

void TestSettingsKeys::startupValuesOutOfRange_data() {
    QTest::addColumn<QByteArray>("lines");
    QTest::addColumn<int>("sortColumn");
    QTest::addColumn<int>("direction");
    QTest::addColumn<int>("activePage");
    QTest::newRow("text") << QByteArray("SortColumn=x\r\nSortDirection=abc\r\nActivePage=y\r\n") << 2
                          << int(sdAscending) << 0;
    QTest::newRow("past the end") << QByteArray("SortColumn=7\r\nSortDirection=2\r\nActivePage=6\r\n") << 2
                                  << int(sdAscending) << 0;
    QTest::newRow("a history column")
        << QByteArray("SortColumn=6\r\nSortDirection=1\r\nActivePage=5\r\n") << 6 << int(sdDescending) << 5;
    QTest::newRow("negative") << QByteArray("SortColumn=-1\r\nSortDirection=-1\r\nActivePage=-1\r\n") << 2
                              << int(sdAscending) << 0;
    QTest::newRow("first ones") << QByteArray("SortColumn=0\r\nSortDirection=0x101\r\nActivePage=0\r\n") << 0
                                << int(sdDescending) << 0;
}

void TestSettingsKeys::startupValuesOutOfRange() {
    QFETCH(QByteArray, lines);
    QFETCH(int, sortColumn);
    QFETCH(int, direction);
    QFETCH(int, activePage);
    WriteSettings(lines);
    AppState state;
    state.GSortOptions.SortDirection = sdDescending;
    QString switches;
    ReadStartupSettings(SettingsFile(userDataPath), state, switches);
    QCOMPARE(state.SortColumn, sortColumn);
    QCOMPARE(int(state.GSortOptions.SortDirection), direction);
    QCOMPARE(state.ActivePage, activePage);
}

void TestSettingsKeys::windowSettings() {
    QVERIFY(!SettingsFileExists(userDataPath));
    TIniFile ini = SettingsFile(userDataPath);
    TWindowSettings read = ReadWindowSettings(ini, 562, 254);
    QCOMPARE(read.Left, 562);
    QCOMPARE(read.Top, 254);
    QVERIFY(!read.LeftStored && !read.TopStored);
    QCOMPARE(read.StyleName, QStringLiteral("Obsidian"));
    QCOMPARE(read.Width, 0);
    QCOMPARE(read.Height, 0);
    QVERIFY(!read.Maximised);
    QVERIFY(!SettingsFileExists(userDataPath));

    WriteWindowSettings(ini, TWindowSettings{.Left = -8,
                                             .Top = 30,
                                             .StyleName = QStringLiteral("Windows"),
                                             .Width = 1000,
                                             .Height = 700,
                                             .Maximised = true});
    QFile file(ini.FileName());
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), QByteArray("[Pellmora]\r\nLeft=-8\r\nTop=30\r\nStyleName=Windows\r\n"
                                        "Width=1000\r\nHeight=700\r\nMaximised=1\r\n"));
    read = ReadWindowSettings(ini, 562, 254);
    QCOMPARE(read.Left, -8);
    QCOMPARE(read.Top, 30);
    QVERIFY(read.LeftStored && read.TopStored);
    QCOMPARE(read.StyleName, QStringLiteral("Windows"));
    QCOMPARE(read.Width, 1000);
    QCOMPARE(read.Height, 700);
    QVERIFY(read.Maximised);

    // One of the two unreadable: that one alone takes its default.
    ini.WriteString(Settings::Section, Settings::Key::Top, QStringLiteral("high"));
    read = ReadWindowSettings(ini, 562, 254);
    QCOMPARE(read.Left, -8);
    QCOMPARE(read.Top, 254);
    QVERIFY(read.LeftStored && !read.TopStored);
}

void TestSettingsKeys::centredEdge() {
    QCOMPARE(CentredEdge(1920, 812), 554);
    QCOMPARE(CentredEdge(1921, 812), 554);
    // A window larger than the screen: rounded towards zero, not down.
    QCOMPARE(CentredEdge(800, 1025), -112);
}

QTEST_GUILESS_MAIN(TestSettingsKeys)
#include "tst_settingskeys.moc"
