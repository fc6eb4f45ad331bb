#include "platform/ReleaseFreeMemory.h"

#include <malloc.h>

void ReleaseFreeMemory() {
    // The heap gives back whole free regions itself; this also merges what is left.
    _heapmin();
}
