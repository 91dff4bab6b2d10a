#include "Main/OptionsPageView_win.h"

#include <algorithm>
#include <initializer_list>
#include <vector>

#include "Ui/Dpi_win.h"

namespace vrx {
namespace {

std::vector<std::string> itemsOf(const auto& texts) { return {texts.begin(), texts.end()}; }

}  // namespace

OptionsPageView::OptionsPageView(HWND parent, ui::FormLink<MainForm>& link) : link_(link) {
    // Group boxes paint only their frame: the page must not clip them out
    // of its background. On a small window the page scrolls.
    page_.create(parent, {.clipChildren = false, .scrolls = true});
    page_.setVisible(false);
    createControls();
    wireEvents();
    page_.onResize = [this](int width, int height) { layout(width, height); };
    page_.onScroll = [this](int) {
        RECT client;
        GetClientRect(page_.hwnd(), &client);
        layout(client.right, client.bottom);
    };
}

void OptionsPageView::createControls() {
    const HWND p = page_.hwnd();
    lblJoystickStatus.create(p, "ジョイスティック: 0 本検出", {.bold = true, .wordWrap = false});
    btnDetect.create(p, "再検出");
    btnCalibrate.create(p, "設定");
    Label1.create(p, "設定したいジョイスティックの数 (Max 50)", {.wordWrap = false});
    editNumJoystick.create(p, "", {.digitsOnly = true});
    editNumJoystick.setHint("実際に接続してあるジョイスティック数とは関係なく、別途設定できます。");
    btnApplyNumJoysticks.create(p, "変更");

    GroupBox1.create(p, "表示するボタン設定");
    Label4.create(p, "スティック・POV", {.wordWrap = false});
    cbAxisDisplayMode.create(p);
    cbAxisDisplayMode.setItems(itemsOf(OptionsPage::axisDisplayModeItems()));
    const char* diagonalHint = "テンキーの 1,3,7,9 などを斜めに割り当てたい場合";
    cbUseDiagonalInput1.create(p, "左スティックの斜め入力を別ボタンとして使用");
    cbUseDiagonalInput1.setHint(diagonalHint);
    cbUseDiagonalInput2.create(p, "右スティックの斜め入力を別ボタンとして使用");
    cbUseDiagonalInput2.setHint(diagonalHint);
    cbUsePOV8Way.create(p, "ＰＯＶの斜め入力を別ボタンとして使用");
    Label2.create(p, "設定したいボタンの数 (Max 128)", {.wordWrap = false});
    editNumButtons.create(p, "", {.digitsOnly = true});

    GroupBox2.create(p, "入力処理の設定");
    cbRepeatSameKeyInSequence.create(p, "連続して同じキーが続く場合に再度入力処理する");
    Label3.create(p, "ボタン割り当ての変更", {.wordWrap = false});
    btnButtonAlias.create(p, "ボタン割り当ての変更");
    lblThreshold.create(p, "入力のしきい値（入力を無視するあそび）", {.wordWrap = false});
    const char* thresholdHint = "アナログ入力で感度が良すぎるときなどに変更してください。";
    for (auto [label, bar, value, caption] : {std::tuple{&lblStick1, &tbThreshold1, &lblThreshold1, "Stick 1"},
                                              std::tuple{&lblStick2, &tbThreshold2, &lblThreshold2, "Stick 2"}}) {
        label->create(p, caption, {.wordWrap = false});
        bar->create(p, 0, 100);
        bar->setPageSize(10);
        bar->setTickFrequency(10);
        bar->setHint(thresholdHint);
        value->create(p, "0 %", {.wordWrap = false});
    }
    lblProcessMode.create(p, "キー出力方法", {.wordWrap = false});
    cbKeySendMode.create(p);
    cbKeySendMode.setItems(itemsOf(OptionsPage::keySendModeItems()));

    GroupBox3.create(p, "設定ファイル切り替え時の設定");
    cbPlaySound.create(p, "サウンドを鳴らす");
    editSoundFile.create(p);
    btnSoundFile.create(p, "...");
    cbShowProfileImage.create(p, "画像ファイルを表示する");
    editImageFile.create(p);
    btnImageFile.create(p, "...");
    cbTriggerVibration.create(p, "コントローラーを振動させる");
    btnVibrationDetails.create(p, "詳細...");
}

void OptionsPageView::wireEvents() {
    btnDetect.onClick = [this] {
        if (onDetect) onDetect();
    };
    btnCalibrate.onClick = [this] {
        if (onCalibrate) onCalibrate();
    };
    btnApplyNumJoysticks.onClick = [this] {
        link_([text = editNumJoystick.text()](MainForm& f) { f.options().btnApplyNumJoysticksClick(text); });
    };
    editNumJoystick.onKeyDown = [this](int key) {
        return link_([key](MainForm& f) { return f.options().editNumJoystickDialogKey(key); });
    };
    editNumButtons.onKeyDown = [this](int key) {
        return link_([key](MainForm& f) { return f.options().editNumButtonsDialogKey(key); });
    };
    editNumButtons.onChange = [this] {
        link_([text = editNumButtons.text()](MainForm& f) { f.options().editNumButtonsChange(text); });
    };
    editNumJoystick.onExit = [this] { rememberLeftBox(FocusedControl::NumJoysticks); };
    editNumButtons.onExit = [this] {
        rememberLeftBox(FocusedControl::NumButtons);
        link_([text = editNumButtons.text()](MainForm& f) { f.options().editNumButtonsExit(text); });
    };
    cbAxisDisplayMode.onChange = [this](int index) {
        link_([index](MainForm& f) { f.options().cbAxisDisplayModeChange(index); });
    };
    cbUseDiagonalInput1.onChange = [this](bool on) {
        link_([on](MainForm& f) { f.options().cbUseDiagonalInput1Click(on); });
    };
    cbUseDiagonalInput2.onChange = [this](bool on) {
        link_([on](MainForm& f) { f.options().cbUseDiagonalInput2Click(on); });
    };
    cbUsePOV8Way.onChange = [this](bool on) { link_([on](MainForm& f) { f.options().cbUsePOV8WayClick(on); }); };
    cbRepeatSameKeyInSequence.onChange = [this](bool on) {
        link_([on](MainForm& f) { f.options().cbRepeatSameKeyInSequenceClick(on); });
    };
    tbThreshold1.onChange = [this](int value) {
        link_([value](MainForm& f) { f.options().tbThreshold1Change(value); });
    };
    tbThreshold2.onChange = [this](int value) {
        link_([value](MainForm& f) { f.options().tbThreshold2Change(value); });
    };
    cbKeySendMode.onChange = [this](int index) {
        link_([index](MainForm& f) { f.options().cbKeySendModeChange(index); });
    };
    cbPlaySound.onChange = [this](bool on) {
        link_([on, box = editSoundFile.text()](MainForm& f) { f.options().cbPlaySoundClick(on, box); });
    };
    btnSoundFile.onClick = [this] { link_([](MainForm& f) { f.options().btnSoundFileClick(); }); };
    editSoundFile.onExit = [this] {
        link_([text = editSoundFile.text()](MainForm& f) { f.options().editSoundFileExit(text); });
    };
    cbShowProfileImage.onChange = [this](bool on) {
        link_([on, box = editImageFile.text()](MainForm& f) { f.options().cbShowProfileImageClick(on, box); });
    };
    btnImageFile.onClick = [this] { link_([](MainForm& f) { f.options().btnImageFileClick(); }); };
    editImageFile.onExit = [this] {
        link_([text = editImageFile.text()](MainForm& f) { f.options().editImageFileExit(text); });
    };
    cbTriggerVibration.onChange = [this](bool on) {
        link_([on](MainForm& f) { f.options().cbTriggerVibrationClick(on); });
    };
    btnButtonAlias.onClick = [this] { link_([](MainForm& f) { f.options().btnButtonAliasClick(); }); };
    btnVibrationDetails.onClick = [this] { link_([](MainForm& f) { f.options().btnVibrationDetailsClick(); }); };
}

void OptionsPageView::refresh(const OptionsState& s) {
    lblJoystickStatus.setText(s.joystickStatus);
    editNumJoystick.showText(s.numJoysticks);
    editNumButtons.showText(s.numButtons);
    cbAxisDisplayMode.setSelected(s.axisDisplayMode);
    cbUseDiagonalInput1.setChecked(s.useDiagonalInput1);
    cbUseDiagonalInput2.setChecked(s.useDiagonalInput2);
    cbUsePOV8Way.setChecked(s.usePOV8Way);
    cbRepeatSameKeyInSequence.setChecked(s.repeatSameKeyInSequence);
    tbThreshold1.setValue(s.threshold1);
    lblThreshold1.setText(s.threshold1Label);
    tbThreshold2.setValue(s.threshold2);
    lblThreshold2.setText(s.threshold2Label);
    cbKeySendMode.setSelected(s.keySendMode);
    cbPlaySound.setChecked(s.playSound);
    editSoundFile.showText(s.soundFile);
    editSoundFile.setEnabled(s.soundFileEnabled);
    btnSoundFile.setEnabled(s.soundFileEnabled);
    cbShowProfileImage.setChecked(s.showProfileImage);
    editImageFile.showText(s.imageFile);
    editImageFile.setEnabled(s.imageFileEnabled);
    btnImageFile.setEnabled(s.imageFileEnabled);
    cbTriggerVibration.setChecked(s.triggerVibration);
    btnVibrationDetails.setEnabled(s.vibrationDetailsEnabled);
}

void OptionsPageView::setFonts(const ui::UiFont& normal, const ui::UiFont& bold, ui::Dpi dpi) {
    dpi_ = dpi;
    for (ui::Control* control : std::initializer_list<ui::Control*>{
             &lblJoystickStatus, &btnDetect, &btnCalibrate, &Label1, &editNumJoystick, &btnApplyNumJoysticks,
             &GroupBox1, &Label4, &cbAxisDisplayMode, &cbUseDiagonalInput1, &cbUseDiagonalInput2, &cbUsePOV8Way,
             &Label2, &editNumButtons, &GroupBox2, &cbRepeatSameKeyInSequence, &Label3, &btnButtonAlias,
             &lblThreshold, &lblStick1, &tbThreshold1, &lblThreshold1, &lblStick2, &tbThreshold2, &lblThreshold2,
             &lblProcessMode, &cbKeySendMode, &GroupBox3, &cbPlaySound, &editSoundFile, &btnSoundFile,
             &cbShowProfileImage, &editImageFile, &btnImageFile, &cbTriggerVibration, &btnVibrationDetails})
        control->setFont(normal, bold);
    RECT client;
    GetClientRect(page_.hwnd(), &client);
    layout(client.right, client.bottom);
}

void OptionsPageView::layout(int width, int) {
    const int w = dpi_.unscale(width);  // the page's width at 96 DPI
    const int scrolled = page_.scrollPosition();
    const auto place = [&](ui::Control& control, int x, int y, int cx, int cy) {
        control.setBounds(dpi_.scale(x), dpi_.scale(y) - scrolled, dpi_.scale(std::max(cx, 10)), dpi_.scale(cy));
    };
    place(lblJoystickStatus, 12, 14, 200, 18);
    place(btnDetect, 216, 10, 72, 25);
    place(btnCalibrate, 294, 10, 72, 25);
    place(Label1, 12, 46, 244, 18);
    place(editNumJoystick, 260, 42, 44, 23);
    place(btnApplyNumJoysticks, 310, 41, 60, 25);

    int y = 74;
    place(GroupBox1, 6, y, w - 12, 150);
    place(Label4, 18, y + 26, 100, 18);
    place(cbAxisDisplayMode, 120, y + 22, std::min(280, w - 140), 24);
    place(cbUseDiagonalInput1, 18, y + 52, w - 40, 20);
    place(cbUseDiagonalInput2, 18, y + 74, w - 40, 20);
    place(cbUsePOV8Way, 18, y + 96, w - 40, 20);
    place(Label2, 18, y + 124, 216, 18);
    place(editNumButtons, 236, y + 120, 44, 23);

    y += 158;
    place(GroupBox2, 6, y, w - 12, 184);
    place(cbRepeatSameKeyInSequence, 18, y + 22, w - 40, 20);
    place(Label3, 18, y + 52, 196, 18);
    place(btnButtonAlias, 216, y + 47, 150, 25);
    place(lblThreshold, 18, y + 80, w - 40, 18);
    place(lblStick1, 30, y + 104, 50, 18);
    place(tbThreshold1, 80, y + 100, std::min(220, w - 170), 26);
    place(lblThreshold1, std::min(306, w - 84), y + 104, 56, 18);
    place(lblStick2, 30, y + 130, 50, 18);
    place(tbThreshold2, 80, y + 126, std::min(220, w - 170), 26);
    place(lblThreshold2, std::min(306, w - 84), y + 130, 56, 18);
    place(lblProcessMode, 18, y + 158, 100, 18);
    place(cbKeySendMode, 120, y + 154, std::min(280, w - 140), 24);

    y += 192;
    place(GroupBox3, 6, y, w - 12, 104);
    place(cbPlaySound, 18, y + 24, 150, 20);
    place(editSoundFile, 170, y + 22, w - 224, 23);
    place(btnSoundFile, w - 50, y + 21, 32, 25);
    place(cbShowProfileImage, 18, y + 50, 150, 20);
    place(editImageFile, 170, y + 48, w - 224, 23);
    place(btnImageFile, w - 50, y + 47, 32, 25);
    place(cbTriggerVibration, 18, y + 76, 200, 20);
    place(btnVibrationDetails, 220, y + 73, 80, 25);
    page_.setContentHeight(dpi_.scale(y + 112));
}

void OptionsPageView::bringToTop() const {
    SetWindowPos(page_.hwnd(), HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

void OptionsPageView::focus(OptionsPage::Focus control) {
    switch (control) {
        case OptionsPage::Focus::NumJoysticks: editNumJoystick.setFocus(); break;
        case OptionsPage::Focus::NumButtons: editNumButtons.setFocus(); break;
        case OptionsPage::Focus::ApplyNumJoysticks: btnApplyNumJoysticks.setFocus(); break;
        case OptionsPage::Focus::None: break;
    }
}


void OptionsPageView::rememberLeftBox(FocusedControl box) {
    leftBox_ = box;
    leftAt_ = GetMessageTime();
}

// A click on the tab strip takes the focus before the strip reports the new
// tab, so a number box that lost the focus to that same click still counts
// as having it.
FocusedControl OptionsPageView::focusedNumberBox() const {
    const FocusedControl focused = numberBoxWithFocus();
    if (focused != FocusedControl::Other) return focused;
    return GetMessageTime() == leftAt_ ? leftBox_ : FocusedControl::Other;
}

FocusedControl OptionsPageView::numberBoxWithFocus() const {
    if (editNumJoystick.focused()) return FocusedControl::NumJoysticks;
    if (editNumButtons.focused()) return FocusedControl::NumButtons;
    return FocusedControl::Other;
}

}  // namespace vrx
