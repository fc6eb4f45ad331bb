#include "platform/ReleaseFreeMemory.h"

#include <malloc.h>

void ReleaseFreeMemory() {
    malloc_trim(0);
}
