#include <windows.h>

#include <cstring>

#include "Utils/Clipboard.h"
#include "Utils/WideText_win.h"

namespace vrx {
namespace {

// Closes the clipboard on every way out, so a failure in between cannot
// keep it from every other program.
class OpenedClipboard {
public:
    explicit OpenedClipboard(HWND owner) : open_(OpenClipboard(owner) != FALSE) {}
    OpenedClipboard(const OpenedClipboard&) = delete;
    OpenedClipboard& operator=(const OpenedClipboard&) = delete;
    ~OpenedClipboard() {
        if (open_) CloseClipboard();
    }
    bool isOpen() const { return open_; }

private:
    bool open_;
};

// The text with its terminator in memory the clipboard can own; null when
// the memory cannot be had.
HGLOBAL copyForClipboard(const std::wstring& text) {
    const size_t bytes = (text.size() + 1) * sizeof(wchar_t);
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT | GMEM_DDESHARE, bytes);
    if (!memory) return nullptr;
    void* target = GlobalLock(memory);
    if (!target) {
        GlobalFree(memory);
        return nullptr;
    }
    std::memcpy(target, text.c_str(), bytes);
    GlobalUnlock(memory);
    return memory;
}

// https://learn.microsoft.com/windows/win32/dataxchg/using-the-clipboard#copying-information-to-the-clipboard
class WindowsClipboard final : public Clipboard {
public:
    bool setText(std::string_view text, uintptr_t ownerWindow) override {
        const OpenedClipboard clipboard(reinterpret_cast<HWND>(ownerWindow));
        if (!clipboard.isOpen()) return false;
        EmptyClipboard();
        // Without memory the clipboard stays empty: better than pasting
        // what was there before as if it were the text.
        HGLOBAL memory = copyForClipboard(toWide(text));
        // The clipboard owns the memory only once it has taken it.
        if (memory && !SetClipboardData(CF_UNICODETEXT, memory)) GlobalFree(memory);
        return true;
    }
};

}  // namespace

Clipboard& systemClipboard() {
    static WindowsClipboard clipboard;
    return clipboard;
}

}  // namespace vrx
