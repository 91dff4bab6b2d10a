#include "Utils/Logger.h"

#include <algorithm>
#include <charconv>
#include <cstdio>
#include <string>

namespace vrx {
namespace {

// "Processing" of ".../src/Joystick/Processing.cpp": the compilers give the
// path as the build named it, with either kind of separator.
std::string_view sourceBaseName(std::string_view path) {
    const size_t slash = path.find_last_of("/\\");
    if (slash != std::string_view::npos) path.remove_prefix(slash + 1);
    const size_t dot = path.rfind('.');
    return dot == std::string_view::npos ? path : path.substr(0, dot);
}

}  // namespace

void Logger::writeWithPosition(LogLevel level, std::string_view message, const SourcePosition& where) {
    const std::string_view file = sourceBaseName(where.file);
    char number[16];
    const auto digits = std::to_chars(number, number + sizeof number, where.line).ptr;
    const std::string_view line(number, static_cast<size_t>(digits - number));
    const size_t length = message.size() + 2 + file.size() + 1 + line.size() + 1;

    // As with formatted lines: the stack first, so the tick path does not allocate.
    char buffer[512];
    std::string large;
    char* out = buffer;
    if (length > sizeof buffer) {
        large.resize(length);
        out = large.data();
    }
    char* end = out;
    for (const std::string_view part : {message, std::string_view(" ("), file, std::string_view("#"), line,
                                        std::string_view(")")})
        end = std::copy(part.begin(), part.end(), end);
    writeLine(level, std::string_view(out, length));
}

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
