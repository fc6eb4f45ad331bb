#include "platform/FileNameCase.h"

bool FileNamesMatchCase() {
    return true;
}
