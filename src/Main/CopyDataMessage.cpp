#include "Main/CopyDataMessage.h"

#include <cstring>
#include <string_view>

#include "Utils/AnsiCodePage.h"

namespace vrx {

std::optional<std::string> copyDataText(const void* data, size_t size, const AnsiCodePage& ansi) {
    if (!data || size == 0) return std::nullopt;
    const char* bytes = static_cast<const char*>(data);
    const void* zero = std::memchr(bytes, '\0', size);
    const size_t length = zero ? static_cast<size_t>(static_cast<const char*>(zero) - bytes) : size;
    return ansi.toUtf8(std::string_view(bytes, length));
}

}  // namespace vrx
