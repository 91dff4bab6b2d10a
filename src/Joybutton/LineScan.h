#pragma once

#include <cstdint>
#include <initializer_list>
#include <string_view>

namespace vrx {

// One destination of scanFields: %d fills an int, %X an unsigned, %f a float.
class ScanTarget {
public:
    ScanTarget(int* value) : kind_(Kind::Decimal), int_(value) {}
    ScanTarget(uint32_t* value) : kind_(Kind::Hex), hex_(value) {}
    ScanTarget(float* value) : kind_(Kind::Real), real_(value) {}

    enum class Kind { Decimal, Hex, Real };
    Kind kind() const { return kind_; }
    int* decimal() const { return int_; }
    uint32_t* hex() const { return hex_; }
    float* real() const { return real_; }

private:
    Kind kind_;
    union {
        int* int_;
        uint32_t* hex_;
        float* real_;
    };
};

// Reads text the way the C library's sscanf reads it with the conversions
// %d, %X and %f: blanks in the format match any run of white space, other
// characters must match exactly, and reading stops at the first mismatch,
// leaving the remaining targets untouched. Unlike sscanf it never depends on
// the locale, never overflows (numbers saturate) and never reads beyond the
// view. Each conversion's type must match its target; a mismatch is a
// programming error and stops the scan. Returns the number of values stored.
int scanFields(std::string_view text, std::string_view format, std::initializer_list<ScanTarget> targets);

// The decimal number at the start of text after leading blanks, or 0.
int leadingInteger(std::string_view text);

}  // namespace vrx
