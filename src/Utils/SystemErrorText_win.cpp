#include "Utils/SystemErrorText_win.h"

#include <cstdio>
#include <iterator>

#include "Utils/WideText_win.h"

namespace vrx {

// https://learn.microsoft.com/windows/win32/api/winbase/nf-winbase-formatmessagew
std::string systemErrorText(DWORD error) {
    wchar_t text[512];
    DWORD length = FormatMessageW(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, error, 0, text,
                                  static_cast<DWORD>(std::size(text)), nullptr);
    // The texts end in a line break, which the log adds itself.
    while (length > 0 && (text[length - 1] == L'\r' || text[length - 1] == L'\n' || text[length - 1] == L' '))
        --length;
    if (length > 0) return toUtf8(std::wstring_view(text, length));
    char number[32];
    std::snprintf(number, sizeof number, "System error %lu", error);
    return number;
}

}  // namespace vrx
