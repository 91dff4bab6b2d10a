#include "Utils/ExpandText.h"

#include <optional>

#include "Utils/WideLetter.h"

namespace vrx {
namespace {

// The character whose UTF-8 form starts at text[at] and the number of bytes
// it takes; a byte that starts no valid form is a character of its own, U+FFFD.
char32_t decodeAt(std::string_view text, size_t at, size_t& length) {
    const auto byte = [&text](size_t i) { return static_cast<unsigned char>(text[i]); };
    const unsigned char lead = byte(at);
    length = 1;
    if (lead < 0x80) return lead;
    const size_t count = lead >= 0xF0 && lead <= 0xF4 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC2 && lead < 0xE0 ? 2 : 0;
    if (count == 0 || at + count > text.size()) return 0xFFFD;
    char32_t c = lead & (0x7F >> count);
    for (size_t i = 1; i < count; ++i) {
        if ((byte(at + i) & 0xC0) != 0x80) return 0xFFFD;
        c = (c << 6) | (byte(at + i) & 0x3F);
    }
    length = count;
    return c;
}

// The system functions write a variable into 64 characters with the
// terminator; a longer text is not one they can give.
constexpr size_t kLongestVariableText = 63;

size_t utf16Length(std::string_view utf8) {
    size_t units = 0;
    for (const char c : utf8) {
        const auto byte = static_cast<unsigned char>(c);
        if ((byte & 0xC0) != 0x80) units += byte >= 0xF0 ? 2 : 1;
    }
    return units;
}

std::optional<std::string> variableText(std::string_view name, const LocalTime& now, const DateTimeFormat& format) {
    std::optional<std::string> text;
    switch (name.front()) {
        case 'H': case 'h': case 'm': case 's': text = format.time(now, name); break;
        case 'M': case 'd': case 'y': text = format.date(now, name); break;
        default: return std::nullopt;
    }
    if (text && utf16Length(*text) > kLongestVariableText) return std::nullopt;
    return text;
}

// Where the run of letters that starts at text[from] ends.
size_t endOfLetters(std::string_view text, size_t from) {
    size_t at = from;
    while (at < text.size()) {
        size_t length = 0;
        if (!isWideLetter(decodeAt(text, at, length))) break;
        at += length;
    }
    return at;
}

}  // namespace

std::string ExpandText(std::string_view source, const Clock& clock, const DateTimeFormat& format) {
    std::string out;
    out.reserve(source.size());
    // One reading of the clock for the whole text, so "${mm}:${ss}" cannot
    // straddle a minute.
    std::optional<LocalTime> now;
    for (size_t i = 0; i < source.size();) {
        const std::string_view rest = source.substr(i);
        if (rest.starts_with("\\n")) {
            out += "\r\n";
            i += 2;
            continue;
        }
        if (rest.starts_with("${")) {
            const size_t end = endOfLetters(source, i + 2);
            if (end > i + 2 && end < source.size() && source[end] == '}') {
                if (!now) now = clock.now();
                if (const auto text = variableText(source.substr(i + 2, end - i - 2), *now, format)) {
                    out += *text;
                    i = end + 1;
                    continue;
                }
            }
        }
        out += source[i++];
    }
    return out;
}

}  // namespace vrx
