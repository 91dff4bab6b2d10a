#pragma once

#include <string>

#include "Joybutton/KeyCode.h"

namespace vrx {

// The name input dialog without its window: the text the caller reads
// afterwards, where an empty text means cancelled.
class InputNameForm {
public:
    static constexpr const char* kDefaultExplanation = "設定ファイルの名前を入力してください";

    std::string title;
    std::string explanation = kDefaultExplanation;
    std::string editNewName;

    bool closeRequested() const { return close_; }

    // Shown: the focus goes to the box (the view's business); nothing is
    // decided yet.
    void FormActivate() { close_ = false; }
    void btnOKClick() { close_ = true; }
    // Cancel empties the text, whatever the user typed.
    void btnCancelClick() {
        editNewName.clear();
        close_ = true;
    }
    // Enter in the box closes as OK; returns whether the key was consumed.
    bool editNewNameKeyDown(int virtualKey) {
        if (virtualKey != kEnterKey) return false;
        btnOKClick();
        return true;
    }

private:
    bool close_ = false;
};

}  // namespace vrx
