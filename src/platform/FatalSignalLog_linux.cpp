#include "platform/FatalSignalLog.h"

#include <QDateTime>

#include <boost/stacktrace/safe_dump_to.hpp>

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <dlfcn.h>
#include <fcntl.h>
#include <unistd.h>

namespace {

// Everything the handler needs is made before any signal arrives: inside the handler only
// calls that are safe there (open, write, close, time, the stack walk) may run.
constexpr std::size_t TextSize = 8192;
char folderText[TextSize];
char headerText[TextSize]; // "Application: ..." and the version, each with CR LF
char pathsText[TextSize];  // the CurrentPath and UserDataPath lines
long utcOffsetSeconds = 0;
volatile sig_atomic_t handling = 0;
char alternateStack[64 * 1024];

constexpr int FatalSignals[] = {SIGSEGV, SIGABRT, SIGBUS, SIGILL, SIGFPE};

struct TWriter {
    int fd;
    void Text(const char* text) const {
        std::size_t left = std::strlen(text);
        while (left > 0) {
            const ssize_t written = write(fd, text, left);
            if (written <= 0 && errno != EINTR)
                return;
            if (written > 0) {
                text += written;
                left -= std::size_t(written);
            }
        }
    }
    void Line(const char* text) const {
        Text(text);
        Text("\r\n");
    }
};

// Decimal or hexadecimal digits of value into a buffer, zero-padded to width.
void FormatNumber(char* out, std::uintptr_t value, unsigned base, int width) {
    char digits[32];
    int count = 0;
    do {
        digits[count++] = "0123456789abcdef"[value % base];
        value /= base;
    } while (value != 0 && count < 31);
    while (count < width && count < 31)
        digits[count++] = '0';
    for (int i = 0; i < count; ++i)
        out[i] = digits[count - 1 - i];
    out[count] = '\0';
}

void Append(char* buffer, std::size_t size, const char* text) {
    const std::size_t used = std::strlen(buffer);
    std::size_t i = 0;
    for (; text[i] != '\0' && used + i + 1 < size; ++i)
        buffer[used + i] = text[i];
    buffer[used + i] = '\0';
}

void AppendNumber(char* buffer, std::size_t size, std::uintptr_t value, unsigned base, int width) {
    char digits[32];
    FormatNumber(digits, value, base, width);
    Append(buffer, size, digits);
}

// "yyyy-mm-dd" + dateTimeSeparator + "hh" + timeSeparator + "mm" + timeSeparator + "ss"
// of the local time, from the offset taken when the handler was installed.
void FormatLocalTime(char* out, std::size_t size, time_t now, const char* between,
                     const char* timeSeparator) {
    const long long local = static_cast<long long>(now) + utcOffsetSeconds;
    long long days = local / 86400;
    long long seconds = local % 86400;
    if (seconds < 0) {
        seconds += 86400;
        --days;
    }
    // Civil date from days since 1970-01-01 (Howard Hinnant's algorithm).
    days += 719468;
    const long long era = (days >= 0 ? days : days - 146096) / 146097;
    const long long dayOfEra = days - era * 146097;
    const long long yearOfEra = (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
    const long long dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
    const long long monthIndex = (5 * dayOfYear + 2) / 153;
    const long long day = dayOfYear - (153 * monthIndex + 2) / 5 + 1;
    const long long month = monthIndex < 10 ? monthIndex + 3 : monthIndex - 9;
    const long long year = yearOfEra + era * 400 + (month <= 2 ? 1 : 0);
    out[0] = '\0';
    AppendNumber(out, size, std::uintptr_t(year), 10, 4);
    Append(out, size, "-");
    AppendNumber(out, size, std::uintptr_t(month), 10, 2);
    Append(out, size, "-");
    AppendNumber(out, size, std::uintptr_t(day), 10, 2);
    Append(out, size, between);
    AppendNumber(out, size, std::uintptr_t(seconds / 3600), 10, 2);
    Append(out, size, timeSeparator);
    AppendNumber(out, size, std::uintptr_t(seconds / 60 % 60), 10, 2);
    Append(out, size, timeSeparator);
    AppendNumber(out, size, std::uintptr_t(seconds % 60), 10, 2);
}

const char* SignalName(int signal) {
    switch (signal) {
    case SIGSEGV:
        return "SIGSEGV";
    case SIGABRT:
        return "SIGABRT";
    case SIGBUS:
        return "SIGBUS";
    case SIGILL:
        return "SIGILL";
    case SIGFPE:
        return "SIGFPE";
    default:
        return "signal";
    }
}

const char* SignalDescription(int signal) {
    switch (signal) {
    case SIGSEGV:
        return "segmentation fault";
    case SIGABRT:
        return "abort";
    case SIGBUS:
        return "bus error";
    case SIGILL:
        return "illegal instruction";
    case SIGFPE:
        return "floating-point error";
    default:
        return "fatal signal";
    }
}

// A new file for this second: an earlier log of the same second is kept.
int CreateLogFile(time_t now) {
    char stamp[64];
    FormatLocalTime(stamp, sizeof stamp, now, " ", ".");
    for (int counter = 1; counter <= 100; ++counter) {
        char name[TextSize + 128];
        name[0] = '\0';
        Append(name, sizeof name, folderText);
        Append(name, sizeof name, "Pellmora Exception ");
        Append(name, sizeof name, stamp);
        if (counter > 1) {
            Append(name, sizeof name, " (");
            AppendNumber(name, sizeof name, std::uintptr_t(counter), 10, 1);
            Append(name, sizeof name, ")");
        }
        Append(name, sizeof name, ".log");
        const int fd = open(name, O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
        if (fd >= 0 || errno != EEXIST)
            return fd;
    }
    return -1;
}

void WriteFrame(const TWriter& out, const void* address) {
    char line[TextSize];
    line[0] = '\0';
    Append(line, sizeof line, "[0x");
    AppendNumber(line, sizeof line, reinterpret_cast<std::uintptr_t>(address), 16, 16);
    Append(line, sizeof line, "]");
    // The module and the offset into it, so that addr2line can name the line afterwards.
    Dl_info info{};
    if (dladdr(address, &info) != 0 && info.dli_fname) {
        Append(line, sizeof line, " ");
        Append(line, sizeof line, info.dli_fname);
        Append(line, sizeof line, "+0x");
        AppendNumber(line, sizeof line,
                     reinterpret_cast<std::uintptr_t>(address) -
                         reinterpret_cast<std::uintptr_t>(info.dli_fbase),
                     16, 1);
    }
    out.Line(line);
}

void WriteLog(int signal) {
    const time_t now = time(nullptr);
    const int fd = CreateLogFile(now);
    if (fd < 0)
        return;
    const TWriter out{fd};
    out.Text(headerText);
    char stamp[64];
    FormatLocalTime(stamp, sizeof stamp, now, " ", ":");
    out.Text("Log Created = ");
    out.Line(stamp);
    out.Text(pathsText);
    char message[128];
    message[0] = '\0';
    Append(message, sizeof message, "Exception Message = Fatal signal ");
    AppendNumber(message, sizeof message, std::uintptr_t(signal), 10, 1);
    Append(message, sizeof message, " (");
    Append(message, sizeof message, SignalDescription(signal));
    Append(message, sizeof message, ")");
    out.Line(message);
    out.Text("Exception Class Name = ");
    out.Line(SignalName(signal));
    out.Line("");
    out.Line("STACK DUMP:");
    void* frames[128] = {};
    const std::size_t count = boost::stacktrace::safe_dump_to(0, frames, sizeof frames);
    for (std::size_t i = 0; i < count && frames[i]; ++i)
        WriteFrame(out, frames[i]);
    out.Line("");
    out.Line("EOF");
    close(fd);
}

void OnFatalSignal(int signal, siginfo_t*, void*) {
    if (!handling) {
        handling = 1;
        const int savedErrno = errno;
        WriteLog(signal);
        errno = savedErrno;
    }
    // The handler was reset on entry: the signal now ends the program as it would have.
    std::signal(signal, SIG_DFL);
    raise(signal);
}

void CopyText(char* buffer, const QString& text) {
    const QByteArray bytes = text.toLocal8Bit();
    const std::size_t size = std::min<std::size_t>(std::size_t(bytes.size()), TextSize - 1);
    std::memcpy(buffer, bytes.constData(), size);
    buffer[size] = '\0';
}

} // namespace

void InstallFatalSignalLog(const TFatalSignalLogSetup& setup) {
    CopyText(folderText, setup.Folder);
    CopyText(headerText, QStringLiteral("Application: ") + setup.Title + QStringLiteral("\r\n") +
                             setup.Version + QStringLiteral("\r\n"));
    CopyText(pathsText, QStringLiteral("CurrentPath = ") + setup.CurrentPath +
                            QStringLiteral("\r\nUserDataPath = ") + setup.UserDataPath +
                            QStringLiteral("\r\n"));
    utcOffsetSeconds = QDateTime::currentDateTime().offsetFromUtc();

    // A stack overflow leaves no stack to run the handler on: give it one of its own.
    stack_t alternate{};
    alternate.ss_sp = alternateStack;
    alternate.ss_size = sizeof alternateStack;
    sigaltstack(&alternate, nullptr);

    struct sigaction action {};
    action.sa_sigaction = OnFatalSignal;
    action.sa_flags = SA_SIGINFO | SA_ONSTACK | SA_RESETHAND;
    sigemptyset(&action.sa_mask);
    for (const int signal : FatalSignals)
        sigaction(signal, &action, nullptr);
}
