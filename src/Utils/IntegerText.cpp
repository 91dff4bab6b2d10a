#include "Utils/IntegerText.h"

#include <charconv>

namespace vrx {

std::optional<int> parseInteger(std::string_view text) {
    const size_t first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) return std::nullopt;
    const std::string_view number = text.substr(first, text.find_last_not_of(' ') + 1 - first);
    int value = 0;
    const char* end = number.data() + number.size();
    const auto [stop, error] = std::from_chars(number.data(), end, value);
    if (error != std::errc{} || stop != end) return std::nullopt;
    return value;
}

}  // namespace vrx
