#pragma once

#include <string>
#include <string_view>

namespace vrx {

class AnsiCodePage;

inline constexpr std::string_view kUtf8ByteOrderMark = "\xEF\xBB\xBF";

// The text of a file read whole, as UTF-8. A byte-order mark says whether
// the file is UTF-8 or UTF-16 (little or big endian) and is dropped; a file
// without one predates Unicode files and is in the ANSI code page given.
// Broken UTF-16 (a lone surrogate, an odd last byte) becomes U+FFFD, so the
// result is always text the rest of the program can hold.
std::string decodeFileText(std::string_view bytes, const AnsiCodePage& ansi);
// The same for bytes that are no longer needed: UTF-8, as every file this
// program writes, is then read in place rather than copied.
std::string decodeFileText(std::string&& bytes, const AnsiCodePage& ansi);

}  // namespace vrx
