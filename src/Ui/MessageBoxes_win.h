#pragma once

#include <windows.h>

#include <string_view>

namespace vrx::ui {

enum class MessageIcon { Error, Warning, Information, Question };
enum class MessageButtons { Ok, YesNo, YesNoCancel, OkCancel };
enum class MessageAnswer { Ok, Yes, No, Cancel };

// A system message box with exactly the given text and title, modal over
// owner (which may be null).
MessageAnswer showMessageBox(HWND owner, std::string_view text, std::string_view title, MessageIcon icon,
                             MessageButtons buttons = MessageButtons::Ok);

}  // namespace vrx::ui
