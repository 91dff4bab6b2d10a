#pragma once

#include <filesystem>
#include <string>

namespace vrx {

// A path as the UTF-8 text the log and the settings files hold.
inline std::string pathToUtf8(const std::filesystem::path& path) {
    const std::u8string text = path.u8string();
    return std::string(text.begin(), text.end());
}

}  // namespace vrx
