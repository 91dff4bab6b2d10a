#pragma once

#include <cstdio>
#include <filesystem>
#include <string_view>

#include "Utils/Clock.h"
#include "Utils/Logger.h"

namespace vrx {

// The log file: UTF-8 with a byte-order mark, one line per call written at
// once in a single write, so the file is complete up to the last line even
// after a crash. Without an open file every call writes nothing.
class FileLogger final : public Logger {
public:
    // The clock gives the lines' time stamps.
    explicit FileLogger(const Clock& clock = systemClock()) : clock_(clock) {}
    FileLogger(const FileLogger&) = delete;
    FileLogger& operator=(const FileLogger&) = delete;
    ~FileLogger() override;

    // Creates or truncates the file; false when it cannot be created.
    bool open(const std::filesystem::path& path);
    // Writes the closing line; later calls write nothing.
    void close();

protected:
    void writeLine(LogLevel level, std::string_view message) override;

private:
    const Clock& clock_;
    std::FILE* file_ = nullptr;
};

}  // namespace vrx
