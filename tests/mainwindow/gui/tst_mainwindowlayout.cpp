// The main window's layout at the font sizes users run with: every caption, tab and label
// shows whole. Also run by CTest with QT_SCALE_FACTOR=2.

#include "base/Translations.h"
#include "gamelist/gui/TSortGrid.h"
#include "mainwindow/gui/TForm1.h"
#include "support/ScriptedDialogs.h"
#include "support/TestEnvironment.h"
#include "support/WindowRules.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QScreen>
#include <QStyle>
#include <QTabBar>
#include <QTabWidget>
#include <QToolButton>
#include <QtTest>

namespace {

// The room a control's caption needs, or 0 for a control whose text is not a caption
// (values the program fills in later, pictures, word-wrapped labels).
int CaptionWidth(const QWidget* widget) {
    const QFontMetrics metrics = widget->fontMetrics();
    if (const auto* label = qobject_cast<const QLabel*>(widget)) {
        if (label->wordWrap() || label->text().isEmpty())
            return 0;
        return metrics.horizontalAdvance(label->text()) + 2 * label->margin() + 2 * label->frameWidth() +
               label->indent();
    }
    if (const auto* box = qobject_cast<const QGroupBox*>(widget))
        return box->title().isEmpty() ? 0 : box->minimumSizeHint().width();
    if (const auto* button = qobject_cast<const QAbstractButton*>(widget)) {
        if (button->text().isEmpty() || qobject_cast<const QToolButton*>(widget))
            return 0;
        return button->sizeHint().width();
    }
    return 0;
}

// Names of the visible controls under root whose caption is cut, with the sizes involved.
QStringList ClippedCaptions(QWidget* root) {
    QStringList clipped;
    const auto widgets = root->findChildren<QWidget*>();
    for (QWidget* widget : widgets) {
        if (!widget->isVisible() || qobject_cast<QTabBar*>(widget->parentWidget()))
            continue;
        const int needed = CaptionWidth(widget);
        const bool tooNarrow = needed > widget->width();
        const bool tooLow = needed > 0 && widget->fontMetrics().height() > widget->height();
        if (tooNarrow || tooLow)
            clipped << QStringLiteral("%1 (%2 needs %3 x %4, has %5 x %6)")
                           .arg(widget->objectName(), QString::fromLatin1(widget->metaObject()->className()))
                           .arg(needed)
                           .arg(widget->fontMetrics().height())
                           .arg(widget->width())
                           .arg(widget->height());
    }
    return clipped;
}

} // namespace

class TestMainWindowLayout : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase();
    void init();
    void cleanup();
    void everyCaptionShowsWhole_data();
    void everyCaptionShowsWhole();
    void designedFontKeepsTheDesignedSizes();

  private:
    QFont applicationFont;
};

void TestMainWindowLayout::initTestCase() {
    // The desktop's language, as the program takes it at start (CTest runs this in German too).
    InstallTranslations(*qApp);
}

void TestMainWindowLayout::init() {
    applicationFont = QApplication::font();
}

void TestMainWindowLayout::cleanup() {
    QApplication::setFont(applicationFont);
    VerifyNoWindowLeftOpen();
}

void TestMainWindowLayout::everyCaptionShowsWhole_data() {
    QTest::addColumn<int>("points");
    for (int points : {9, 10, 11, 12})
        QTest::addRow("%d points", points) << points;
}

void TestMainWindowLayout::everyCaptionShowsWhole() {
    QFETCH(int, points);
    QFont font = applicationFont;
    font.setPointSize(points);
    QApplication::setFont(font);
    TestEnvironment env;
    env.prepareReadyStart({}, ",Good,\"Galaga\",galaga.zip\r\n");
    ScriptedDialogs dialogs;
    const QSize screen = QGuiApplication::primaryScreen()->size();
    if (screen.width() < 800 || screen.height() < 600)
        dialogs.expectMessage("Current screen resolution is ", mrOk); // a scaled test screen
    TForm1 form(dialogs);
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));

    QTabWidget* tabs = form.Ui().PageControl1;
    QTabBar* bar = tabs->tabBar();
    for (int tab = 0; tab < tabs->count(); ++tab) {
        tabs->setCurrentIndex(tab);
        QCoreApplication::processEvents();
        const QRect tabRect = bar->tabRect(tab);
        QVERIFY2(tabRect.right() < bar->width(), qPrintable(tabs->tabText(tab)));
        QVERIFY2(bar->fontMetrics().horizontalAdvance(tabs->tabText(tab)) <= tabRect.width(),
                 qPrintable(tabs->tabText(tab)));
        const QStringList clipped = ClippedCaptions(&form);
        QVERIFY2(clipped.isEmpty(),
                 qPrintable(tabs->tabText(tab) + QStringLiteral(": ") + clipped.join(QStringLiteral("; "))));
    }
    // No scroll arrows: every tab is in view at once.
    const auto arrows = bar->findChildren<QToolButton*>();
    for (const QToolButton* arrow : arrows)
        QVERIFY(!arrow->isVisible());

    QMenuBar* menus = form.Ui().MainMenu1;
    const auto menuActions = menus->actions();
    for (QAction* action : menuActions)
        QVERIFY2(menus->actionGeometry(action).right() < menus->width(), qPrintable(action->text()));
    form.close();
}

void TestMainWindowLayout::designedFontKeepsTheDesignedSizes() {
    QFont font = applicationFont;
    font.setPointSize(9);
    QApplication::setFont(font);
    TestEnvironment env;
    ScriptedDialogs dialogs;
    TForm1 form(dialogs);
    if (form.logicalDpiY() != 96)
        QSKIP("the designed sizes are for a 96 dots-per-inch screen");
    QCOMPARE(form.width(), 796);
    QCOMPARE(form.Ui().SortGrid1->size(), QSize(377, 259));
    QCOMPARE(form.Ui().PageControl1->size(), QSize(402, 289));
    QCOMPARE(form.Ui().CreateProcessLog->size(), QSize(785, 150));
}

QTEST_MAIN(TestMainWindowLayout)
#include "tst_mainwindowlayout.moc"
