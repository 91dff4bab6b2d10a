#include "Utils/Utf8.h"

namespace vrx {
namespace {

constexpr char32_t kReplacement = 0xFFFD;

void appendUnit(std::string& out, char32_t unit) {
    out += static_cast<char>(unit & 0xFF);
    out += static_cast<char>(unit >> 8);
}

}  // namespace

char32_t nextCodePoint(std::string_view text, size_t& at) {
    const auto byte = [&text](size_t i) { return static_cast<unsigned char>(text[i]); };
    const unsigned char lead = byte(at++);
    if (lead < 0x80) return lead;
    const size_t count = lead >= 0xF0 && lead <= 0xF4 ? 4
                         : lead >= 0xE0 && lead < 0xF0 ? 3
                         : lead >= 0xC2 && lead < 0xE0 ? 2
                                                       : 0;
    const size_t start = at - 1;
    if (count == 0 || start + count > text.size()) return kReplacement;
    char32_t c = lead & (0x7F >> count);
    for (size_t i = 1; i < count; ++i) {
        if ((byte(start + i) & 0xC0) != 0x80) return kReplacement;
        c = (c << 6) | (byte(start + i) & 0x3F);
    }
    const bool overlong = (count == 3 && c < 0x800) || (count == 4 && c < 0x10000);
    if (overlong || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) return kReplacement;
    at = start + count;
    return c;
}

std::string validUtf8(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (size_t at = 0; at < text.size();) appendUtf8(out, nextCodePoint(text, at));
    return out;
}

void appendUtf16Le(std::string& out, std::string_view utf8) {
    for (size_t at = 0; at < utf8.size();) {
        const char32_t c = nextCodePoint(utf8, at);
        if (c < 0x10000) {
            appendUnit(out, c);
        } else {
            appendUnit(out, 0xD800 + ((c - 0x10000) >> 10));
            appendUnit(out, 0xDC00 + ((c - 0x10000) & 0x3FF));
        }
    }
}

}  // namespace vrx
