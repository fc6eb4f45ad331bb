#include "diag/ProgramVersion.h"
#include "diag/VersionString.h"

#include <QtTest>

Q_DECLARE_METATYPE(TProgramVersion)

class TestProgramVersion : public QObject {
    Q_OBJECT
  private slots:
    void text_data() {
        QTest::addColumn<bool>("present");
        QTest::addColumn<TProgramVersion>("version");
        QTest::addColumn<QString>("text");
        QTest::newRow("1.2.3.4") << true << TProgramVersion{1, 2, 3, 4}
                                 << QStringLiteral("Version 1.2 Release 3 Build 4");
        QTest::newRow("largest parts") << true << TProgramVersion{65535, 65535, 65535, 65535}
                                       << QStringLiteral("Version 65535.65535 Release 65535 Build 65535");
        QTest::newRow("no numbers") << false << TProgramVersion{} << QStringLiteral("No Version Information");
    }
    void text() {
        QFETCH(bool, present);
        QFETCH(TProgramVersion, version);
        QFETCH(QString, text);
        QCOMPARE(FormatVersionString(present ? std::optional(version) : std::nullopt), text);
    }

    // The build embeds the project version; the build number follows the checkout.
    void embeddedNumbersAreTheProjectVersion() {
        const std::optional<TProgramVersion> version = EmbeddedProgramVersion();
        QVERIFY(version);
        const QStringList project = QStringLiteral(PELLMORA_VERSION).split(QLatin1Char('.'));
        QCOMPARE(QString::number(version->Major), project.value(0));
        QCOMPARE(QString::number(version->Minor), project.value(1));
        QCOMPARE(QString::number(version->Release), project.value(2, QStringLiteral("0")));
        QCOMPARE(GetVersionString(), FormatVersionString(version));
    }
};

QTEST_GUILESS_MAIN(TestProgramVersion)
#include "tst_programversion.moc"
