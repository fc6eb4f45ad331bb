#include "platform/ThrowHook.h"

// Not wrapped here yet (a vectored exception handler would be the way): failures are still
// handled and logged, without the stack of the place they were raised.
void SetThrowObserver(TThrowObserver) {}
