#pragma once

#include <string>
#include <vector>

#include "Utils/Logger.h"

namespace vrx::test {

// Keeps every line in memory so tests can assert the exact texts.
class RecordingLogger final : public Logger {
public:
    struct Line {
        LogLevel level;
        std::string text;
    };

    explicit RecordingLogger(bool debug = true) { setDebugEnabled(debug); }

    std::vector<Line> lines;

    std::vector<std::string> texts(LogLevel level) const {
        std::vector<std::string> result;
        for (const auto& line : lines)
            if (line.level == level) result.push_back(line.text);
        return result;
    }
    bool contains(LogLevel level, const std::string& text) const {
        for (const auto& line : lines)
            if (line.level == level && line.text == text) return true;
        return false;
    }

protected:
    void writeLine(LogLevel level, std::string_view message) override {
        lines.push_back({level, std::string(message)});
    }
};

}  // namespace vrx::test
