#include "diag/StackDump.h"

#include "platform/SymbolName.h"

#include <boost/stacktrace/frame.hpp>

namespace {

QString FrameLine(std::uintptr_t address) {
    QString line = QStringLiteral("[0x%1]").arg(address, 16, 16, QLatin1Char('0'));
    // A recorded address is where the call returns to, often the first byte of the next
    // line or, after a call that never returns, of the next function: look up the call.
    const boost::stacktrace::frame frame(reinterpret_cast<const void*>(address - 1));
    QString function = QString::fromStdString(frame.name());
    if (function.isEmpty())
        function = ExportedFunctionName(frame.address()); // a library without debug information
    if (!function.isEmpty())
        line += QLatin1Char(' ') + function;
    const QString file = QString::fromStdString(frame.source_file());
    if (!file.isEmpty())
        line += QStringLiteral(" (%1:%2)").arg(file).arg(frame.source_line());
    return line;
}

} // namespace

QStringList StackDumpLines(const TStackFrames& frames) {
    QStringList lines;
    for (const std::uintptr_t address : frames)
        if (address != 0)
            lines.append(FrameLine(address));
    return lines;
}
