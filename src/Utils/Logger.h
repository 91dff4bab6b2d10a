#pragma once

#include <cstdarg>
#include <string_view>

#include "Utils/PrintfFormat.h"

namespace vrx {

// Where a log call stands in the source. The builtins take the caller's
// file and line when they stand in a default argument; std::source_location
// would do the same, but the Clang that builds the fuzzers lacks it.
struct SourcePosition {
    const char* file;
    unsigned line;
    static constexpr SourcePosition here(const char* file = __builtin_FILE(), unsigned line = __builtin_LINE()) {
        return {file, line};
    }
};

enum class LogLevel { Error, Info, Debug };

// The program's diagnostic log as the rest of the code sees it. Where the
// lines end up (the log file, a test's memory) is the subclass's business.
// Debug lines cost nothing while Debug logging is off: debugf returns before
// formatting, and the tick path, which has hundreds of them per tick, writes
// them with VRX_DEBUGF, which does not even make the call.
//
// Messages are written as given; a text from outside (a path, a title, file
// contents) goes in as a message or as a "%s" argument, never as a format.
// The ...At variants add where they were called, " (Processing#217)", for
// failures whose cause is easier to find with the place that saw them.
class Logger {
public:
    virtual ~Logger() = default;

    bool debugEnabled() const { return debugEnabled_; }
    void setDebugEnabled(bool on) { debugEnabled_ = on; }

    void error(std::string_view message) { writeLine(LogLevel::Error, message); }
    void info(std::string_view message) { writeLine(LogLevel::Info, message); }
    void debug(std::string_view message) {
        if (debugEnabled_) writeLine(LogLevel::Debug, message);
    }

    void errorAt(std::string_view message, SourcePosition where = SourcePosition::here()) {
        writeWithPosition(LogLevel::Error, message, where);
    }
    void infoAt(std::string_view message, SourcePosition where = SourcePosition::here()) {
        writeWithPosition(LogLevel::Info, message, where);
    }
    void debugAt(std::string_view message, SourcePosition where = SourcePosition::here()) {
        if (debugEnabled_) writeWithPosition(LogLevel::Debug, message, where);
    }

    void errorf(const char* format, ...) VRX_PRINTF(2, 3);
    void infof(const char* format, ...) VRX_PRINTF(2, 3);
    void debugf(const char* format, ...) VRX_PRINTF(2, 3);

protected:
    virtual void writeLine(LogLevel level, std::string_view message) = 0;

private:
    void writeFormatted(LogLevel level, const char* format, va_list args);
    void writeWithPosition(LogLevel level, std::string_view message, const SourcePosition& where);

    bool debugEnabled_ = false;
};

// For code that must log somewhere but has no log to write to.
class NullLogger final : public Logger {
protected:
    void writeLine(LogLevel, std::string_view) override {}
};

}  // namespace vrx

// A Debug line whose arguments are not evaluated, and whose call is not made,
// while Debug logging is off. A macro, so the compiler still checks the
// arguments against the format.
#define VRX_DEBUGF(logger, ...)                   \
    do {                                          \
        if ((logger).debugEnabled()) [[unlikely]] \
            (logger).debugf(__VA_ARGS__);         \
    } while (false)
