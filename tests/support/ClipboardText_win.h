#pragma once

#include <windows.h>

#include <string>

namespace vrx::test {

// What the system's clipboard holds as Unicode text, or a marker saying why
// there is none.
inline std::wstring clipboardUnicodeText() {
    if (!OpenClipboard(nullptr)) return L"<cannot open>";
    std::wstring text = L"<no text>";
    if (HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
        if (const auto* chars = static_cast<const wchar_t*>(GlobalLock(data))) {
            text = chars;
            GlobalUnlock(data);
        }
    }
    CloseClipboard();
    return text;
}

}  // namespace vrx::test
