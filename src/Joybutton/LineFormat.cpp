#include "Joybutton/LineFormat.h"

#include <algorithm>
#include <charconv>
#include <cmath>

namespace vrx {
namespace {

// Widths are a few characters, so the padding goes in one by one.
void appendPadded(std::string& out, std::string_view digits, int width, char fill) {
    for (int n = static_cast<int>(digits.size()); n < width; ++n) out += fill;
    out += digits;
}

}  // namespace

void appendPiece(std::string& out, std::string_view text) { out += text; }

void appendPiece(std::string& out, Decimal number) {
    char digits[16];
    const auto end = std::to_chars(digits, digits + sizeof digits, number.value).ptr;
    appendPadded(out, std::string_view(digits, static_cast<size_t>(end - digits)), number.width, ' ');
}

void appendPiece(std::string& out, Hex number) {
    char digits[16];
    const auto end = std::to_chars(digits, digits + sizeof digits, number.value, 16).ptr;
    std::transform(digits, end, digits, [](char c) { return c >= 'a' ? static_cast<char>(c - 'a' + 'A') : c; });
    appendPadded(out, std::string_view(digits, static_cast<size_t>(end - digits)), number.digits, '0');
}

void appendPiece(std::string& out, Fixed number) {
    // printf's words for the values without digits; a float in a line is
    // never one of them unless a file put it there.
    const double value = number.value;
    if (!std::isfinite(value)) {
        const std::string_view word = std::isnan(value) ? (std::signbit(value) ? "-nan" : "nan")
                                                        : (value < 0 ? "-inf" : "inf");
        appendPadded(out, word, number.width, ' ');
        return;
    }
    // The largest float written in full needs 39 digits before the point.
    char digits[80];
    const auto result =
        std::to_chars(digits, digits + sizeof digits, value, std::chars_format::fixed, number.precision);
    appendPadded(out, std::string_view(digits, static_cast<size_t>(result.ptr - digits)), number.width, ' ');
}

}  // namespace vrx
