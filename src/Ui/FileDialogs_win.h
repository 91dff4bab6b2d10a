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

// The system's folder picker, modal over owner, with its heading, the
// folder it opens at (may be empty) and the caption of its OK button. The
// chosen folder, or nothing when cancelled or when the choice is no folder
// of the file system.
std::optional<std::string> pickFolder(HWND owner, const std::string& title, const std::string& startFolder,
                                      const std::string& okCaption);

}  // namespace vrx::ui
