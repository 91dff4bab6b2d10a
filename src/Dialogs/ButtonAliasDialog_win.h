#pragma once

#include "Dialogs/ButtonAliasForm.h"
#include "Ui/Button_win.h"
#include "Ui/ComboBox_win.h"
#include "Ui/DialogWindow_win.h"
#include "Ui/FormLink.h"
#include "Ui/Label_win.h"
#include "Ui/ListView_win.h"

namespace vrx {

// "ボタン割り当ての変更": the profile's button aliases, over the form model.
// Each choice is stored at once, so OK, Escape and the close box all just
// close.
class ButtonAliasDialog : public ui::DialogWindow {
public:
    explicit ButtonAliasDialog(ButtonAliasForm& form);

protected:
    SIZE designSize() const override { return {660, 468}; }
    void createControls() override;
    void layout() override;
    void activated() override;

private:
    void refresh();

    ButtonAliasForm& form_;
    ui::FormLink<ButtonAliasForm> link_{form_, [this] { refresh(); }};
    ui::Label Label3;
    ui::ListView lvButtonAlias;
    ui::GroupBox lblSelected;
    ui::Label lblAssignment1, lblAssignment2, lblAssignment3;
    ui::ComboBox cbAssignment1, cbAssignment2, cbAssignment3;
    ui::Button btnOK;
};

}  // namespace vrx
