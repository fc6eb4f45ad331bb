#include "platform/SymbolName.h"

#include <boost/core/demangle.hpp>

#include <dlfcn.h>

QString ExportedFunctionName(const void* address) {
    Dl_info info{};
    if (dladdr(address, &info) != 0 && info.dli_sname)
        return QString::fromStdString(boost::core::demangle(info.dli_sname));
    return QString();
}
