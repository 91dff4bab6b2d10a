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
    place(ProductName, 12, 18, 296, 22);
    place(Version, 12, 46, 296, 20);
    place(lblHomepage, 12, 80, 296, 20);
    place(OKButton, 110, 124, 100, 30);
}

}  // namespace vrx
