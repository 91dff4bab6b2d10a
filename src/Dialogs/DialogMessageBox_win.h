#pragma once

#include <windows.h>

#include <string>

#include "Dialogs/AppLinkLinks.h"
#include "Ui/DialogWindow_win.h"
#include "Ui/MessageBoxes_win.h"

namespace vrx {

// The boxes a dialog's model shows, over that dialog.
class OwnedMessageBoxes final : public DialogMessages {
public:
    explicit OwnedMessageBoxes(const ui::DialogWindow& dialog) : dialog_(dialog) {}
    MessageAnswer message(const std::string& text, const std::string& caption, MessageIcon icon,
                          MessageButtons buttons) override {
        return ui::showMessageBox(dialog_.hwnd(), text, caption, icon, buttons);
    }

private:
    const ui::DialogWindow& dialog_;
};

}  // namespace vrx
