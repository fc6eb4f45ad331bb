#pragma once
// Acting on a real modal window from inside its own nested event loop.

#include <QApplication>
#include <QElapsedTimer>
#include <QTimer>
#include <QtTest>

#include <functional>

// Runs act once on the first modal window of type T as soon as it is up; fails the test when
// none comes within boundMs (the real emulator needs longer than the fake one).
template <typename T> void WhenModal(const std::function<void(T*)>& act, int boundMs = 5000) {
    auto* timer = new QTimer;
    auto* elapsed = new QElapsedTimer;
    elapsed->start();
    timer->setInterval(5);
    QObject::connect(timer, &QTimer::timeout, [timer, elapsed, act, boundMs] {
        T* modal = qobject_cast<T*>(QApplication::activeModalWidget());
        if (!modal && elapsed->elapsed() < boundMs)
            return;
        timer->stop();
        timer->deleteLater();
        delete elapsed;
        if (modal)
            act(modal);
        else
            QTest::qFail("the modal window never came", __FILE__, __LINE__);
    });
    timer->start();
}
