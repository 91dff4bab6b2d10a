#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace vrx {

// A path as the UTF-8 text the log and the settings files hold.
inline std::string pathToUtf8(const std::filesystem::path& path) {
    const std::u8string text = path.u8string();
    return std::string(text.begin(), text.end());
}

// The path that UTF-8 text from a settings file or a command line names.
inline std::filesystem::path pathFromUtf8(std::string_view text) {
    return std::filesystem::path(std::u8string(text.begin(), text.end()));
}

}  // namespace vrx
