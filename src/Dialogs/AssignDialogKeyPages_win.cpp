// The assignment dialog's two keyboard pages: four keys pressed together,
// and four inputs of four keys with the mode that switches between them.
#include "Dialogs/AssignDialog_win.h"
#include "Joybutton/UncapturableKeys.h"

namespace vrx {
namespace {

struct ModeRadio {
    SwitchMode mode;
    const char* caption;
};

// In the form's order.
constexpr ModeRadio kModeRadios[] = {
    {SwitchMode::DelayedSwitch, "ボタンが押される長さによって切り替える"},
    {SwitchMode::MultiSwitch2, "ボタンが押されるたびに切り替える（入力１→入力２→入力１→...）"},
    {SwitchMode::MultiSwitch3, "ボタンが押されるたびに切り替える（入力１→入力２→入力３→入力１→...）"},
    {SwitchMode::AnalogSwitch, "アナログ入力のレベルによって切り替える"},
    {SwitchMode::MultiSwitch4, "ボタンが押されるたびに切り替える（入力１→入力２→入力３→入力４→入力１→...）"},
    {SwitchMode::ReleaseSwitch, "ボタンが離された時に入力１を入力（そして押されている間は入力２）"},
    {SwitchMode::RepeatSwitch, "連続して押された回数によって切り替える（１回→入力１, ２回→入力２, ３回→入力３, …）"},
    {SwitchMode::MultiSequence, "ボタンが押された時入力１から入力４まで順番に入力"},
};

}  // namespace

void AssignDialog::createKeyboardPage() {
    const HWND p = pages_[kPageKeyboard].hwnd();
    for (int k = 0; k < 4; ++k) {
        lblKeys_[static_cast<size_t>(k)].create(p, "Key" + std::to_string(k + 1), {.wordWrap = false});
        createKeyBox(k, p);
    }
    lblKeyHelp.create(p, "入力ボックスを右クリックすると、クリアしたり、特殊キーやマウス入力を割り当てることができます。");
    lblKeySelect.create(p, "特殊キー・マウス入力", {.wordWrap = false});
    cbKeySelect.create(p, 20);
    for (const SpecialKey& special : kSpecialKeys) cbKeySelect.addItem(special.name);
    cbKeySelect.onChange = [this](int index) { link_([index](AssignForm& f) { f.cbKeySelectChange(index); }); };
    cbKeyNum.create(p);
    cbKeyNum.setItems({"Key1", "Key2", "Key3", "Key4"});
    cbKeyNum.onChange = [this](int index) { link_([index](AssignForm& f) { f.cbKeyNumChange(index); }); };
    btnKeyAssign.create(p, "割り当てる");
    btnKeyAssign.onClick = [this] { link_([](AssignForm& f) { f.btnKeyAssignClick(); }); };
}

void AssignDialog::createMultiPage() {
    const HWND p = pages_[kPageKeyboardMulti].hwnd();
    const char* const inputs[4] = {"入力１", "入力２", "入力３", "入力４"};
    for (int input = 0; input < 4; ++input) {
        lblInputs_[static_cast<size_t>(input)].create(p, inputs[input], {.wordWrap = false});
        for (int k = 0; k < 4; ++k) createKeyBox(kFirstMultiKeyBox + input * 4 + k, p);
    }
    lblHold.create(p, "入力保持時間", {.wordWrap = false});
    editMinimumHoldDuration.create(p);
    lblHoldUnit.create(p, "ミリ秒", {.wordWrap = false});
    lblCounter.create(p, "カウンタリセット時間", {.wordWrap = false});
    editCounterResetDuration.create(p);
    editCounterResetDuration.setHint("ボタンが一定時間押されなかった場合、次は入力1に戻る（指定なしの場合は戻さない）");
    lblCounterUnit.create(p, "ミリ秒", {.wordWrap = false});

    for (size_t i = 0; i < modeRadios_.size(); ++i) {
        const SwitchMode mode = kModeRadios[i].mode;
        modeRadios_[i].create(p, kModeRadios[i].caption, i == 0);
        modeRadios_[i].onClick = [this, mode] { link_([mode](AssignForm& f) { f.rbKeyDelayedSwitchClick(mode); }); };
        // Each mode's own boxes follow its radio button in the tab order.
        if (mode == SwitchMode::DelayedSwitch) {
            editKeySwitchDelay.create(p);
            lblSwitchDelay.create(p, "ミリ秒以下なら入力１、以上なら入力２を使う（そして離されたとき入力3）",
                                  {.wordWrap = false});
        } else if (mode == SwitchMode::AnalogSwitch) {
            lblAnalog1.create(p, "[入力１]   <", {.wordWrap = false});
            editKeyAnalogThreshold1.create(p);
            lblAnalog2.create(p, "%   <   [入力２]   <", {.wordWrap = false});
            editKeyAnalogThreshold2.create(p);
            lblAnalog3.create(p, "%   <   [入力３]", {.wordWrap = false});
        } else if (mode == SwitchMode::RepeatSwitch) {
            editKeyRepeatSwitch.create(p);
            lblRepeatSwitch.create(p, "ミリ秒以内なら連続して押されたと判断", {.wordWrap = false});
        }
    }

    linkIntegerBox(editKeySwitchDelay, IntegerBox::KeySwitchDelay);
    linkIntegerBox(editKeyAnalogThreshold1, IntegerBox::KeyAnalogThreshold1);
    linkIntegerBox(editKeyAnalogThreshold2, IntegerBox::KeyAnalogThreshold2);
    linkIntegerBox(editKeyRepeatSwitch, IntegerBox::KeyRepeatSwitch);
    linkIntegerBox(editMinimumHoldDuration, IntegerBox::MinimumHoldDuration);
    linkIntegerBox(editCounterResetDuration, IntegerBox::CounterResetDuration);
}

void AssignDialog::layoutKeyboardPages() {
    for (int k = 0; k < 4; ++k) {
        const int x = 16 + k * 170;
        lblKeys_[static_cast<size_t>(k)].setBounds(dpi().scale(x), dpi().scale(16), dpi().scale(150), dpi().scale(20));
        keyBoxes_[static_cast<size_t>(k)].setBounds(dpi().scale(x), dpi().scale(38), dpi().scale(150), dpi().scale(26));
    }
    lblKeyHelp.setBounds(dpi().scale(16), dpi().scale(82), dpi().scale(780), dpi().scale(40));
    lblKeySelect.setBounds(dpi().scale(16), dpi().scale(136), dpi().scale(300), dpi().scale(20));
    cbKeySelect.setBounds(dpi().scale(16), dpi().scale(158), dpi().scale(240), dpi().scale(24));
    cbKeyNum.setBounds(dpi().scale(266), dpi().scale(158), dpi().scale(90), dpi().scale(24));
    btnKeyAssign.setBounds(dpi().scale(366), dpi().scale(157), dpi().scale(110), dpi().scale(28));

    for (int input = 0; input < 4; ++input) {
        const int y = 8 + input * 30;
        lblInputs_[static_cast<size_t>(input)].setBounds(dpi().scale(8), dpi().scale(y + 4), dpi().scale(52), dpi().scale(20));
        for (int k = 0; k < 4; ++k)
            keyBoxes_[static_cast<size_t>(kFirstMultiKeyBox + input * 4 + k)].setBounds(
                dpi().scale(62 + k * 118), dpi().scale(y), dpi().scale(112), dpi().scale(26));
    }
    lblHold.setBounds(dpi().scale(544), dpi().scale(12), dpi().scale(146), dpi().scale(20));
    editMinimumHoldDuration.setBounds(dpi().scale(692), dpi().scale(8), dpi().scale(64), dpi().scale(24));
    lblHoldUnit.setBounds(dpi().scale(762), dpi().scale(12), dpi().scale(50), dpi().scale(20));
    lblCounter.setBounds(dpi().scale(544), dpi().scale(42), dpi().scale(146), dpi().scale(20));
    editCounterResetDuration.setBounds(dpi().scale(692), dpi().scale(38), dpi().scale(64), dpi().scale(24));
    lblCounterUnit.setBounds(dpi().scale(762), dpi().scale(42), dpi().scale(50), dpi().scale(20));

    for (size_t i = 0; i < modeRadios_.size(); ++i) {
        const int y = 132 + static_cast<int>(i) * 23;
        const SwitchMode mode = kModeRadios[i].mode;
        const bool withBoxes = mode == SwitchMode::DelayedSwitch || mode == SwitchMode::AnalogSwitch ||
                               mode == SwitchMode::RepeatSwitch;
        modeRadios_[i].setBounds(dpi().scale(8), dpi().scale(y), dpi().scale(withBoxes ? 276 : 808), dpi().scale(22));
        if (mode == SwitchMode::DelayedSwitch) {
            editKeySwitchDelay.setBounds(dpi().scale(286), dpi().scale(y - 1), dpi().scale(56), dpi().scale(24));
            lblSwitchDelay.setBounds(dpi().scale(348), dpi().scale(y + 2), dpi().scale(466), dpi().scale(20));
        } else if (mode == SwitchMode::AnalogSwitch) {
            lblAnalog1.setBounds(dpi().scale(286), dpi().scale(y + 2), dpi().scale(80), dpi().scale(20));
            editKeyAnalogThreshold1.setBounds(dpi().scale(366), dpi().scale(y - 1), dpi().scale(44), dpi().scale(24));
            lblAnalog2.setBounds(dpi().scale(416), dpi().scale(y + 2), dpi().scale(130), dpi().scale(20));
            editKeyAnalogThreshold2.setBounds(dpi().scale(548), dpi().scale(y - 1), dpi().scale(44), dpi().scale(24));
            lblAnalog3.setBounds(dpi().scale(598), dpi().scale(y + 2), dpi().scale(120), dpi().scale(20));
        } else if (mode == SwitchMode::RepeatSwitch) {
            modeRadios_[i].setBounds(dpi().scale(8), dpi().scale(y), dpi().scale(524), dpi().scale(22));
            editKeyRepeatSwitch.setBounds(dpi().scale(534), dpi().scale(y - 1), dpi().scale(56), dpi().scale(24));
            lblRepeatSwitch.setBounds(dpi().scale(596), dpi().scale(y + 2), dpi().scale(218), dpi().scale(20));
        }
    }
}

void AssignDialog::showKeyPages() {
    const AssignFormState& s = form_.state();
    for (int box = 0; box < kKeyBoxCount; ++box) {
        KeyBox& keyBox = keyBoxes_[static_cast<size_t>(box)];
        keyBox.showText(s.keyBoxes[static_cast<size_t>(box)]);
        const bool enabled = form_.keyBoxEnabled(box);
        if (keyBox.enabled() != enabled) {
            keyBox.setEnabled(enabled);
            keyBox.showFocus(keyBox.focused());
        }
    }
    cbKeySelect.setSelected(s.cbKeySelect);
    cbKeyNum.setSelected(s.cbKeyNum);

    lblInputs_[2].setEnabled(form_.lblKey3Enabled());
    lblInputs_[3].setEnabled(form_.lblKey4Enabled());
    for (size_t i = 0; i < modeRadios_.size(); ++i) modeRadios_[i].setChecked(kModeRadios[i].mode == s.multiMode);
    editKeySwitchDelay.showText(s.editKeySwitchDelay);
    editKeyAnalogThreshold1.showText(s.editKeyAnalogThreshold1);
    editKeyAnalogThreshold2.showText(s.editKeyAnalogThreshold2);
    editKeyRepeatSwitch.showText(s.editKeyRepeatSwitch);
    editMinimumHoldDuration.showText(s.editMinimumHoldDuration);
    editCounterResetDuration.showText(s.editCounterResetDuration);
    editKeySwitchDelay.setEnabled(form_.editKeySwitchDelayEnabled());
    editKeyAnalogThreshold1.setEnabled(form_.thresholdsEnabled());
    editKeyAnalogThreshold2.setEnabled(form_.thresholdsEnabled());
    editKeyRepeatSwitch.setEnabled(form_.editKeyRepeatSwitchEnabled());
    editMinimumHoldDuration.setEnabled(form_.editMinimumHoldDurationEnabled());
    editCounterResetDuration.setEnabled(form_.editCounterResetDurationEnabled());
}

}  // namespace vrx
