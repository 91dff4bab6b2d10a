#include "Dialogs/AboutBox_win.h"

#include "AppInfo/Version.h"

namespace vrx {

AboutBox::AboutBox(std::string address, AddressOpener open)
    : DialogWindow(ui::DialogPlacement::CentreOnOwner), address_(std::move(address)), open_(std::move(open)) {
    setTitle("About");
}

void AboutBox::createControls() {
    ProductName.create(hwnd(), "Vantorix", {.align = ui::TextAlign::Centre, .bold = true});
    Version.create(hwnd(), "Version " VANTORIX_VERSION_TEXT, {.align = ui::TextAlign::Centre});
    lblHomepage.create(hwnd(), address_, {.align = ui::TextAlign::Centre, .link = true});
    lblHomepage.onClick = [this] {
        if (open_) open_(lblHomepage.text());
    };
    OKButton.create(hwnd(), "OK", true, IDOK);
    OKButton.onClick = [this] { endDialog(IDOK); };
    setDefaultButton(OKButton);
}

void AboutBox::layout() {
    ProductName.setBounds(scale(12), scale(18), scale(296), scale(22));
    Version.setBounds(scale(12), scale(46), scale(296), scale(20));
    lblHomepage.setBounds(scale(12), scale(80), scale(296), scale(20));
    OKButton.setBounds(scale(110), scale(124), scale(100), scale(30));
}

}  // namespace vrx
