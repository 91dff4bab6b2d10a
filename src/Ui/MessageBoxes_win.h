#pragma once

#include <windows.h>

#include <string_view>

#include "Utils/MessageBoxTypes.h"

namespace vrx::ui {

// A system message box with exactly the given text and title, modal over
// owner (which may be null).
MessageAnswer showMessageBox(HWND owner, std::string_view text, std::string_view title, MessageIcon icon,
                             MessageButtons buttons = MessageButtons::Ok);

}  // namespace vrx::ui
