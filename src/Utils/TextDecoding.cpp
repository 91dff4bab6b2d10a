#include "Utils/TextDecoding.h"

#include <cstdint>

#include "Utils/AnsiCodePage.h"
#include "Utils/Utf8.h"

namespace vrx {
namespace {

constexpr std::string_view kUtf16LeMark = "\xFF\xFE";
constexpr std::string_view kUtf16BeMark = "\xFE\xFF";
constexpr char32_t kReplacement = 0xFFFD;

bool isHighSurrogate(char32_t unit) { return unit >= 0xD800 && unit <= 0xDBFF; }
bool isLowSurrogate(char32_t unit) { return unit >= 0xDC00 && unit <= 0xDFFF; }

std::string utf16ToUtf8(std::string_view bytes, bool bigEndian) {
    const size_t units = bytes.size() / 2;
    auto unitAt = [&](size_t i) -> char32_t {
        const auto a = static_cast<unsigned char>(bytes[2 * i]);
        const auto b = static_cast<unsigned char>(bytes[2 * i + 1]);
        return bigEndian ? (char32_t{a} << 8 | b) : (char32_t{b} << 8 | a);
    };
    std::string out;
    out.reserve(bytes.size());
    for (size_t i = 0; i < units; ++i) {
        const char32_t unit = unitAt(i);
        if (isHighSurrogate(unit) && i + 1 < units && isLowSurrogate(unitAt(i + 1))) {
            appendUtf8(out, 0x10000 + ((unit - 0xD800) << 10) + (unitAt(i + 1) - 0xDC00));
            ++i;
        } else if (isHighSurrogate(unit) || isLowSurrogate(unit)) {
            appendUtf8(out, kReplacement);
        } else {
            appendUtf8(out, unit);
        }
    }
    if (bytes.size() % 2 != 0) appendUtf8(out, kReplacement);
    return out;
}

}  // namespace

std::string decodeFileText(std::string_view bytes, const AnsiCodePage& ansi) {
    if (bytes.starts_with(kUtf8ByteOrderMark)) return std::string(bytes.substr(kUtf8ByteOrderMark.size()));
    if (bytes.starts_with(kUtf16LeMark)) return utf16ToUtf8(bytes.substr(kUtf16LeMark.size()), false);
    if (bytes.starts_with(kUtf16BeMark)) return utf16ToUtf8(bytes.substr(kUtf16BeMark.size()), true);
    return ansi.toUtf8(bytes);
}

std::string decodeFileText(std::string&& bytes, const AnsiCodePage& ansi) {
    if (!bytes.starts_with(kUtf8ByteOrderMark)) return decodeFileText(std::string_view(bytes), ansi);
    bytes.erase(0, kUtf8ByteOrderMark.size());
    return std::move(bytes);
}

}  // namespace vrx
