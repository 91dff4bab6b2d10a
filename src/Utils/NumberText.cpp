#include "Utils/NumberText.h"

#include <charconv>
#include <cmath>

namespace vrx {
namespace {

std::string_view trimmed(std::string_view text) {
    const size_t first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) return {};
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

template <typename Number>
std::optional<Number> wholeNumber(std::string_view text) {
    text = trimmed(text);
    // from_chars takes a minus but no plus.
    if (text.size() > 1 && text[0] == '+' && text[1] != '-') text.remove_prefix(1);
    Number value{};
    const char* end = text.data() + text.size();
    const auto parsed = std::from_chars(text.data(), end, value);
    if (text.empty() || parsed.ec != std::errc{} || parsed.ptr != end) return std::nullopt;
    return value;
}

}  // namespace

std::optional<int> parseInteger(std::string_view text) { return wholeNumber<int>(text); }

std::optional<double> parseNumber(std::string_view text) {
    // from_chars reads "inf" and "nan" too; no box wants them.
    const std::optional<double> value = wholeNumber<double>(text);
    return value && std::isfinite(*value) ? value : std::nullopt;
}

}  // namespace vrx
