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
    place(Label1, 16, 14, 448, 20);
    place(Label2, 16, 38, 448, 20);
    place(LabelURL, 32, 64, 432, 20);
    place(LabelExtra, 16, 96, 448, 84);
    place(btnClose, 190, 192, 100, 30);
}

}  // namespace vrx
