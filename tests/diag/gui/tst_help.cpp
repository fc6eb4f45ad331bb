// The user guide: a page for every context number, links that lead somewhere, F1's walk to
// the nearest number, and the help window at a topic.

#include "diag/HelpTopics.h"
#include "diag/gui/ContextHelp.h"
#include "diag/gui/THelpWindow.h"
#include "support/WindowRules.h"

#include <QAction>
#include <QCheckBox>
#include <QMenu>
#include <QMenuBar>
#include <QRegularExpression>
#include <QTextBrowser>
#include <QToolBar>
#include <QtTest>

namespace {

QString PageText(const QString& page) {
    QFile file(page);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

} // namespace

class TestHelp : public QObject {
    Q_OBJECT
  private slots:
    void cleanup() { VerifyNoWindowLeftOpen(); }

    void initTestCase() {
        // The window registers the guide's resources.
        THelpWindow window;
    }

    void everyContextNumberHasItsOwnPage() {
        QCOMPARE(HelpContexts(), (QList<int>{1, 13, 30, 60, 70, 80, 90, 100, 120, 130}));
        QSet<QString> pages;
        for (const int context : HelpContexts()) {
            const QString page = HelpTopicPage(context);
            QVERIFY2(PageText(page).contains(QLatin1String("<h1>")), qPrintable(page));
            pages.insert(page);
        }
        QCOMPARE(pages.size(), HelpContexts().size());
        QVERIFY(!pages.contains(HelpStartPage()));
        QCOMPARE(HelpTopicPage(0), HelpStartPage());
        QCOMPARE(HelpTopicPage(61), HelpStartPage());
    }

    void everyLinkLeadsToAPage() {
        static const QRegularExpression link(QStringLiteral("href=\"([^\"]+)\""));
        const QStringList pages = QDir(QStringLiteral(":/help")).entryList();
        QVERIFY(pages.contains(QStringLiteral("index.html")));
        for (const QString& page : pages) {
            const QString text = PageText(QStringLiteral(":/help/") + page);
            QVERIFY2(text.contains(QLatin1String("<title>")), qPrintable(page));
            for (const QRegularExpressionMatch& match : link.globalMatch(text))
                QVERIFY2(pages.contains(match.captured(1)),
                         qPrintable(page + QLatin1String(": ") + match.captured(1)));
        }
    }

    // A control without a number takes the number of the nearest enclosing control, up to
    // its window; a window without any opens nothing.
    void controlsFallBackToTheirEnclosure() {
        QWidget window;
        window.setProperty("helpContext", 60);
        QWidget tabs(&window);
        tabs.setProperty("helpContext", 70);
        QWidget page(&tabs);
        QCheckBox mouse(&page);
        QCheckBox numbered(&page);
        numbered.setProperty("helpContext", 30);
        QWidget plain(&window);
        QCOMPARE(HelpContextFor(&mouse, nullptr), 70);
        QCOMPARE(HelpContextFor(&numbered, nullptr), 30);
        QCOMPARE(HelpContextFor(&plain, nullptr), 60);
        QCOMPARE(HelpContextFor(&window, nullptr), 60);
        QWidget otherWindow;
        QWidget inOther(&otherWindow);
        QCOMPARE(HelpContextFor(&inOther, nullptr), 0);
        QCOMPARE(HelpContextFor(nullptr, nullptr), 0);
    }

    void menuItemsFallBackToTheirParentItemThenTheWindow() {
        QWidget window;
        window.setProperty("helpContext", 60);
        QMenuBar bar(&window);
        QMenu* allGames = bar.addMenu(QStringLiteral("All Games"));
        QAction* scan = allGames->addAction(QStringLiteral("Scan for Games"));
        scan->setProperty("helpContext", 120);
        QAction* random = allGames->addAction(QStringLiteral("Play a Random Game"));
        QMenu* more = allGames->addMenu(QStringLiteral("More"));
        QAction* inner = more->addAction(QStringLiteral("Inner"));
        allGames->setActiveAction(scan);
        QCOMPARE(HelpContextFor(nullptr, allGames), 120);
        allGames->setActiveAction(random);
        QCOMPARE(HelpContextFor(nullptr, allGames), 60);
        allGames->menuAction()->setProperty("helpContext", 90);
        QCOMPARE(HelpContextFor(nullptr, allGames), 90);
        more->setActiveAction(inner);
        QCOMPARE(HelpContextFor(nullptr, more), 90);
    }

    void helpWindowOpensAtATopic() {
        THelpWindow window;
        window.ShowContext(120);
        QVERIFY(window.isVisible());
        QCOMPARE(window.Browser->source().toString(), QStringLiteral("qrc:/help/scanning.html"));
        QCOMPARE(window.windowTitle(), QStringLiteral("Pellmora Help - Scanning for games"));
        QVERIFY(window.Browser->toPlainText().contains(QLatin1String("brings the game list in line")));
        window.ShowStartPage();
        QCOMPARE(window.Browser->source().toString(), QStringLiteral("qrc:/help/index.html"));
        QAction* back = window.ToolBar->findChild<QAction*>(QStringLiteral("Back"));
        QVERIFY(back->isEnabled());
        back->trigger();
        QCOMPARE(window.Browser->source().toString(), QStringLiteral("qrc:/help/scanning.html"));
        window.close();
    }
};

QTEST_MAIN(TestHelp)
#include "tst_help.moc"
