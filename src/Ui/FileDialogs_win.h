#pragma once

#include <windows.h>

#include <optional>
#include <string>

namespace vrx::ui {

// The system's dialog for opening an existing file, modal over owner.
// filter: "name|pattern|name|pattern"; startFolder and defaultExtension may
// be empty. The chosen path, or nothing when cancelled.
std::optional<std::string> openFileDialog(HWND owner, const char* filter, const std::string& startFolder,
                                          const std::string& defaultExtension = {});

}  // namespace vrx::ui
