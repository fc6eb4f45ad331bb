#include "support/WindowRules.h"

#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QTest>
#include <QTimer>
#include <QWidget>

#include <memory>

namespace {

QString Describe(const QWidget* window) {
    return QStringLiteral("%1 \"%2\" (%3)")
        .arg(QString::fromLatin1(window->metaObject()->className()), window->windowTitle(),
             window->objectName());
}

void Fail(const QString& message) {
    if (QTest::currentTestFunction())
        QTest::qFail(qPrintable(message), __FILE__, __LINE__);
    else
        qWarning("%s", qPrintable(message));
}

void Close(QWidget* window) {
    if (auto* dialog = qobject_cast<QDialog*>(window))
        dialog->done(QDialog::Rejected);
    window->hide();
}

} // namespace

void FailModalOfAnotherKind(QWidget* modal) {
    Fail(QStringLiteral("another modal window came: ") + Describe(modal));
}

void VerifyNoWindowLeftOpen() {
    const auto windows = QApplication::topLevelWidgets();
    for (QWidget* window : windows) {
        // A tool-tip of the last hover is Qt's, not the program's.
        if (!window->isVisible() || window->windowType() == Qt::ToolTip)
            continue;
        Fail(QStringLiteral("a window was left open: ") + Describe(window));
        Close(window);
    }
}

void WhenModal(const std::function<void(QWidget*)>& act, int timeoutMs) {
    auto* poll = new QTimer(qApp);
    auto clock = std::make_shared<QElapsedTimer>();
    clock->start();
    poll->setInterval(5);
    QObject::connect(poll, &QTimer::timeout, qApp, [poll, clock, act, timeoutMs] {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal && clock->elapsed() < timeoutMs)
            return;
        poll->stop();
        poll->deleteLater();
        if (!modal) {
            Fail(QStringLiteral("no modal window came within %1 ms").arg(timeoutMs));
            return;
        }
        act(modal);
        if (QApplication::activeModalWidget() == modal && modal->isVisible()) {
            Fail(QStringLiteral("the answer left the modal window open: ") + Describe(modal));
            Close(modal);
        }
    });
    poll->start();
}
