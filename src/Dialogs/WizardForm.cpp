#include "Dialogs/WizardForm.h"

namespace vrx {

void WizardForm::FormActivate() {
    result_ = kExit;
    key_ = 0;
    close_ = false;
}

bool WizardForm::Edit1KeyDown(int virtualKey) {
    key_ = virtualKey;
    result_ = kKey;
    close_ = true;
    return true;
}

bool WizardForm::Edit1KeyPress(wchar_t) { return true; }

void WizardForm::btnSkipClick() {
    result_ = kSkip;
    close_ = true;
}

void WizardForm::btnExitClick() { close_ = true; }

}  // namespace vrx
