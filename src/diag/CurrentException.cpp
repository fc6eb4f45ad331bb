#include "diag/CurrentException.h"

#include "base/AppError.h"
#include "diag/StackDump.h"

#include <QCoreApplication>

#include <boost/core/demangle.hpp>

#include <exception>
#include <typeinfo>

#if defined(__GLIBCXX__)
#include <cxxabi.h>
#endif

namespace {

QString ReadableTypeName(const std::type_info* type) {
    if (!type)
        return QStringLiteral("unknown");
    return QString::fromStdString(boost::core::demangle(type->name()));
}

// The type of a failure that is no standard exception, where the runtime can tell it.
const std::type_info* CurrentExceptionType() {
#if defined(__GLIBCXX__)
    return abi::__cxa_current_exception_type();
#else
    return nullptr;
#endif
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
        report.Message = QCoreApplication::translate("Exceptions", "Unknown exception");
        report.ClassName = ReadableTypeName(CurrentExceptionType());
    }
    report.Stack = StackDumpLines(RecordedStack(object));
    return report;
}
