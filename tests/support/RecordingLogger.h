#pragma once

#include <string>
#include <vector>

#include "Utils/Logger.h"

namespace vrx::test {

// A line's text without the source position that positioned lines end in
// (" (Name.cpp#12)"), so that a test does not break when a line moves.
inline std::string withoutSourcePosition(const std::string& text) {
    const size_t open = text.rfind(" (");
    if (open == std::string::npos || text.back() != ')') return text;
    const size_t hash = text.find('#', open);
    if (hash == std::string::npos || hash + 2 >= text.size()) return text;
    for (size_t i = hash + 1; i + 1 < text.size(); ++i)
        if (text[i] < '0' || text[i] > '9') return text;
    return text.substr(0, open);
}

inline std::vector<std::string> withoutSourcePositions(std::vector<std::string> texts) {
    for (std::string& text : texts) text = withoutSourcePosition(text);
    return texts;
}

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
    std::vector<std::string> messages(LogLevel level) const { return withoutSourcePositions(texts(level)); }
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
