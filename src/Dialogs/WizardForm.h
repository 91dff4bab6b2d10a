#pragma once

namespace vrx {

// What the key-press wizard dialog decides, without its window: the
// dialog's result and key, and whether it asks to be closed.
class WizardForm {
public:
    enum Result { kExit = 0, kKey = 1, kSkip = 2 };

    int result() const { return result_; }
    int key() const { return key_; }
    bool closeRequested() const { return close_; }

    // Shown: nothing chosen yet.
    void FormActivate();
    // A key went down in the key box: it is the answer. Tab comes here too
    // (the box keeps it from the dialog's navigation) and becomes key 9.
    // Returns true: the key is consumed, whichever it is.
    bool Edit1KeyDown(int virtualKey);
    // A character typed in the key box: always swallowed, the box stays
    // empty. Returns true (swallowed).
    bool Edit1KeyPress(wchar_t character);
    void btnSkipClick();
    // Closes with the result left at exit.
    void btnExitClick();

private:
    int result_ = kExit;
    int key_ = 0;
    bool close_ = false;
};

}  // namespace vrx
