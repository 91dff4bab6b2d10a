#include "Ui/MessageBoxes_win.h"

#include "Utils/WideText_win.h"

namespace vrx::ui {

MessageAnswer showMessageBox(HWND owner, std::string_view text, std::string_view title, MessageIcon icon,
                             MessageButtons buttons) {
    UINT style = 0;
    switch (icon) {
        case MessageIcon::Error: style |= MB_ICONERROR; break;
        case MessageIcon::Warning: style |= MB_ICONWARNING; break;
        case MessageIcon::Information: style |= MB_ICONINFORMATION; break;
        case MessageIcon::Question: style |= MB_ICONQUESTION; break;
    }
    switch (buttons) {
        case MessageButtons::Ok: style |= MB_OK; break;
        case MessageButtons::YesNo: style |= MB_YESNO; break;
        case MessageButtons::YesNoCancel: style |= MB_YESNOCANCEL; break;
        case MessageButtons::OkCancel: style |= MB_OKCANCEL; break;
    }
    // Without an owner the box must not hide behind the program's other
    // windows.
    if (!owner) style |= MB_TASKMODAL | MB_SETFOREGROUND;
    switch (MessageBoxW(owner, toWide(text).c_str(), toWide(title).c_str(), style)) {
        case IDYES: return MessageAnswer::Yes;
        case IDNO: return MessageAnswer::No;
        case IDOK: return MessageAnswer::Ok;
        default: return buttons == MessageButtons::YesNo ? MessageAnswer::No : MessageAnswer::Cancel;
    }
}

}  // namespace vrx::ui
