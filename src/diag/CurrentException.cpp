#include "diag/CurrentException.h"

#include "app/AppError.h"
#include "diag/StackDump.h"

#include <cxxabi.h>

#include <cstdlib>
#include <exception>
#include <memory>
#include <typeinfo>

namespace {

QString ReadableTypeName(const std::type_info* type) {
    if (!type)
        return QStringLiteral("unknown");
    int status = 0;
    const std::unique_ptr<char, decltype(&std::free)> name(
        abi::__cxa_demangle(type->name(), nullptr, nullptr, &status), &std::free);
    return QString::fromLatin1(status == 0 && name ? name.get() : type->name());
}

} // namespace

TExceptionReport DescribeCurrentException() {
    TExceptionReport report;
    const void* object = nullptr;
    // Rethrowing the failure being handled records no new stack: only a throw does.
    try {
        throw;
    } catch (const AppError& error) {
        report.Message = error.message();
        report.ClassName = ReadableTypeName(&typeid(error));
        object = dynamic_cast<const void*>(&error);
    } catch (const std::exception& error) {
        report.Message = QString::fromLocal8Bit(error.what());
        report.ClassName = ReadableTypeName(&typeid(error));
        object = dynamic_cast<const void*>(&error);
    } catch (...) {
        report.Message = QStringLiteral("Unknown exception");
        report.ClassName = ReadableTypeName(abi::__cxa_current_exception_type());
    }
    report.Stack = StackDumpLines(RecordedStack(object));
    return report;
}
