#include "platform/ThrowHook.h"

#include <atomic>
#include <cstdlib>
#include <cxxabi.h>
#include <dlfcn.h>

namespace {
std::atomic<TThrowObserver> throwObserver{nullptr};
} // namespace

void SetThrowObserver(TThrowObserver observer) {
    throwObserver = observer;
}

// This executable's definition comes first in symbol lookup, so every throw, the C++
// library's own included, passes here before the runtime's.
namespace __cxxabiv1 {
extern "C" void __cxa_throw(void* object, std::type_info* type, void (*destroy)(void*)) {
    using TThrow = void (*)(void*, std::type_info*, void (*)(void*));
    static const auto runtimeThrow = reinterpret_cast<TThrow>(dlsym(RTLD_NEXT, "__cxa_throw"));
    if (const TThrowObserver observer = throwObserver.load(std::memory_order_relaxed))
        observer(object);
    if (!runtimeThrow)
        std::abort();
    runtimeThrow(object, type, destroy);
    __builtin_unreachable();
}
} // namespace __cxxabiv1
