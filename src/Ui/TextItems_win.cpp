#include "Ui/TextItems_win.h"

#include "Utils/WideText_win.h"

namespace vrx::ui {

int addTextItem(HWND control, const TextItemMessages& messages, std::string_view text) {
    return static_cast<int>(SendMessageW(control, messages.add, 0, reinterpret_cast<LPARAM>(toWide(text).c_str())));
}

std::string textItem(HWND control, const TextItemMessages& messages, int index) {
    const LRESULT length = SendMessageW(control, messages.textLength, static_cast<WPARAM>(index), 0);
    if (length == messages.error) return {};
    std::wstring text(static_cast<size_t>(length) + 1, L'\0');
    text.resize(static_cast<size_t>(
        SendMessageW(control, messages.text, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text.data()))));
    return toUtf8(text);
}

}  // namespace vrx::ui
