#pragma once

#include <cstddef>
#include <optional>
#include <string>

namespace vrx {

class AnsiCodePage;

// The profile name another program sent with WM_COPYDATA, as UTF-8. The
// message comes from anyone: the bytes are read only up to size, the text
// ends at the first zero byte or there, and bytes the code page does not
// know become its stand-in. Nothing for a null pointer or no bytes.
std::optional<std::string> copyDataText(const void* data, size_t size, const AnsiCodePage& ansi);

}  // namespace vrx
