#pragma once

#include <string>

#include "Dialogs/ShellAddress_win.h"
#include "Ui/DialogWindow_win.h"
#include "Ui/Label_win.h"

namespace vrx {

// "About": the product, its version and the link to the web site.
class AboutBox : public ui::DialogWindow {
public:
    // address: the web site's page, built by the caller.
    explicit AboutBox(std::string address, AddressOpener open = openAddressWithShell);

protected:
    SIZE designSize() const override { return {320, 172}; }
    void createControls() override;
    void layout() override;

private:
    std::string address_;
    AddressOpener open_;
    ui::Label ProductName;
    ui::Label Version;
    ui::Label lblHomepage;
    ui::Button OKButton;
};

}  // namespace vrx
