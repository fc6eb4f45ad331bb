// The main window's size: the designed size is the first and the smallest, the grid and the
// output pane take the room beyond it, and the size and maximised state are remembered beside
// the position.

#include "base/IniFile.h"
#include "base/SettingsKeys.h"
#include "gamelist/gui/TSortGrid.h"
#include "mainwindow/gui/TForm1.h"
#include "support/ListWindow.h"
#include "support/WindowRules.h"

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QScreen>
#include <QScrollBar>
#include <QTabWidget>
#include <QtTest>

class TestWindowSize : public QObject {
    Q_OBJECT
  private slots:
    void cleanup() { VerifyNoWindowLeftOpen(); }
    void gridAndPaneTakeTheRoomBeyondTheDesignedSize();
    void sizeAndStateAreRemembered();
    void storedSizeBelowTheDesignedOneIsRaised();
};

void TestWindowSize::gridAndPaneTakeTheRoomBeyondTheDesignedSize() {
    ListWindow w(",Good,\"Galaga\",galaga.zip\r\n");
    const TForm1Ui& ui = w.form->Ui();
    const QSize designed = w.form->minimumSize();
    QCOMPARE(w.form->size(), designed);
    // The history columns hidden, the rows fit the grid's width as they always did.
    QVERIFY(!ui.SortGrid1->horizontalScrollBar()->isVisible());
    const QSize grid = ui.SortGrid1->size();
    const QSize tabs = ui.PageControl1->size();
    const QSize pane = ui.CreateProcessLog->size();
    const QPoint tabsAt = ui.PageControl1->pos();

    w.form->resize(designed + QSize(200, 120));
    QTRY_COMPARE(ui.SortGrid1->size(), grid + QSize(200, 120));
    QTRY_COMPARE(ui.PageControl1->pos(), tabsAt + QPoint(200, 0));
    QCOMPARE(ui.PageControl1->size(), tabs);
    QCOMPARE(ui.CreateProcessLog->size(), pane + QSize(200, 0));
    // Nothing runs off the window's bottom edge.
    QVERIFY(ui.SaveSettingsBitBtn->mapTo(w.form.get(), QPoint(0, ui.SaveSettingsBitBtn->height())).y() <=
            w.form->height());
    QCOMPARE(ui.SearchEdit->width() + ui.SearchGameBitBtn->width() + 4, grid.width() + 200);

    // Back at the designed size everything is where it was; below it the window does not go.
    w.form->resize(designed);
    QTRY_COMPARE(ui.SortGrid1->size(), grid);
    QTRY_COMPARE(ui.PageControl1->pos(), tabsAt);
    QCOMPARE(ui.CreateProcessLog->size(), pane);
    w.form->resize(designed - QSize(100, 100));
    QCOMPARE(w.form->size(), designed);
}

void TestWindowSize::sizeAndStateAreRemembered() {
    QSize designed;
    // A window's first size fits its screen's width: the test screen leaves 4 pixels.
    const QSize more(4, 60);
    {
        ListWindow w(",Good,\"Galaga\",galaga.zip\r\n");
        designed = w.form->minimumSize();
        w.form->resize(designed + more);
        w.form->close();
        QCOMPARE(w.Setting(Settings::Key::Width), designed.width() + more.width());
        QCOMPARE(w.Setting(Settings::Key::Height), designed.height() + more.height());
        QCOMPARE(w.Setting(Settings::Key::Maximised), 0);
        // The position is written as before.
        QVERIFY(w.Setting(Settings::Key::Left) != -1);
    }
    const QStringList stored{QStringLiteral("Width=%1").arg(designed.width() + more.width()),
                             QStringLiteral("Height=%1").arg(designed.height() + more.height())};
    {
        ListWindow w(",Good,\"Galaga\",galaga.zip\r\n", stored);
        QCOMPARE(w.form->size(), designed + more);
        QVERIFY(!w.form->isMaximized());
        w.form->close();
    }
    ListWindow w(",Good,\"Galaga\",galaga.zip\r\n", stored + QStringList{QStringLiteral("Maximised=1")});
    QVERIFY(w.form->isMaximized());
    w.form->close();
    // Maximised, it keeps the size it goes back to.
    QCOMPARE(w.Setting(Settings::Key::Maximised), 1);
    QCOMPARE(w.Setting(Settings::Key::Width), designed.width() + more.width());
    QCOMPARE(w.Setting(Settings::Key::Height), designed.height() + more.height());
}

void TestWindowSize::storedSizeBelowTheDesignedOneIsRaised() {
    ListWindow w(",Good,\"Galaga\",galaga.zip\r\n",
                 {QStringLiteral("Width=10"), QStringLiteral("Height=-5")});
    QCOMPARE(w.form->size(), w.form->minimumSize());
}

QTEST_MAIN(TestWindowSize)
#include "tst_windowsize.moc"
