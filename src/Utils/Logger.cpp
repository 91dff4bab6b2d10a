#include "Utils/Logger.h"

#include <cstdio>
#include <string>

namespace vrx {

void Logger::writeFormatted(LogLevel level, const char* format, va_list args) {
    // Most lines fit on the stack, so logging on the tick path does not allocate.
    char buffer[512];
    va_list copy;
    va_copy(copy, args);
    const int length = std::vsnprintf(buffer, sizeof buffer, format, args);
    if (length < 0) {
        va_end(copy);
        return;
    }
    if (static_cast<size_t>(length) < sizeof buffer) {
        writeLine(level, std::string_view(buffer, static_cast<size_t>(length)));
    } else {
        std::string large(static_cast<size_t>(length) + 1, '\0');
        std::vsnprintf(large.data(), large.size(), format, copy);
        large.pop_back();
        writeLine(level, large);
    }
    va_end(copy);
}

void Logger::errorf(const char* format, ...) {
    va_list args;
    va_start(args, format);
    writeFormatted(LogLevel::Error, format, args);
    va_end(args);
}

void Logger::infof(const char* format, ...) {
    va_list args;
    va_start(args, format);
    writeFormatted(LogLevel::Info, format, args);
    va_end(args);
}

void Logger::debugf(const char* format, ...) {
    if (!debugEnabled_) return;
    va_list args;
    va_start(args, format);
    writeFormatted(LogLevel::Debug, format, args);
    va_end(args);
}

}  // namespace vrx
