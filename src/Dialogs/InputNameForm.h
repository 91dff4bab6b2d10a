#pragma once

#include <string>
#include <utility>

#include "Joybutton/KeyCode.h"

namespace vrx {

// The name input dialog without its window: the caller fills it before the
// dialog is shown and reads text() afterwards, where an empty text means
// cancelled.
class InputNameForm {
public:
    static constexpr const char* kDefaultExplanation = "設定ファイルの名前を入力してください";

    // An empty explanation keeps the default one.
    explicit InputNameForm(std::string text = {}, std::string explanation = {})
        : explanation_(explanation.empty() ? kDefaultExplanation : std::move(explanation)), text_(std::move(text)) {}

    const std::string& explanation() const { return explanation_; }  // lblExplanation
    const std::string& text() const { return text_; }                // editNewName
    bool closeRequested() const { return close_; }
    // Whether the dialog ends as OK: an empty name is no name, so OK on an
    // empty box ends as Cancel does.
    bool accepted() const { return !text_.empty(); }

    // Shown: the focus goes to the box (the view's business); nothing is
    // decided yet.
    void FormActivate() { close_ = false; }
    void editNewNameChange(std::string text) { text_ = std::move(text); }
    void btnOKClick() { close_ = true; }
    // Cancel empties the text, whatever the user typed.
    void btnCancelClick() {
        text_.clear();
        close_ = true;
    }
    // Enter in the box closes as OK; returns whether the key was consumed.
    bool editNewNameKeyDown(int virtualKey) {
        if (virtualKey != kEnterKey) return false;
        btnOKClick();
        return true;
    }

private:
    std::string explanation_;
    std::string text_;
    bool close_ = false;
};

}  // namespace vrx
