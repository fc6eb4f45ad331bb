#pragma once
// Whether the system's file names differ by letter case, so that the emulator, which looks a
// game up under its short name in lower case, misses a file named with capitals.

bool FileNamesMatchCase();
