#include "platform/SymbolName.h"

QString ExportedFunctionName(const void*) {
    return QString();
}
