#include "Dialogs/GreetingDialog_win.h"

namespace vrx {

GreetingDialog::GreetingDialog(std::string address, AddressOpener open)
    : DialogWindow(ui::DialogPlacement::CentreOnOwner), address_(std::move(address)), open_(std::move(open)) {
    setTitle("はじめに");
}

void GreetingDialog::createControls() {
    Label1.create(hwnd(), "Vantorix をダウンロード、ご利用いただきありがとうございます。");
    Label2.create(hwnd(), "基本的な使い方は、以下のリンクをご参照ください。");
    LabelURL.create(hwnd(), address_, {.wordWrap = false, .link = true});
    LabelURL.onClick = [this] {
        if (open_) open_(LabelURL.text());
    };
    LabelExtra.create(hwnd(),
                      "注意 :  このメッセージは初めて起動した際に表示されます。もしもこのメッセージが何度も表示される場合には、"
                      "設定ファイルがうまく保存されていない可能性があります。Vantorix.exe "
                      "が置かれているフォルダが読み取り専用（書き取り禁止）になっていないかご確認ください。");
    btnClose.create(hwnd(), "OK", true, IDOK);
    btnClose.onClick = [this] { endDialog(IDOK); };
    setDefaultButton(btnClose);
}

void GreetingDialog::layout() {
    Label1.setBounds(dpi().scale(16), dpi().scale(14), dpi().scale(448), dpi().scale(20));
    Label2.setBounds(dpi().scale(16), dpi().scale(38), dpi().scale(448), dpi().scale(20));
    LabelURL.setBounds(dpi().scale(32), dpi().scale(64), dpi().scale(432), dpi().scale(20));
    LabelExtra.setBounds(dpi().scale(16), dpi().scale(96), dpi().scale(448), dpi().scale(84));
    btnClose.setBounds(dpi().scale(190), dpi().scale(192), dpi().scale(100), dpi().scale(30));
}

}  // namespace vrx
