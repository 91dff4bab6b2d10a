#include "Dialogs/PreferenceDlg_win.h"

namespace vrx {
namespace {

constexpr const char* kIgnoreCaption = "切り替え直後に、もともと押されていたボタン入力処理を一定時間無効化する";
constexpr const char* kIgnoreNote = "（次に押され直すまで無効化するには -1 を指定）";
constexpr const char* kMilliseconds = "ミリ秒";

template <size_t N>
void checkIndex(std::array<ui::RadioButton, N>& radios, int index) {
    for (size_t i = 0; i < N; ++i) radios[i].setChecked(static_cast<int>(i) == index);
}

}  // namespace

PreferenceDialog::PreferenceDialog(PreferenceForm& form) : form_(form) { setTitle("設定"); }

void PreferenceDialog::createControls() {
    const HWND p = hwnd();
    GroupBox1.create(p, "最小化");
    cbStartIconified.create(p, "最小化した状態で起動させる");
    cbExitMeansMinimize.create(p, "右上の「ｘ」ボタンで終了ではなく最小化させる（終了する場合はメニューから選択）");
    cbHideWhenMinimized.create(p, "最小化した際にタスクトレイにのみ表示（タスクバーから隠す）");

    GroupBox2.create(p, "設定ファイルの切り替え");
    cbNotifyBalloon.create(p, "切り替わったらタスクトレイのメッセージで通知");
    cbNotifySound.create(p, "切り替わったらサウンドで通知");
    editSoundFile.create(p);
    btnSoundFile.create(p, "...");
    cbNotifyProfileImage.create(p, "切り替わったら画像を表示して通知");
    editProfileImageDuration.create(p, {}, {.digitsOnly = true, .maxLength = 9});
    lblProfileImageDurationUnit.create(p, kMilliseconds);
    radioProfileImagePosition.create(p, "表示位置");
    const auto& positions = PreferenceForm::profileImagePositionItems();
    for (size_t i = 0; i < positions.size(); ++i) profileImagePositions[i].create(p, positions[i], i == 0);
    cbIgnoreInputAfterProfileSwitch.create(p, kIgnoreCaption);
    cbIgnoreInputAfterProfileSwitch.startGroup();
    editIgnoreInputAfterProfileSwitch.create(p, {}, {.maxLength = 11});
    lblProfileSwitchUnit.create(p, kMilliseconds);
    lblProfileSwitchNote.create(p, kIgnoreNote);

    GroupBox3.create(p, "一時的にジョイスティック番号を切り替え");
    cbIgnoreInputAfterShiftSwitch.create(p, kIgnoreCaption);
    editIgnoreInputAfterShiftSwitch.create(p, {}, {.maxLength = 11});
    lblShiftSwitchUnit.create(p, kMilliseconds);
    lblShiftSwitchNote.create(p, kIgnoreNote);

    GroupBox4.create(p, "Vantorix のウィンドウがアクティブになっている時");
    cbHighlightButtons.create(p, "押されているボタンをハイライト表示する");
    cbHighlightButtonsForAllTabs.create(
        p, "押されているボタンをハイライト表示する（ジョイスティック番号に関係なくすべてのタブで）");
    cbSkipForegroundProcessing.create(p, "ボタン割り当ての実行を一時的に無効化する");

    GroupBox5.create(p, "特殊な設定（慣れている人向け）");
    cbShowDebugLog.create(p, "デバッグ用のログファイルを作成");
    rgTurboMode.create(p, "内部処理速度");
    const auto& speeds = PreferenceForm::turboModeItems();
    for (size_t i = 0; i < speeds.size(); ++i) turboModes[i].create(p, speeds[i], i == 0);
    Label4.create(p, "入力デバイスの処理方法");
    cbXInputSupport.create(p);
    cbXInputSupport.startGroup();
    for (const char* item : PreferenceForm::xInputSupportItems()) cbXInputSupport.addItem(item);

    btnOK.create(p, "OK", true, IDOK);
    btnOK.startGroup();
    setDefaultButton(btnOK);
    btnCancel.create(p, "Cancel", false, IDCANCEL);

    wireEvents();
    link_([](PreferenceForm& f) { f.FormCreate(); });
}

// Each control's event is its handler on the model, named after the
// control as the model names them.
void PreferenceDialog::wireEvents() {
    const auto checkBox = [this](ui::CheckBox& box, void (PreferenceForm::*handler)(bool)) {
        box.onChange = [this, handler](bool on) { link_([&](PreferenceForm& f) { (f.*handler)(on); }); };
    };
    const auto textBox = [this](ui::Edit& box, void (PreferenceForm::*handler)(std::string)) {
        box.onChange = [this, &box, handler] {
            link_([&, text = box.text()](PreferenceForm& f) { (f.*handler)(text); });
        };
    };
    const auto radioGroup = [this](auto& radios, void (PreferenceForm::*handler)(int)) {
        for (size_t i = 0; i < radios.size(); ++i)
            radios[i].onClick = [this, handler, index = static_cast<int>(i)] {
                link_([&](PreferenceForm& f) { (f.*handler)(index); });
            };
    };
    checkBox(cbStartIconified, &PreferenceForm::cbStartIconifiedClick);
    checkBox(cbExitMeansMinimize, &PreferenceForm::cbExitMeansMinimizeClick);
    checkBox(cbHideWhenMinimized, &PreferenceForm::cbHideWhenMinimizedClick);
    checkBox(cbNotifyBalloon, &PreferenceForm::cbNotifyBalloonClick);
    checkBox(cbNotifySound, &PreferenceForm::cbNotifySoundClick);
    textBox(editSoundFile, &PreferenceForm::editSoundFileChange);
    btnSoundFile.onClick = [this] { link_([](PreferenceForm& f) { f.btnSoundFileClick(); }); };
    checkBox(cbNotifyProfileImage, &PreferenceForm::cbNotifyProfileImageClick);
    textBox(editProfileImageDuration, &PreferenceForm::editProfileImageDurationChange);
    radioGroup(profileImagePositions, &PreferenceForm::radioProfileImagePositionClick);
    checkBox(cbIgnoreInputAfterProfileSwitch, &PreferenceForm::cbIgnoreInputAfterProfileSwitchClick);
    textBox(editIgnoreInputAfterProfileSwitch, &PreferenceForm::editIgnoreInputAfterProfileSwitchChange);
    checkBox(cbIgnoreInputAfterShiftSwitch, &PreferenceForm::cbIgnoreInputAfterShiftSwitchClick);
    textBox(editIgnoreInputAfterShiftSwitch, &PreferenceForm::editIgnoreInputAfterShiftSwitchChange);
    checkBox(cbHighlightButtons, &PreferenceForm::cbHighlightButtonsClick);
    checkBox(cbHighlightButtonsForAllTabs, &PreferenceForm::cbHighlightButtonsForAllTabsClick);
    checkBox(cbSkipForegroundProcessing, &PreferenceForm::cbSkipForegroundProcessingClick);
    checkBox(cbShowDebugLog, &PreferenceForm::cbShowDebugLogClick);
    radioGroup(turboModes, &PreferenceForm::rgTurboModeClick);
    cbXInputSupport.onChange = [this](int index) {
        link_([index](PreferenceForm& f) { f.cbXInputSupportChange(index); });
    };
    btnOK.onClick = [this] { btnOKClick(); };
    btnCancel.onClick = [this] { cancel(); };
}

void PreferenceDialog::refresh() {
    const PreferenceState& s = form_.state();
    cbStartIconified.setChecked(s.startIconified);
    cbExitMeansMinimize.setChecked(s.exitMeansMinimize);
    cbHideWhenMinimized.setChecked(s.hideWhenMinimized);
    cbNotifyBalloon.setChecked(s.notifyBalloon);
    cbNotifySound.setChecked(s.notifySound);
    editSoundFile.showText(s.soundFile);
    editSoundFile.setEnabled(s.soundFileEnabled);
    btnSoundFile.setEnabled(s.soundFileEnabled);
    cbNotifyProfileImage.setChecked(s.notifyProfileImage);
    editProfileImageDuration.showText(s.profileImageDuration);
    editProfileImageDuration.setEnabled(s.profileImageEnabled);
    checkIndex(profileImagePositions, s.profileImagePosition);
    radioProfileImagePosition.setEnabled(s.profileImageEnabled);
    for (ui::RadioButton& radio : profileImagePositions) radio.setEnabled(s.profileImageEnabled);
    cbIgnoreInputAfterProfileSwitch.setChecked(s.ignoreAfterProfileSwitch);
    editIgnoreInputAfterProfileSwitch.showText(s.ignoreAfterProfileSwitchText);
    editIgnoreInputAfterProfileSwitch.setEnabled(s.ignoreAfterProfileSwitchEnabled);
    cbIgnoreInputAfterShiftSwitch.setChecked(s.ignoreAfterShiftSwitch);
    editIgnoreInputAfterShiftSwitch.showText(s.ignoreAfterShiftSwitchText);
    editIgnoreInputAfterShiftSwitch.setEnabled(s.ignoreAfterShiftSwitchEnabled);
    cbHighlightButtons.setChecked(s.highlightButtons);
    cbHighlightButtonsForAllTabs.setChecked(s.highlightButtonsForAllTabs);
    cbSkipForegroundProcessing.setChecked(s.skipForegroundProcessing);
    cbShowDebugLog.setChecked(s.showDebugLog);
    checkIndex(turboModes, s.turboMode);
    cbXInputSupport.setSelected(s.xInputSupport);
}

void PreferenceDialog::btnOKClick() {
    if (link_([](PreferenceForm& f) { return f.btnOKClick(); })) {
        endDialog(IDOK);
        return;
    }
    switch (form_.takeFocusRequest()) {
        case PreferenceForm::Focus::SoundFile: editSoundFile.setFocus(); break;
        case PreferenceForm::Focus::ProfileImageDuration: editProfileImageDuration.setFocus(); break;
        case PreferenceForm::Focus::IgnoreAfterProfileSwitch: editIgnoreInputAfterProfileSwitch.setFocus(); break;
        case PreferenceForm::Focus::IgnoreAfterShiftSwitch: editIgnoreInputAfterShiftSwitch.setFocus(); break;
        case PreferenceForm::Focus::None: break;
    }
}

void PreferenceDialog::layout() {
    const auto checkRow = [&](ui::CheckBox& box, int y) { place(box, 24, y, 552, 20); };
    // An ignore box's row: the number, its unit and the note about -1.
    const auto numberRow = [&](ui::Edit& box, ui::Label& unit, ui::Label& note, int y) {
        place(box, 42, y, 64, 23);
        place(unit, 112, y + 3, 44, 20);
        place(note, 160, y + 3, 412, 20);
    };

    place(GroupBox1, 12, 6, 576, 84);
    checkRow(cbStartIconified, 24);
    checkRow(cbExitMeansMinimize, 45);
    checkRow(cbHideWhenMinimized, 66);

    place(GroupBox2, 12, 94, 576, 184);
    checkRow(cbNotifyBalloon, 112);
    place(cbNotifySound, 24, 135, 200, 20);
    place(editSoundFile, 228, 133, 308, 23);
    place(btnSoundFile, 542, 132, 34, 25);
    place(cbNotifyProfileImage, 24, 158, 220, 20);
    place(editProfileImageDuration, 248, 156, 64, 23);
    place(lblProfileImageDurationUnit, 318, 159, 60, 20);
    place(radioProfileImagePosition, 42, 180, 344, 42);
    for (size_t i = 0; i < profileImagePositions.size(); ++i)
        place(profileImagePositions[i], 54 + 66 * static_cast<int>(i), 198, 62, 20);
    checkRow(cbIgnoreInputAfterProfileSwitch, 228);
    numberRow(editIgnoreInputAfterProfileSwitch, lblProfileSwitchUnit, lblProfileSwitchNote, 249);

    place(GroupBox3, 12, 282, 576, 68);
    checkRow(cbIgnoreInputAfterShiftSwitch, 300);
    numberRow(editIgnoreInputAfterShiftSwitch, lblShiftSwitchUnit, lblShiftSwitchNote, 321);

    place(GroupBox4, 12, 354, 576, 86);
    checkRow(cbHighlightButtons, 372);
    checkRow(cbHighlightButtonsForAllTabs, 393);
    checkRow(cbSkipForegroundProcessing, 414);

    place(GroupBox5, 12, 444, 576, 120);
    checkRow(cbShowDebugLog, 462);
    place(rgTurboMode, 24, 484, 552, 42);
    const int speedX[] = {36, 114, 226, 338, 450};
    const int speedWidth[] = {76, 110, 110, 110, 118};
    for (size_t i = 0; i < turboModes.size(); ++i) place(turboModes[i], speedX[i], 502, speedWidth[i], 20);
    place(Label4, 24, 536, 150, 20);
    place(cbXInputSupport, 176, 533, 260, 24);

    place(btnOK, 404, 574, 88, 28);
    place(btnCancel, 500, 574, 88, 28);
}

}  // namespace vrx
