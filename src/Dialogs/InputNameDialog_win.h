#pragma once

#include <string>

#include "Dialogs/InputNameForm.h"
#include "Ui/DialogWindow_win.h"
#include "Ui/Edit_win.h"
#include "Ui/Label_win.h"

namespace vrx {

// Asks for a name (profiles, devices, tabs). The caller sets the title, the
// explanation and the initial text; an empty text() afterwards means
// cancelled.
class InputNameDialog : public ui::DialogWindow {
public:
    InputNameDialog();

    void setExplanation(std::string text) { form_.explanation = std::move(text); }
    void setText(std::string text) { form_.editNewName = std::move(text); }
    const std::string& text() const { return form_.editNewName; }
    // Shows the dialog modally and returns the text.
    std::string ask(HWND owner);

protected:
    SIZE designSize() const override { return {380, 124}; }
    void createControls() override;
    void layout() override;
    void activated() override;
    void cancel() override;

private:
    void closeIfAsked();

    InputNameForm form_;
    ui::Label lblExplanation;
    ui::Edit editNewName;
    ui::Button btnOK;
    ui::Button btnCancel;
};

// The name dialog over owner with a title, an explanation (empty keeps the
// default one) and the initial text: the text confirmed, empty when
// cancelled.
std::string askNameOver(HWND owner, const std::string& title, const std::string& explanation,
                        const std::string& initial);

}  // namespace vrx
