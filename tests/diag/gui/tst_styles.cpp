// The styles: their names and order, palettes that keep every text readable (the grid's
// status colours included), a preview that leaves the program's look alone, and the
// chooser that applies and remembers a style.

#include "base/AppError.h"
#include "base/AppState.h"
#include "base/gui/ReadableColour.h"
#include "base/gui/StatusCell.h"
#include "diag/gui/Skins.h"
#include "diag/gui/StyleEngine.h"
#include "diag/gui/StylePreview.h"
#include "diag/gui/TSettingsForm.h"
#include "gamelist/ListFileCodec.h"
#include "support/WindowRules.h"

#include <QApplication>
#include <QLayout>
#include <QListWidget>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionViewItem>
#include <QtTest>

namespace {

const QStringList ExpectedNames =
    QStringLiteral(
        "Amakrits|Amethyst Kamri|Aqua Graphite|Aqua Light Slate|Auric|Carbon|Charcoal Dark Slate|"
        "Cobalt XEMedia|Cyan Dusk|Cyan Night|Emerald Light Slate|Glossy|Glow|Golden Graphite|"
        "Iceberg Classico|Lavender Classico|Light|Light Green|Lilac|Luna|Metro Black|Metro Blue|Metro Green|"
        "Metropolis UI Black|Metropolis UI Blue|Metropolis UI Dark|Metropolis UI Green|Obsidian|"
        "Ruby Graphite|Sapphire Kamri|Silver|Sky|Slate Classico|Smokey Quartz Kamri|Tablet Light|TabletDark|"
        "Turquoise Gray|Windows")
        .split(QLatin1Char('|'));

// Where the entry of a style is, scrolled into view.
QPoint ItemAt(QListWidget* list, const QString& name) {
    QListWidgetItem* item = list->findItems(name, Qt::MatchExactly).value(0);
    list->scrollToItem(item);
    return list->visualItemRect(item).center();
}

} // namespace

class TestStyles : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase() { RememberDesktopStyle(); }
    void cleanup() {
        SetCurrentStyle(DesktopStyleName);
        VerifyNoWindowLeftOpen();
    }

    void namesInTheListOrder() { QCOMPARE(StyleNames(), ExpectedNames); }

    void namesMatchIgnoringCase() {
        QCOMPARE(KnownStyleName(QStringLiteral("cyan night")).value_or(QString()),
                 QStringLiteral("Cyan Night"));
        QCOMPARE(KnownStyleName(QStringLiteral("WINDOWS")).value_or(QString()), QStringLiteral("Windows"));
        QVERIFY(!KnownStyleName(QStringLiteral("Cyan")));
    }

    // Every text of every carried look stands out from its ground, switched off texts too,
    // and each status colour of the grid carries its text on a normal and a current row.
    void everyStyleIsReadable_data() {
        QTest::addColumn<QString>("name");
        for (const QString& name : ExpectedNames)
            if (name != DesktopStyleName)
                QTest::newRow(qPrintable(name)) << name;
    }
    void everyStyleIsReadable() {
        QFETCH(QString, name);
        const QPalette palette = *SkinPalette(name);
        const std::pair<QPalette::ColorRole, QPalette::ColorRole> pairs[] = {
            {QPalette::WindowText, QPalette::Window},
            {QPalette::Text, QPalette::Base},
            {QPalette::Text, QPalette::AlternateBase},
            {QPalette::ButtonText, QPalette::Button},
            {QPalette::HighlightedText, QPalette::Highlight},
            {QPalette::ToolTipText, QPalette::ToolTipBase},
            {QPalette::Link, QPalette::Base}};
        for (const auto& [text, ground] : pairs) {
            const double ratio =
                ContrastRatio(palette.color(QPalette::Active, text), palette.color(QPalette::Active, ground));
            const double needed = text == QPalette::Link ? 3.0 : 4.5;
            QVERIFY2(ratio >= needed,
                     qPrintable(QStringLiteral("role %1 on %2: %3").arg(text).arg(ground).arg(ratio)));
        }
        for (const auto& [text, ground] : {std::pair{QPalette::WindowText, QPalette::Window},
                                           std::pair{QPalette::ButtonText, QPalette::Button}}) {
            const double ratio = ContrastRatio(palette.color(QPalette::Disabled, text),
                                               palette.color(QPalette::Disabled, ground));
            QVERIFY2(ratio >= 1.8, qPrintable(QStringLiteral("disabled role %1: %2").arg(text).arg(ratio)));
        }
        for (const QColor fill : {QColor(0, 134, 67), QColor(255, 99, 99), QColor(205, 205, 68)})
            for (const QPalette::ColorRole role : {QPalette::Text, QPalette::HighlightedText})
                QVERIFY(ContrastRatio(ReadableTextColour(fill, palette.color(role)), fill) >= 3.0);
    }

    void readableTextKeepsTheGridsColourWhenItReads() {
        QCOMPARE(ReadableTextColour(QColor(0, 134, 67), Qt::black), QColor(Qt::black));
        QCOMPARE(ReadableTextColour(QColor(0, 134, 67), Qt::white), QColor(Qt::white));
        QCOMPARE(ReadableTextColour(QColor(205, 205, 68), Qt::white), QColor(Qt::black));
        QCOMPARE(ReadableTextColour(QColor(255, 99, 99), QColor(0xe0, 0xe0, 0xe0)), QColor(Qt::black));
    }

    // The grid draws a status on its fixed colour: in a dark style, and on the current row of
    // any, the grid's own light text colour would vanish on yellow and light red.
    void statusCellTextReadsOnItsColour_data() {
        QTest::addColumn<QString>("status");
        QTest::addColumn<bool>("selected");
        QTest::addColumn<bool>("darkText");
        QTest::newRow("? on the current row") << "?" << true << true;
        QTest::newRow("Bad") << "Bad" << false << true;
        QTest::newRow("Good keeps the light text") << "Good" << false << false;
    }
    void statusCellTextReadsOnItsColour() {
        QFETCH(QString, status);
        QFETCH(bool, selected);
        QFETCH(bool, darkText);
        QImage cell(40, 18, QImage::Format_RGB32);
        QStyleOptionViewItem option;
        option.rect = cell.rect();
        option.palette = *SkinPalette(QStringLiteral("Obsidian"));
        option.state = selected ? QStyle::State_Selected : QStyle::State_None;
        const QColor fill = StatusFillColour(StatusOfText(status));
        QPainter painter(&cell);
        PaintStatusCell(&painter, option, fill, status);
        painter.end();
        // The text's strokes are its darkest and lightest pixels.
        int darkest = 255, lightest = 0;
        for (int y = 0; y < cell.height(); ++y)
            for (int x = 0; x < cell.width(); ++x) {
                darkest = qMin(darkest, cell.pixelColor(x, y).lightness());
                lightest = qMax(lightest, cell.pixelColor(x, y).lightness());
            }
        if (darkText) {
            QVERIFY2(darkest < 60, qPrintable(QString::number(darkest)));
            QVERIFY(lightest <= fill.lightness() + 2);
        } else {
            QVERIFY2(lightest > 200, qPrintable(QString::number(lightest)));
        }
    }

    void applyingAStyleChangesTheWholeProgram() {
        QWidget window;
        QCOMPARE(SetCurrentStyle(QStringLiteral("ruby graphite")), QStringLiteral("Ruby Graphite"));
        QCOMPARE(CurrentStyleName(), QStringLiteral("Ruby Graphite"));
        QTRY_COMPARE(window.palette().color(QPalette::Window), QColor(0x302b2c));
        QCOMPARE(window.style()->name(), QStringLiteral("fusion"));
        SetCurrentStyle(DesktopStyleName);
        QTRY_COMPARE(window.palette().color(QPalette::Window),
                     QApplication::style()->standardPalette().color(QPalette::Window));
    }

    void unknownStyleNamesTheStyle() {
        try {
            SetCurrentStyle(QStringLiteral("Neon"));
            QFAIL("no error");
        } catch (const AppError& error) {
            QCOMPARE(error.message(), QStringLiteral("Style 'Neon' not found."));
        }
        QCOMPARE(CurrentStyleName(), QStringLiteral("Windows"));
    }

    void previewLeavesTheProgramsLookAlone() {
        const QPalette before = QApplication::palette();
        const QString styleBefore = QApplication::style()->name();
        TStylePreview preview;
        preview.ShowStyle(QStringLiteral("Cyan Night"));
        QCOMPARE(preview.Sample()->palette().color(QPalette::Window),
                 SkinPalette(QStringLiteral("Cyan Night"))->color(QPalette::Window));
        // Every control of the sample; a pop-up (the combo box's list) is a window of its own.
        for (const QWidget* child : preview.Sample()->findChildren<QWidget*>())
            if (child->window() == preview.Sample()->window())
                QVERIFY2(child->style() == preview.Sample()->style(), child->metaObject()->className());
        preview.ShowStyle(QStringLiteral("Light"));
        QCOMPARE(preview.Sample()->palette().color(QPalette::Base), QColor(Qt::white));
        QCOMPARE(QApplication::palette(), before);
        QCOMPARE(QApplication::style()->name(), styleBefore);
        QVERIFY_THROWS_EXCEPTION(AppError, preview.ShowStyle(QStringLiteral("Neon")));
        QCOMPARE(preview.StyleShown(), QStringLiteral("Light"));
    }

    void chooserPreviewsAndHidesForWindows() {
        AppState state;
        state.StyleName = QStringLiteral("obsidian");
        TSettingsForm form(state, {});
        form.show();
        QCOMPARE(form.size(), QSize(576, 321));
        QCOMPARE(form.StyleListBox1->currentItem()->text(), QStringLiteral("Obsidian"));
        QCOMPARE(form.Preview->StyleShown(), QString()); // showing selects, it does not preview

        QListWidget* list = form.StyleListBox1;
        const QPoint listPlace = list->pos();
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, ItemAt(list, QStringLiteral("Windows")));
        QVERIFY(form.Panel1->isHidden());
        form.layout()->activate();
        QCOMPARE(list->pos(), listPlace); // the list does not drift into the empty space
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, ItemAt(list, QStringLiteral("Carbon")));
        QVERIFY(!form.Panel1->isHidden());
        QCOMPARE(form.Preview->StyleShown(), QStringLiteral("Carbon"));
        QCOMPARE(CurrentStyleName(), QStringLiteral("Windows"));
        form.close();
    }

    void doubleClickAppliesAndSaves() {
        AppState state;
        state.StyleName = QStringLiteral("Obsidian");
        int saves = 0;
        QString savedName;
        TSettingsForm form(state, [&] {
            ++saves;
            savedName = state.StyleName;
        });
        form.show();
        QListWidget* list = form.StyleListBox1;
        // A double-click as the mouse makes it: a click, then the second press.
        const QPoint sky = ItemAt(list, QStringLiteral("Sky"));
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, sky);
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, sky);
        QCOMPARE(saves, 1);
        QCOMPARE(savedName, QStringLiteral("Sky"));
        QCOMPARE(CurrentStyleName(), QStringLiteral("Sky"));
        QVERIFY(form.isVisible()); // the chooser stays open
        form.close();
    }
};

QTEST_MAIN(TestStyles)
#include "tst_styles.moc"
