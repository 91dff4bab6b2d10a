#include <windows.h>

#include "AppLink/UpperCase.h"
#include "Utils/WideText_win.h"

namespace vrx {

// https://learn.microsoft.com/windows/win32/api/winuser/nf-winuser-charupperbuffw
std::string upperCase(std::string_view utf8) {
    std::wstring wide = toWide(utf8);
    if (!wide.empty()) CharUpperBuffW(wide.data(), static_cast<DWORD>(wide.size()));
    return toUtf8(wide);
}

}  // namespace vrx
