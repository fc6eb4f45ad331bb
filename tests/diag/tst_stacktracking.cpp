// A failure's stack is the one where it was raised, named from the debug information, and
// not the stack of another failure handled meanwhile.

#include "base/AppError.h"
#include "diag/CurrentException.h"
#include "diag/StackTracking.h"

#include <QtTest>

#include <stdexcept>
#include <vector>

namespace {

Q_NEVER_INLINE void RaiseAppError() {
    throw AppError(QStringLiteral("first line\nsecond line"));
}

Q_NEVER_INLINE void RaiseRuntimeError() {
    throw std::runtime_error("runtime");
}

Q_NEVER_INLINE void RaiseFromLibrary() {
    const std::vector<int> empty;
    [[maybe_unused]] volatile int value = empty.at(3);
}

Q_NEVER_INLINE void RaiseInt() {
    throw 42;
}

Q_NEVER_INLINE void CallsRaise(void (*raise)()) {
    raise();
    asm volatile(""); // keeps this frame: no tail call
}

TExceptionReport ReportOf(void (*raise)()) {
    try {
        CallsRaise(raise);
    } catch (...) {
        return DescribeCurrentException();
    }
    return {};
}

// Where in the stack the frame naming function (and this file) is; -1 when none does.
int FrameOf(const QStringList& stack, const QString& function) {
    for (int i = 0; i < stack.size(); ++i)
        if (stack[i].contains(function) && stack[i].contains(QLatin1String("tst_stacktracking.cpp:")))
            return i;
    return -1;
}

} // namespace

class TestStackTracking : public QObject {
    Q_OBJECT
  private slots:
    void init() { StartStackTracking(); }
    void cleanup() { StopStackTracking(); }

    void stackStartsWhereTheFailureWasRaised_data() {
        QTest::addColumn<void*>("raise");
        QTest::addColumn<QString>("function");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("className");
        QTest::addColumn<int>("deepest");
        QTest::newRow("program's own failure") << reinterpret_cast<void*>(&RaiseAppError) << "RaiseAppError"
                                               << "first line\nsecond line"
                                               << "AppError" << 0;
        QTest::newRow("standard exception")
            << reinterpret_cast<void*>(&RaiseRuntimeError) << "RaiseRuntimeError"
            << "runtime"
            << "std::runtime_error" << 0;
        QTest::newRow("int") << reinterpret_cast<void*>(&RaiseInt) << "RaiseInt"
                             << "Unknown exception"
                             << "int" << 0;
        // Raised inside the C++ library: its own frames come first, then the caller's.
        QTest::newRow("raised by the library")
            << reinterpret_cast<void*>(&RaiseFromLibrary) << "RaiseFromLibrary"
            << "vector::_M_range_check: __n (which is 3) >= this->size() (which is 0)"
            << "std::out_of_range" << 3;
    }
    void stackStartsWhereTheFailureWasRaised() {
        QFETCH(void*, raise);
        QFETCH(QString, function);
        QFETCH(QString, message);
        QFETCH(QString, className);
        QFETCH(int, deepest);
        const TExceptionReport report = ReportOf(reinterpret_cast<void (*)()>(raise));
        QCOMPARE(report.Message, message);
        QCOMPARE(report.ClassName, className);
        const int frame = FrameOf(report.Stack, function);
        QVERIFY2(frame >= 0 && frame <= deepest, qPrintable(report.Stack.join(QLatin1Char('\n'))));
        QVERIFY2(FrameOf(report.Stack, QStringLiteral("CallsRaise")) == frame + 1,
                 qPrintable(report.Stack.join(QLatin1Char('\n'))));
        QVERIFY(report.Stack[frame].startsWith(QLatin1String("[0x")));
    }

    // A failure raised and handled while another is being handled leaves the first one's stack.
    void aFailureHandledMeanwhileKeepsTheFirstStack() {
        TExceptionReport report;
        try {
            RaiseAppError();
        } catch (...) {
            try {
                RaiseRuntimeError();
            } catch (const std::exception&) {
            }
            report = DescribeCurrentException();
        }
        QCOMPARE(FrameOf(report.Stack, QStringLiteral("RaiseAppError")), 0);
    }

    void noStackWhileTrackingIsOff() {
        StopStackTracking();
        QVERIFY(ReportOf(&RaiseRuntimeError).Stack.isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestStackTracking)
#include "tst_stacktracking.moc"
