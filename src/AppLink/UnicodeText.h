#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace vrx {

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
