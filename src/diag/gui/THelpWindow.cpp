#include "diag/gui/THelpWindow.h"

#include "diag/HelpTopics.h"
#include "diag/gui/ProgramIcon.h"

#include <QAction>
#include <QCoreApplication>
#include <QTextBrowser>
#include <QToolBar>
#include <QUrl>
#include <QVBoxLayout>

// Resources of a static library are registered by name, outside any namespace.
static void RegisterHelpResource() {
    Q_INIT_RESOURCE(help);
}

THelpWindow::THelpWindow(QWidget* parent) : QWidget(parent, Qt::Window) {
    RegisterHelpResource();
    setObjectName(QStringLiteral("HelpWindow"));
    setWindowTitle(QCoreApplication::translate("Help", "Pellmora Help"));
    setWindowIcon(PellmoraIcon());
    resize(760, 580);

    Browser = new QTextBrowser(this);
    Browser->setObjectName(QStringLiteral("Browser"));
    Browser->setOpenExternalLinks(false);
    Browser->document()->setDocumentMargin(12);
    Browser->document()->setDefaultStyleSheet(
        QStringLiteral("h1 { font-size: x-large; } h2 { font-size: large; margin-top: 14px; }"
                       "th { text-align: left; } tt { font-family: monospace; }"));

    ToolBar = new QToolBar(this);
    ToolBar->setToolButtonStyle(Qt::ToolButtonTextOnly);
    QAction* contents = ToolBar->addAction(QCoreApplication::translate("Help", "Contents"), this,
                                           &THelpWindow::ShowStartPage);
    contents->setObjectName(QStringLiteral("Contents"));
    QAction* back =
        ToolBar->addAction(QCoreApplication::translate("Help", "Back"), Browser, &QTextBrowser::backward);
    back->setObjectName(QStringLiteral("Back"));
    QAction* forward =
        ToolBar->addAction(QCoreApplication::translate("Help", "Forward"), Browser, &QTextBrowser::forward);
    forward->setObjectName(QStringLiteral("Forward"));
    back->setEnabled(false);
    forward->setEnabled(false);
    connect(Browser, &QTextBrowser::backwardAvailable, back, &QAction::setEnabled);
    connect(Browser, &QTextBrowser::forwardAvailable, forward, &QAction::setEnabled);
    connect(Browser, &QTextBrowser::sourceChanged, this, [this] {
        const QString title = Browser->documentTitle();
        setWindowTitle(title.isEmpty()
                           ? QCoreApplication::translate("Help", "Pellmora Help")
                           : QCoreApplication::translate("Help", "Pellmora Help - %1").arg(title));
    });

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(ToolBar);
    layout->addWidget(Browser);
}

void THelpWindow::ShowStartPage() {
    ShowPage(HelpStartPage());
}

void THelpWindow::ShowContext(int context) {
    ShowPage(HelpTopicPage(context));
}

void THelpWindow::ShowPage(const QString& page) {
    Browser->setSource(QUrl(QStringLiteral("qrc") + page));
    // The first time, over the window it helps with; afterwards where the user left it.
    if (!placed && parentWidget()) {
        placed = true;
        move(parentWidget()->window()->frameGeometry().center() - rect().center());
    }
    show();
    raise();
    activateWindow();
}
