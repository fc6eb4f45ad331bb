// The layout of every window at the font sizes users run with: every caption, tab, label and
// list entry shows whole. Also run by CTest with QT_SCALE_FACTOR=2.

#include "base/Translations.h"
#include "diag/gui/TAboutBox.h"
#include "diag/gui/THelpWindow.h"
#include "diag/gui/TSettingsForm.h"
#include "emulator/gui/TFindDialog.h"
#include "emulator/gui/TForm2.h"
#include "gamefiles/gui/TForm4.h"
#include "gamelist/gui/TSortGrid.h"
#include "locate/gui/TForm5.h"
#include "mainwindow/gui/TForm1.h"
#include "support/ScriptedDialogs.h"
#include "support/TestEnvironment.h"
#include "support/WindowRules.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
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
        const int text = label->textFormat() == Qt::PlainText
                             ? metrics.horizontalAdvance(label->text())
                             : metrics.size(Qt::TextShowMnemonic, label->text()).width();
        return text + 2 * label->margin() + 2 * label->frameWidth() + label->indent();
    }
    if (const auto* box = qobject_cast<const QGroupBox*>(widget))
        return box->title().isEmpty() ? 0 : box->minimumSizeHint().width();
    if (const auto* button = qobject_cast<const QAbstractButton*>(widget)) {
        if (button->text().isEmpty() || qobject_cast<const QToolButton*>(widget))
            return 0;
        // A push button's size hint holds the style's smallest button width (80 pixels in
        // Fusion), which a designed "OK" button of 75 pixels is below without cutting its text.
        if (qobject_cast<const QPushButton*>(widget)) {
            const QStyle* style = button->style();
            const int icon = button->icon().isNull() ? 0 : button->iconSize().width() + 4;
            return metrics.size(Qt::TextShowMnemonic, button->text()).width() + icon +
                   style->pixelMetric(QStyle::PM_ButtonMargin, nullptr, button) +
                   2 * style->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, button);
        }
        return button->sizeHint().width();
    }
    return 0;
}

// The part of a widget its parents leave in view, in its own size: a caption past the edge
// of the frame it sits in is cut as surely as one in too small a label.
QSize SizeInView(const QWidget* widget) {
    QRect shown = widget->rect();
    for (const QWidget* w = widget; !w->isWindow() && w->parentWidget(); w = w->parentWidget())
        shown = shown.translated(w->pos()) & w->parentWidget()->rect();
    return shown.size();
}

// Names of the visible controls under root whose caption is cut, with the sizes involved.
QStringList ClippedCaptions(QWidget* root) {
    QStringList clipped;
    const auto widgets = root->findChildren<QWidget*>();
    for (QWidget* widget : widgets) {
        if (!widget->isVisible() || qobject_cast<QTabBar*>(widget->parentWidget()))
            continue;
        const int needed = CaptionWidth(widget);
        const QSize has = needed > 0 ? SizeInView(widget) : widget->size();
        const bool tooNarrow = needed > has.width();
        const bool tooLow = needed > 0 && widget->fontMetrics().height() > has.height();
        if (tooNarrow || tooLow)
            clipped << QStringLiteral("%1 (%2 needs %3 x %4, has %5 x %6)")
                           .arg(widget->objectName(), QString::fromLatin1(widget->metaObject()->className()))
                           .arg(needed)
                           .arg(widget->fontMetrics().height())
                           .arg(has.width())
                           .arg(has.height());
    }
    // A list entry wider than its list is shown cut short with an ellipsis.
    const auto lists = root->findChildren<QListWidget*>();
    for (QListWidget* list : lists) {
        if (!list->isVisible())
            continue;
        for (int row = 0; row < list->count(); ++row) {
            const int needed = list->sizeHintForIndex(list->model()->index(row, 0)).width();
            if (needed > list->viewport()->width())
                clipped << QStringLiteral("%1: \"%2\" needs %3, has %4")
                               .arg(list->objectName(), list->item(row)->text())
                               .arg(needed)
                               .arg(list->viewport()->width());
        }
    }
    return clipped;
}

// The windows the main window shows besides itself, by the name the test rows give them.
QWidget* OtherWindow(TForm1& form, const QString& name) {
    TForm2* viewer = form.Context().Form2;
    if (name == QLatin1String("text viewer"))
        return viewer;
    if (name == QLatin1String("find dialog"))
        return viewer ? viewer->findChild<TFindDialog*>() : nullptr;
    if (name == QLatin1String("status dialog"))
        return form.findChild<TForm4*>();
    if (name == QLatin1String("search dialog"))
        return form.findChild<TForm5*>();
    if (name == QLatin1String("about box"))
        return form.findChild<TAboutBox*>();
    if (name == QLatin1String("style chooser"))
        return form.findChild<TSettingsForm*>();
    if (name == QLatin1String("help window"))
        return form.findChild<THelpWindow*>();
    return nullptr;
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
    void everyOtherWindowShowsItsCaptionsWhole_data();
    void everyOtherWindowShowsItsCaptionsWhole();
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

void TestMainWindowLayout::everyOtherWindowShowsItsCaptionsWhole_data() {
    QTest::addColumn<int>("points");
    QTest::addColumn<QString>("window");
    for (int points : {9, 10, 11, 12}) {
        for (const char* window : {"text viewer", "find dialog", "status dialog", "search dialog",
                                   "about box", "style chooser", "help window"})
            QTest::addRow("%s, %d points", window, points) << points << QString::fromLatin1(window);
    }
}

void TestMainWindowLayout::everyOtherWindowShowsItsCaptionsWhole() {
    QFETCH(int, points);
    QFETCH(QString, window);
    QFont font = applicationFont;
    font.setPointSize(points);
    QApplication::setFont(font);
    TestEnvironment env;
    ScriptedDialogs dialogs;
    TForm1 form(dialogs);
    QWidget* shown = OtherWindow(form, window);
    QVERIFY(shown);
    if (window == QLatin1String("find dialog"))
        form.Context().Form2->show(); // the find box stands beside the viewer
    shown->show();
    QVERIFY(QTest::qWaitForWindowExposed(shown));
    if (auto* chooser = qobject_cast<TSettingsForm*>(shown)) {
        // The preview of the style with the longest name, beside the list that names it.
        QString longest;
        for (int row = 0; row < chooser->StyleListBox1->count(); ++row) {
            const QString name = chooser->StyleListBox1->item(row)->text();
            if (name.size() > longest.size())
                longest = name;
        }
        chooser->StyleListBox1Click(longest);
        QVERIFY(chooser->Panel1->isVisible());
        QCoreApplication::processEvents();
    }
    const QStringList clipped = ClippedCaptions(shown);
    QVERIFY2(clipped.isEmpty(), qPrintable(clipped.join(QStringLiteral("; "))));
    form.Context().Form2->close();
    shown->close();
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
