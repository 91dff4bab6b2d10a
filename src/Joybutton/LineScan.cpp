#include "Joybutton/LineScan.h"

#include <charconv>
#include <cstdint>
#include <limits>

namespace vrx {
namespace {

bool isSpace(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r'; }
bool isDigit(char c) { return c >= '0' && c <= '9'; }

int hexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

char lower(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

bool startsWithNoCase(std::string_view text, size_t at, std::string_view word) {
    if (text.size() - at < word.size()) return false;
    for (size_t i = 0; i < word.size(); ++i)
        if (lower(text[at + i]) != word[i]) return false;
    return true;
}

class Cursor {
public:
    explicit Cursor(std::string_view text) : text_(text) {}

    void skipSpace() {
        while (pos_ < text_.size() && isSpace(text_[pos_])) ++pos_;
    }
    bool atEnd() const { return pos_ >= text_.size(); }
    char peek(size_t ahead = 0) const { return pos_ + ahead < text_.size() ? text_[pos_ + ahead] : '\0'; }
    void advance(size_t n = 1) { pos_ += n; }
    size_t pos() const { return pos_; }
    std::string_view text() const { return text_; }

    // An optional sign; returns true for minus.
    bool sign() {
        const char c = peek();
        if (c == '+' || c == '-') {
            advance();
            return c == '-';
        }
        return false;
    }

private:
    std::string_view text_;
    size_t pos_ = 0;
};

bool readDecimal(Cursor& in, int& value) {
    in.skipSpace();
    const bool negative = in.sign();
    if (!isDigit(in.peek())) return false;
    // Accumulate the magnitude with saturation so that absurd digit strings
    // end at the nearest representable value instead of wrapping.
    constexpr int64_t limit = static_cast<int64_t>(std::numeric_limits<int32_t>::max()) + 1;
    int64_t magnitude = 0;
    while (isDigit(in.peek())) {
        magnitude = magnitude * 10 + (in.peek() - '0');
        if (magnitude > limit) magnitude = limit;
        in.advance();
    }
    if (negative) {
        value = static_cast<int>(-magnitude);
    } else {
        value = static_cast<int>(magnitude >= limit ? limit - 1 : magnitude);
    }
    return true;
}

bool readHex(Cursor& in, uint32_t& value) {
    in.skipSpace();
    const bool negative = in.sign();
    // "0x" is a prefix only when a hex digit follows it; otherwise the 0 is the number.
    if (in.peek() == '0' && (in.peek(1) == 'x' || in.peek(1) == 'X') && hexDigit(in.peek(2)) >= 0) in.advance(2);
    if (hexDigit(in.peek()) < 0) return false;
    uint64_t magnitude = 0;
    constexpr uint64_t limit = std::numeric_limits<uint32_t>::max();
    while (hexDigit(in.peek()) >= 0) {
        magnitude = magnitude * 16 + static_cast<uint64_t>(hexDigit(in.peek()));
        if (magnitude > limit) magnitude = limit;
        in.advance();
    }
    const auto result = static_cast<uint32_t>(magnitude);
    value = negative ? static_cast<uint32_t>(0u - result) : result;
    return true;
}

// The longest prefix that strtof would take as a decimal number (or inf/nan).
size_t realLength(std::string_view text, size_t at) {
    size_t i = at;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
    if (startsWithNoCase(text, i, "infinity")) return i + 8 - at;
    if (startsWithNoCase(text, i, "inf") || startsWithNoCase(text, i, "nan")) return i + 3 - at;
    size_t digits = 0;
    while (i < text.size() && isDigit(text[i])) ++i, ++digits;
    if (i < text.size() && text[i] == '.') {
        ++i;
        while (i < text.size() && isDigit(text[i])) ++i, ++digits;
    }
    if (digits == 0) return 0;
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        size_t j = i + 1;
        if (j < text.size() && (text[j] == '+' || text[j] == '-')) ++j;
        if (j < text.size() && isDigit(text[j])) {
            while (j < text.size() && isDigit(text[j])) ++j;
            i = j;
        }
    }
    return i - at;
}

bool readReal(Cursor& in, float& value) {
    in.skipSpace();
    const size_t length = realLength(in.text(), in.pos());
    if (length == 0) return false;
    std::string_view token = in.text().substr(in.pos(), length);
    in.advance(length);
    // from_chars takes no plus sign.
    if (token.front() == '+') token.remove_prefix(1);
    float parsed = 0.0f;
    const auto result = std::from_chars(token.data(), token.data() + token.size(), parsed);
    if (result.ec == std::errc::result_out_of_range) {
        // Like strtof: overflow gives infinity, underflow zero, both with the sign.
        const bool negative = token.front() == '-';
        const bool tiny = token.find_first_of("123456789") == std::string_view::npos ||
                          token.find("e-") != std::string_view::npos || token.find("E-") != std::string_view::npos;
        parsed = tiny ? (negative ? -0.0f : 0.0f)
                      : (negative ? -std::numeric_limits<float>::infinity() : std::numeric_limits<float>::infinity());
    } else if (result.ec != std::errc()) {
        return false;
    }
    value = parsed;
    return true;
}

}  // namespace

int scanFields(std::string_view text, std::string_view format, std::initializer_list<ScanTarget> targets) {
    Cursor in(text);
    const ScanTarget* target = targets.begin();
    int stored = 0;
    for (size_t f = 0; f < format.size(); ++f) {
        const char c = format[f];
        if (isSpace(c)) {
            in.skipSpace();
            continue;
        }
        if (c != '%') {
            if (in.peek() != c || in.atEnd()) return stored;
            in.advance();
            continue;
        }
        if (++f >= format.size() || target == targets.end()) return stored;
        bool ok = false;
        switch (format[f]) {
            case 'd': ok = target->kind() == ScanTarget::Kind::Decimal && readDecimal(in, *target->decimal()); break;
            case 'X': ok = target->kind() == ScanTarget::Kind::Hex && readHex(in, *target->hex()); break;
            case 'f': ok = target->kind() == ScanTarget::Kind::Real && readReal(in, *target->real()); break;
            default: break;
        }
        if (!ok) return stored;
        ++target;
        ++stored;
    }
    return stored;
}

int leadingInteger(std::string_view text) {
    int value = 0;
    return scanFields(text, "%d", {&value}) == 1 ? value : 0;
}

}  // namespace vrx
