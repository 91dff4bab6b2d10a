#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace vrx {

// UTF-8, the program's text inside: encoding, decoding and checking it.

// Appends one code point (at most 0x10FFFF, no surrogate) as UTF-8.
inline void appendUtf8(std::string& out, char32_t c) {
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

// The character whose UTF-8 form starts at text[at], moving at past it. A
// byte that starts no valid form (a stray continuation byte, an overlong
// form, a surrogate, a value beyond U+10FFFF, a cut-off sequence) is one
// character of its own, U+FFFD, so every byte string reads as some text.
char32_t nextCodePoint(std::string_view text, size_t& at);

// The text with every byte that nextCodePoint reads as U+FFFD replaced by
// it: valid UTF-8, which converts to UTF-16 and back unchanged.
std::string validUtf8(std::string_view text);

// UTF-16 little endian, two bytes a unit, without a byte-order mark.
void appendUtf16Le(std::string& out, std::string_view utf8);

}  // namespace vrx
