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
    ProductName.setBounds(dpi().scale(12), dpi().scale(18), dpi().scale(296), dpi().scale(22));
    Version.setBounds(dpi().scale(12), dpi().scale(46), dpi().scale(296), dpi().scale(20));
    lblHomepage.setBounds(dpi().scale(12), dpi().scale(80), dpi().scale(296), dpi().scale(20));
    OKButton.setBounds(dpi().scale(110), dpi().scale(124), dpi().scale(100), dpi().scale(30));
}

}  // namespace vrx
