#pragma once

#include <string>

#include "Dialogs/ShellAddress_win.h"
#include "Ui/DialogWindow_win.h"
#include "Ui/Label_win.h"

namespace vrx {

// The first-run greeting ("はじめに") with the link to the overview page.
class GreetingDialog : public ui::DialogWindow {
public:
    // address: the overview page, built by the caller.
    explicit GreetingDialog(std::string address, AddressOpener open = openAddressWithShell);

protected:
    SIZE designSize() const override { return {480, 236}; }
    void createControls() override;
    void layout() override;

private:
    std::string address_;
    AddressOpener open_;
    ui::Label Label1;
    ui::Label Label2;
    ui::Label LabelURL;
    ui::Label LabelExtra;
    ui::Button btnClose;
};

}  // namespace vrx
