#pragma once

#include <string>

#include "Dialogs/InputNameForm.h"
#include "Ui/DialogWindow_win.h"
#include "Ui/Edit_win.h"
#include "Ui/FormLink.h"
#include "Ui/Label_win.h"

namespace vrx {

// Asks for a name (profiles, devices, tabs) over the form the caller
// filled with the explanation and the initial text; the caller sets the
// title. An empty text afterwards means cancelled.
class InputNameDialog : public ui::DialogWindow {
public:
    explicit InputNameDialog(InputNameForm& form);

    // Shows the dialog modally and returns the text.
    std::string ask(HWND owner);

protected:
    SIZE designSize() const override { return {380, 124}; }
    void createControls() override;
    void layout() override;
    void activated() override;
    void cancel() override;

private:
    void refresh();

    InputNameForm& form_;
    ui::FormLink<InputNameForm> link_{form_, [this] { refresh(); }};
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
