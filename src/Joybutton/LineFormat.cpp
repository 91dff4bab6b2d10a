#include "Joybutton/LineFormat.h"

#include <bit>
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

// Most numbers of a line are key codes and small integers with a width of
// a few characters. Their padding and digits go in as copies of a fixed 16
// bytes, which take a few moves rather than two calls; what lies beyond
// them in the buffer is overwritten by the next piece.
void LineWriter::putShortNumber(const char (&digits)[16], size_t length, int width, char fill) {
    const size_t padding = width > 0 && static_cast<size_t>(width) > length ? width - length : 0;
    if (padding > sizeof digits || 2 * sizeof digits > kSize - used_)
        return putPadded(std::string_view(digits, length), width, fill);
    char* at = buffer_ + used_;
    std::memset(at, fill, sizeof digits);
    std::memcpy(at + padding, digits, sizeof digits);
    used_ += padding + length;
}

void LineWriter::put(Decimal number) {
    char digits[16]{};
    const auto end = std::to_chars(digits, digits + sizeof digits, number.value).ptr;
    putShortNumber(digits, static_cast<size_t>(end - digits), number.width, ' ');
}

void LineWriter::put(Hex number) {
    // Upper-case digits, the last one first.
    char digits[16]{};
    const size_t length = number.value == 0 ? 1 : (std::bit_width(number.value) + 3) / 4;
    uint32_t value = number.value;
    for (size_t i = length; i > 0; --i) {
        digits[i - 1] = "0123456789ABCDEF"[value & 0xF];
        value >>= 4;
    }
    putShortNumber(digits, length, number.digits, '0');
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
