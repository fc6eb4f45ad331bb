#pragma once
// Rules for tests that show windows: no window outlives its test, and a real modal window is
// answered as soon as it is up, within a bound, never by waiting a fixed time.

#include <functional>

class QWidget;

void FailModalOfAnotherKind(QWidget* modal);

// For a test's cleanup(): fails the running test for every top-level window still shown (a
// leaked box, a form nobody closed), naming it, and hides it so the next test starts clean.
void VerifyNoWindowLeftOpen();

// Runs act once on the application's modal window as soon as one is up. When none comes
// within timeoutMs the test fails. When act leaves the window open (a key it ignores, a
// button that does nothing) the test fails too and the window is closed, so a missing
// answer costs seconds, not the suite's time limit.
void WhenModal(const std::function<void(QWidget*)>& act, int timeoutMs = 5000);

// The same for a modal window of type T; another kind of window fails the test.
template <typename T> void WhenModal(const std::function<void(T*)>& act, int timeoutMs = 5000) {
    WhenModal(
        [act](QWidget* modal) {
            if (T* window = qobject_cast<T*>(modal))
                act(window);
            else
                FailModalOfAnotherKind(modal);
        },
        timeoutMs);
}
