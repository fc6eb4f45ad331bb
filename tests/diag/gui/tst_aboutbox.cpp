// The about box: its version label, the hidden debug switch, the maker's pages, the splash.

#include "diag/MakerPages.h"
#include "diag/VersionString.h"
#include "diag/gui/Splash.h"
#include "diag/gui/TAboutBox.h"
#include "support/ScriptedDialogs.h"
#include "support/WindowRules.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QPushButton>
#include <QtTest>

class TestAboutBox : public QObject {
    Q_OBJECT
  private slots:
    void cleanup() { VerifyNoWindowLeftOpen(); }

    void showsNameAndVersion() {
        ScriptedDialogs dialogs;
        bool debug = false;
        TAboutBox box(dialogs, debug);
        QCOMPARE(box.windowTitle(), QStringLiteral("About..."));
        QCOMPARE(box.Version->text(), QStringLiteral("Version ?"));
        box.show();
        QCOMPARE(box.size(), QSize(473, 221));
        QCOMPARE(box.Version->text(), GetVersionString());
        QCOMPARE(box.ProductName->text(), QStringLiteral("Pellmora"));
        QVERIFY(box.ProductName->font().bold());
        QCOMPARE(box.ProductName->font().pixelSize(), 32);
        QVERIFY(box.OKButton->isDefault());
        QVERIFY(!box.DebugLabel->isVisible());
        // Nothing on the box is cut off by its panel.
        for (const QLabel* label : box.findChildren<QLabel*>())
            QVERIFY2(label->parentWidget()->rect().contains(label->geometry()),
                     qPrintable(label->objectName()));
        QVERIFY2(box.DebugLabel->width() >= box.DebugLabel->sizeHint().width(), "Debug Mode On is clipped");
        QTest::mouseClick(box.OKButton, Qt::LeftButton);
        QVERIFY(!box.isVisible());
    }

    void doubleClickOnTheVersionTogglesDebugModeAndBeeps() {
        ScriptedDialogs dialogs;
        bool debug = false;
        TAboutBox box(dialogs, debug);
        int beeps = 0;
        box.Beep = [&] { ++beeps; };
        box.show();
        QTest::mouseDClick(box.Version, Qt::LeftButton);
        QVERIFY(debug);
        QVERIFY(box.DebugLabel->isVisible());
        QCOMPARE(box.DebugLabel->text(), QStringLiteral("Debug Mode On"));
        QTest::mouseDClick(box.Version, Qt::LeftButton);
        QVERIFY(!debug);
        QVERIFY(!box.DebugLabel->isVisible());
        QCOMPARE(beeps, 2);
        box.close();
    }

    // Debug mode switched on elsewhere: the next showing says so at once.
    void showingAgainReflectsDebugMode() {
        ScriptedDialogs dialogs;
        bool debug = false;
        TAboutBox box(dialogs, debug);
        box.show();
        box.close();
        debug = true;
        box.show();
        QVERIFY(box.DebugLabel->isVisible());
        box.close();
    }

    void labelsOpenTheMakersPages() {
        ScriptedDialogs dialogs;
        bool debug = false;
        TAboutBox box(dialogs, debug);
        box.show();
        dialogs.expectOpenUrl(MakerWebSite);
        dialogs.expectOpenUrl(MakerDonationPage);
        QTest::mouseClick(box.URLLabel, Qt::LeftButton);
        QTest::mouseClick(box.DonateLabel2, Qt::LeftButton);
        dialogs.checkAnswered();
        QCOMPARE(box.DonateLabel2->toolTip(), QStringLiteral("Click here to make a donation."));
        QCOMPARE(box.URLLabel->toolTip(), QStringLiteral("Click here to go to the website."));
        QVERIFY(QUrl(MakerWebSite).host().endsWith(QLatin1String(".example")));
        QVERIFY(QUrl(MakerDonationPage).host().endsWith(QLatin1String(".example")));
        box.close();
    }

    void splashHasNoFrameAndNoButton() {
        ScriptedDialogs dialogs;
        bool debug = false;
        TAboutBox box(dialogs, debug);
        box.MakeSplash();
        box.show();
        QVERIFY(box.windowFlags() & Qt::FramelessWindowHint);
        QVERIFY(!box.OKButton->isVisible());
        QCOMPARE(box.Version->text(), GetVersionString());
        box.close();
    }

    // However fast the windows are made, the splash stays up its whole delay, painted with the
    // version, and is gone once they are made.
    void splashStaysAtLeastItsDelay() {
        ScriptedDialogs dialogs;
        const auto splash = [] {
            for (QWidget* window : QApplication::topLevelWidgets())
                if (window->objectName() == QLatin1String("Splash"))
                    return qobject_cast<TAboutBox*>(window);
            return static_cast<TAboutBox*>(nullptr);
        };
        QElapsedTimer clock;
        clock.start();
        qint64 windowsMadeAt = -1;
        bool shownWithVersion = false;
        ShowSplashWhile(dialogs, 400, [&] {
            windowsMadeAt = clock.elapsed();
            const TAboutBox* box = splash();
            shownWithVersion = box && box->isVisible() && box->Version->text() == GetVersionString();
        });
        QVERIFY2(windowsMadeAt >= 400, qPrintable(QString::number(windowsMadeAt)));
        QVERIFY(shownWithVersion);
        QVERIFY(!splash());
    }
};

QTEST_MAIN(TestAboutBox)
#include "tst_aboutbox.moc"
