#include "diag/StackTracking.h"

#include "platform/ThrowHook.h"

#include <boost/stacktrace/safe_dump_to.hpp>

#include <atomic>
#include <cstddef>
#include <cstdlib>

namespace {

using TNativeFrame = const void*;
constexpr std::size_t MaxFrames = 64;
// Failures raised while another is in flight (a destructor or a handler that throws and
// catches its own) must not take the stack of the one being handled: remember a few.
constexpr std::size_t RememberedFailures = 8;

struct TRaisedStack {
    const void* object = nullptr;
    std::size_t count = 0;
    // One slot more for the terminating null the capture writes.
    TNativeFrame frames[MaxFrames + 1] = {};
};

std::atomic<bool> tracking{false};
thread_local TRaisedStack raised[RememberedFailures];
thread_local std::size_t raisedTotal = 0;

TStackFrames ToFrames(const TNativeFrame* frames, std::size_t count) {
    TStackFrames result;
    result.reserve(count);
    for (std::size_t i = 0; i < count; ++i)
        result.push_back(reinterpret_cast<std::uintptr_t>(frames[i]));
    return result;
}

// Runs inside the throw: no allocation, so that a failure to allocate is recorded too. The
// two innermost frames are this observer's and the throw entry's.
void RecordRaise(const void* object) noexcept {
    TRaisedStack& slot = raised[raisedTotal % RememberedFailures];
    slot.object = object;
    slot.count = boost::stacktrace::safe_dump_to(2, slot.frames, sizeof slot.frames);
    ++raisedTotal;
}

} // namespace

void StartStackTracking() {
    tracking = true;
    SetThrowObserver(&RecordRaise);
}

void StopStackTracking() {
    SetThrowObserver(nullptr);
    tracking = false;
}

TStackFrames RecordedStack(const void* exceptionObject) {
    if (!tracking || raisedTotal == 0)
        return {};
    const std::size_t kept = raisedTotal < RememberedFailures ? raisedTotal : RememberedFailures;
    // The newest record of an address is the live object's: an older one at the same place
    // belonged to an object freed before it.
    for (std::size_t back = 0; back < kept; ++back) {
        const TRaisedStack& slot = raised[(raisedTotal - 1 - back) % RememberedFailures];
        if (slot.object == exceptionObject)
            return ToFrames(slot.frames, slot.count);
    }
    if (exceptionObject)
        return {};
    const TRaisedStack& last = raised[(raisedTotal - 1) % RememberedFailures];
    return ToFrames(last.frames, last.count);
}
