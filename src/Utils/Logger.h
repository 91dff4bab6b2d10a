#pragma once

#include <cstdarg>
#include <string_view>

#include "Utils/PrintfFormat.h"

namespace vrx {

enum class LogLevel { Error, Info, Debug };

// The program's diagnostic log as the rest of the code sees it. Where the
// lines end up (the log file, a test's memory) is the subclass's business.
// Debug lines cost nothing while Debug logging is off: callers on the tick
// path check debugEnabled() or use debugf, which returns before formatting.
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

    void errorf(const char* format, ...) VRX_PRINTF(2, 3);
    void infof(const char* format, ...) VRX_PRINTF(2, 3);
    void debugf(const char* format, ...) VRX_PRINTF(2, 3);

protected:
    virtual void writeLine(LogLevel level, std::string_view message) = 0;

private:
    void writeFormatted(LogLevel level, const char* format, va_list args);

    bool debugEnabled_ = false;
};

// For code that must log somewhere but has no log to write to.
class NullLogger final : public Logger {
protected:
    void writeLine(LogLevel, std::string_view) override {}
};

}  // namespace vrx
