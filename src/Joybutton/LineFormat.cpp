#include "Joybutton/LineFormat.h"

#include <charconv>
#include <cmath>

namespace vrx {

void LineWriter::flush() {
    out_.append(buffer_, used_);
    used_ = 0;
}

void LineWriter::putLong(std::string_view text) {
    flush();
    out_ += text;
}

void LineWriter::putPadded(std::string_view digits, int width, char fill) {
    const size_t padding = width > 0 && static_cast<size_t>(width) > digits.size() ? width - digits.size() : 0;
    const size_t size = padding + digits.size();
    if (size > kSize - used_) {
        flush();
        if (size > kSize) {
            out_.append(padding, fill);
            out_ += digits;
            return;
        }
    }
    char* at = buffer_ + used_;
    std::memset(at, fill, padding);
    std::memcpy(at + padding, digits.data(), digits.size());
    used_ += size;
}

void LineWriter::put(Decimal number) {
    char digits[16];
    const auto end = std::to_chars(digits, digits + sizeof digits, number.value).ptr;
    putPadded(std::string_view(digits, static_cast<size_t>(end - digits)), number.width, ' ');
}

void LineWriter::put(Hex number) {
    // Upper-case digits from the last one back; every key code of a line
    // is one, so this is the most written number there is.
    char digits[8];
    char* first = digits + sizeof digits;
    uint32_t value = number.value;
    do {
        *--first = "0123456789ABCDEF"[value & 0xF];
        value >>= 4;
    } while (value != 0);
    putPadded(std::string_view(first, static_cast<size_t>(digits + sizeof digits - first)), number.digits, '0');
}

void LineWriter::put(Fixed number) {
    // printf's words for the values without digits; a float in a line is
    // never one of them unless a file put it there.
    const double value = number.value;
    if (!std::isfinite(value)) {
        const std::string_view word = std::isnan(value) ? (std::signbit(value) ? "-nan" : "nan")
                                                        : (value < 0 ? "-inf" : "inf");
        putPadded(word, number.width, ' ');
        return;
    }
    // The largest float written in full needs 39 digits before the point.
    char digits[80];
    const auto result =
        std::to_chars(digits, digits + sizeof digits, value, std::chars_format::fixed, number.precision);
    putPadded(std::string_view(digits, static_cast<size_t>(result.ptr - digits)), number.width, ' ');
}

}  // namespace vrx
