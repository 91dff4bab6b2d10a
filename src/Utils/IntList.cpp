#include "Utils/IntList.h"

#include <algorithm>
#include <charconv>

namespace vrx {
namespace {

bool isBlank(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r'; }

void readLeadingInt(std::string_view piece, int& value) {
    size_t at = 0;
    while (at < piece.size() && isBlank(piece[at])) ++at;
    // from_chars takes a minus but no plus.
    if (at + 1 < piece.size() && piece[at] == '+' && piece[at + 1] != '-') ++at;
    int number = 0;
    const auto result = std::from_chars(piece.data() + at, piece.data() + piece.size(), number);
    if (result.ec == std::errc{}) value = number;
}

}  // namespace

void ParseIntList(std::string_view text, std::span<int> values) {
    size_t index = 0;
    size_t start = 0;
    while (index < values.size() && start < text.size()) {
        const size_t colon = std::min(text.find(':', start), text.size());
        if (colon > start) readLeadingInt(text.substr(start, colon - start), values[index++]);
        start = colon + 1;
    }
}

std::string JoinIntList(std::span<const int> values) {
    std::string text;
    for (size_t i = 0; i < values.size(); ++i) {
        if (i > 0) text += ':';
        text += std::to_string(values[i]);
    }
    return text;
}

}  // namespace vrx
