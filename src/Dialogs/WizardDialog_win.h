#pragma once

#include <string>

#include "Dialogs/WizardForm.h"
#include "Ui/DialogWindow_win.h"
#include "Ui/Edit_win.h"
#include "Ui/FormLink.h"
#include "Ui/Label_win.h"

namespace vrx {

// The key-press wizard's dialog ("簡易設定ウィザード"): shown once per row,
// it answers with the key pressed in its yellow box, skip or exit.
class WizardDialog : public ui::DialogWindow {
public:
    WizardDialog();

    // The centred text above the key box, set before each showing.
    void setExplanation(std::string text) { explanation_ = std::move(text); }
    // Shows the dialog modally; then result() and key() tell the answer.
    int showFor(HWND owner);
    int result() const { return form_.result(); }  // WizardForm::Result
    int key() const { return form_.key(); }

protected:
    SIZE designSize() const override { return {440, 150}; }
    void createControls() override;
    void layout() override;
    void activated() override;
    void cancel() override;

private:
    // The form decides only when the dialog closes, and with what.
    void refresh();

    WizardForm form_;
    ui::FormLink<WizardForm> link_{form_, [this] { refresh(); }};
    std::string explanation_;
    ui::Label lblExplanation;
    ui::Edit Edit1;
    ui::Button btnSkip;
    ui::Button btnExit;
};

}  // namespace vrx
