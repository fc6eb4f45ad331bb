#pragma once
// Hands the memory the program has freed back to the system. The C library keeps freed blocks
// for reuse, so without this the program stays at its peak size after a large run's output is
// gone (a million lines in the viewer is several hundred megabytes).

void ReleaseFreeMemory();
