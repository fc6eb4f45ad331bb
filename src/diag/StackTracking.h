#pragma once
// Every failure raised while tracking is on records the call stack of its thread at the point
// where it was raised, so that the handler that catches it far away can still say where it
// came from.

#include <cstdint>
#include <vector>

// Code addresses, the innermost (the raising point) first.
using TStackFrames = std::vector<std::uintptr_t>;

void StartStackTracking();
void StopStackTracking();

// The stack recorded when the exception object at exceptionObject (the most derived object)
// was raised on this thread, or empty when none was. Without an object (a failure whose
// object cannot be named), the stack of the last failure raised on this thread. Empty
// while tracking is off.
TStackFrames RecordedStack(const void* exceptionObject);

// Tracking on for the life of the object: the program's whole run.
class TStackTrackingScope {
  public:
    TStackTrackingScope() { StartStackTracking(); }
    ~TStackTrackingScope() { StopStackTracking(); }
    TStackTrackingScope(const TStackTrackingScope&) = delete;
    TStackTrackingScope& operator=(const TStackTrackingScope&) = delete;
};
