#include "Dialogs/DialogMessageBox_win.h"

#include "Ui/MessageBoxes_win.h"

namespace vrx {
namespace {

ui::MessageIcon boxIcon(MessageIcon icon) {
    switch (icon) {
        case MessageIcon::Error: return ui::MessageIcon::Error;
        case MessageIcon::Warning: return ui::MessageIcon::Warning;
        case MessageIcon::Information: return ui::MessageIcon::Information;
        case MessageIcon::Question: return ui::MessageIcon::Question;
    }
    return ui::MessageIcon::Information;
}

ui::MessageButtons boxButtons(MessageButtons buttons) {
    switch (buttons) {
        case MessageButtons::Ok: return ui::MessageButtons::Ok;
        case MessageButtons::YesNo: return ui::MessageButtons::YesNo;
        case MessageButtons::OkCancel: return ui::MessageButtons::OkCancel;
    }
    return ui::MessageButtons::Ok;
}

}  // namespace

MessageAnswer showDialogMessage(HWND owner, const std::string& text, const std::string& caption, MessageIcon icon,
                                MessageButtons buttons) {
    switch (ui::showMessageBox(owner, text, caption, boxIcon(icon), boxButtons(buttons))) {
        case ui::MessageAnswer::Yes: return MessageAnswer::Yes;
        case ui::MessageAnswer::No: return MessageAnswer::No;
        case ui::MessageAnswer::Cancel: return MessageAnswer::Cancel;
        case ui::MessageAnswer::Ok: return MessageAnswer::Ok;
    }
    return MessageAnswer::Ok;
}

}  // namespace vrx
