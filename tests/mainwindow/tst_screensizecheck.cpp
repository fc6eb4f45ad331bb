#include "mainwindow/ScreenSizeCheck.h"

#include <QtTest>

class TestScreenSizeCheck : public QObject {
    Q_OBJECT
  private slots:
    void warning_data() {
        QTest::addColumn<QSize>("screen");
        QTest::addColumn<QString>("warning");
        QTest::newRow("800 x 600") << QSize(800, 600) << QString();
        QTest::newRow("1920 x 1080") << QSize(1920, 1080) << QString();
        QTest::newRow("1024 x 599") << QSize(1024, 599)
                                    << QStringLiteral("Current screen resolution is 1024 x 599\n"
                                                      "The recommended minimum size is 800 x 600");
        QTest::newRow("799 x 600") << QSize(799, 600)
                                   << QStringLiteral("Current screen resolution is 799 x 600\n"
                                                     "The recommended minimum size is 800 x 600");
    }
    void warning() {
        QFETCH(QSize, screen);
        QFETCH(QString, warning);
        QCOMPARE(ScreenSizeWarning(screen), warning);
    }
};

QTEST_GUILESS_MAIN(TestScreenSizeCheck)
#include "tst_screensizecheck.moc"
