#pragma once

#include <windows.h>

#include <string>

#include "Dialogs/AppLinkLinks.h"
#include "Main/MainFormLinks.h"
#include "Ui/DialogWindow_win.h"

namespace vrx {

// The models' message box as a system box, modal over owner.
MessageAnswer showDialogMessage(HWND owner, const std::string& text, const std::string& caption, MessageIcon icon,
                                MessageButtons buttons);

// The boxes a dialog's model shows, over that dialog.
class OwnedMessageBoxes final : public DialogMessages {
public:
    explicit OwnedMessageBoxes(const ui::DialogWindow& dialog) : dialog_(dialog) {}
    MessageAnswer message(const std::string& text, const std::string& caption, MessageIcon icon,
                          MessageButtons buttons) override {
        return showDialogMessage(dialog_.hwnd(), text, caption, icon, buttons);
    }

private:
    const ui::DialogWindow& dialog_;
};

}  // namespace vrx
