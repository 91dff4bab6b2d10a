#include "Dialogs/PreferenceForm.h"

#include <climits>

#include "AppInfo/AppLauncher.h"
#include "AppInfo/GlobalSettings.h"
#include "EngineTypes/EngineLock.h"
#include "Utils/Logger.h"
#include "Utils/NumberText.h"

namespace vrx {
namespace {

// A group or list with nothing chosen keeps the setting it had.
int chosen(int index, int previous) { return index >= 0 && index < PreferenceForm::kChoices ? index : previous; }

constexpr const char* kTurboCaption = "倍速処理モード";
constexpr const char* kTurboExplanation =
    "内部処理を2～16倍速で行うことで、入力処理のレイテンシーを減らし、最大毎秒60～500回の自動連射を可能にします。 "
    "ただし、ＣＰＵにかかる負荷も２～16倍になります。（連射速度の設定表示は通常のまま変わりません）";

}  // namespace

PreferenceForm::PreferenceForm(PreferenceParts parts) : parts_(std::move(parts)) {}

const std::array<const char*, PreferenceForm::kChoices>& PreferenceForm::profileImagePositionItems() {
    static const std::array<const char*, kChoices> items = {"左上", "左下", "右上", "右下", "中央"};
    return items;
}

const std::array<const char*, PreferenceForm::kChoices>& PreferenceForm::turboModeItems() {
    static const std::array<const char*, kChoices> items = {"通常速度", "処理速度２倍速", "処理速度４倍速", "処理速度８倍速",
                                                     "処理速度１６倍速"};
    return items;
}

const std::array<const char*, PreferenceForm::kChoices>& PreferenceForm::xInputSupportItems() {
    static const std::array<const char*, kChoices> items = {
        "DirectInput device only", "XInput device only", "XInput and DirectInput devices",
        "Experimental Logic (Beta)", "Exp.(Beta)+XInput+DirectInput"};
    return items;
}

PreferenceForm::Focus PreferenceForm::takeFocusRequest() {
    const Focus taken = focus_;
    focus_ = Focus::None;
    return taken;
}

void PreferenceForm::FormCreate() {
    const GlobalSettings& g = parts_.settings;
    PreferenceState& s = state_;
    s.startIconified = g.startIconified;
    s.exitMeansMinimize = g.exitMeansMinimize;
    s.hideWhenMinimized = g.hideWhenMinimized;
    s.notifyBalloon = g.notifyBalloon;
    s.soundFile = g.notifySoundFile;
    s.notifySound = s.soundFileEnabled = !g.notifySoundFile.empty();
    s.notifyProfileImage = s.profileImageEnabled = g.notifyProfileImage;
    s.profileImageDuration = std::to_string(g.profileImageDuration);
    s.profileImagePosition = g.profileImagePosition;
    s.ignoreAfterProfileSwitch = s.ignoreAfterProfileSwitchEnabled = g.ignoreInputAfterProfileSwitch != 0;
    s.ignoreAfterProfileSwitchText = std::to_string(g.ignoreInputAfterProfileSwitch);
    s.ignoreAfterShiftSwitch = s.ignoreAfterShiftSwitchEnabled = g.ignoreInputAfterShiftSwitch != 0;
    s.ignoreAfterShiftSwitchText = std::to_string(g.ignoreInputAfterShiftSwitch);
    s.highlightButtons = g.highlightButtons;
    s.highlightButtonsForAllTabs = g.highlightButtonsForAllTabs;
    s.skipForegroundProcessing = g.skipForegroundProcessing;
    s.showDebugLog = g.showDebugLog;
    s.turboMode = g.turboMode;
    s.xInputSupport = g.xInputSupport;
}

void PreferenceForm::cbStartIconifiedClick(bool checked) { state_.startIconified = checked; }

void PreferenceForm::cbExitMeansMinimizeClick(bool checked) { state_.exitMeansMinimize = checked; }

void PreferenceForm::cbHideWhenMinimizedClick(bool checked) { state_.hideWhenMinimized = checked; }

void PreferenceForm::cbNotifyBalloonClick(bool checked) { state_.notifyBalloon = checked; }

// A box that follows a check box is enabled exactly while it is checked;
// switched off, it keeps its text for the next time.
void PreferenceForm::cbNotifySoundClick(bool checked) { state_.notifySound = state_.soundFileEnabled = checked; }

void PreferenceForm::editSoundFileChange(std::string text) { state_.soundFile = std::move(text); }

void PreferenceForm::btnSoundFileClick() {
    const std::optional<std::string> chosen =
        parts_.dialogs.pickFile(FileKind::Sound, dataFileFolder(parts_.dataDirectory, state_.soundFile));
    if (chosen) state_.soundFile = relativeDataFile(parts_.dataDirectory, *chosen);
}

void PreferenceForm::cbNotifyProfileImageClick(bool checked) {
    state_.notifyProfileImage = state_.profileImageEnabled = checked;
}

void PreferenceForm::editProfileImageDurationChange(std::string text) { state_.profileImageDuration = std::move(text); }

void PreferenceForm::radioProfileImagePositionClick(int index) { state_.profileImagePosition = index; }

void PreferenceForm::cbIgnoreInputAfterProfileSwitchClick(bool checked) {
    state_.ignoreAfterProfileSwitch = state_.ignoreAfterProfileSwitchEnabled = checked;
}

void PreferenceForm::editIgnoreInputAfterProfileSwitchChange(std::string text) {
    state_.ignoreAfterProfileSwitchText = std::move(text);
}

void PreferenceForm::cbIgnoreInputAfterShiftSwitchClick(bool checked) {
    state_.ignoreAfterShiftSwitch = state_.ignoreAfterShiftSwitchEnabled = checked;
}

void PreferenceForm::editIgnoreInputAfterShiftSwitchChange(std::string text) {
    state_.ignoreAfterShiftSwitchText = std::move(text);
}

// The all-tabs highlight is a variant of the plain one, not an addition:
// at most one of them is on.
void PreferenceForm::cbHighlightButtonsClick(bool checked) {
    state_.highlightButtons = checked;
    if (checked) state_.highlightButtonsForAllTabs = false;
}

void PreferenceForm::cbHighlightButtonsForAllTabsClick(bool checked) {
    state_.highlightButtonsForAllTabs = checked;
    if (checked) state_.highlightButtons = false;
}

void PreferenceForm::cbSkipForegroundProcessingClick(bool checked) { state_.skipForegroundProcessing = checked; }

void PreferenceForm::cbShowDebugLogClick(bool checked) { state_.showDebugLog = checked; }

void PreferenceForm::rgTurboModeClick(int index) { state_.turboMode = index; }

void PreferenceForm::cbXInputSupportChange(int index) { state_.xInputSupport = index; }

void PreferenceForm::error(const std::string& text) {
    parts_.dialogs.message(text, "Error", MessageIcon::Error, MessageButtons::Ok);
}

std::optional<int> PreferenceForm::boxNumber(const std::string& text, int minimum, Focus box) {
    const std::optional<int> number = parseInteger(text);
    if (number && *number >= minimum) return number;
    error("\"" + text + "\" は有効な数値ではありません。" +
          (minimum == 0 ? "0 以上の整数を入力してください。" : "整数を入力してください。"));
    focus_ = box;
    return std::nullopt;
}

// Everything OK refuses is found before anything is stored; boxes that are
// switched off are not read, as OK does not store them.
std::optional<PreferenceForm::Checked> PreferenceForm::checkBoxes() {
    const PreferenceState& s = state_;
    if (s.notifySound && !dataFileExists(parts_.dataDirectory, s.soundFile)) {
        error("\"" + s.soundFile + "\" は有効なファイルではありません");
        focus_ = Focus::SoundFile;
        return std::nullopt;
    }
    Checked values;
    struct Box {
        bool used;
        const std::string& text;
        int minimum;  // the ignore boxes take any negative as "until released"
        Focus focus;
        int& value;
    };
    for (const Box& box : {Box{s.notifyProfileImage, s.profileImageDuration, 0, Focus::ProfileImageDuration,
                               values.profileImageDuration},
                           Box{s.ignoreAfterProfileSwitch, s.ignoreAfterProfileSwitchText, INT_MIN,
                               Focus::IgnoreAfterProfileSwitch, values.ignoreAfterProfileSwitch},
                           Box{s.ignoreAfterShiftSwitch, s.ignoreAfterShiftSwitchText, INT_MIN,
                               Focus::IgnoreAfterShiftSwitch, values.ignoreAfterShiftSwitch}}) {
        if (!box.used) continue;
        const std::optional<int> number = boxNumber(box.text, box.minimum, box.focus);
        if (!number) return std::nullopt;
        box.value = *number;
    }
    return values;
}

bool PreferenceForm::btnOKClick() {
    const std::optional<Checked> values = checkBoxes();
    if (!values) return false;
    store(*values);
    applyInputApiMode();
    applyTurboMode();
    return true;
}

void PreferenceForm::store(const Checked& values) {
    const PreferenceState& s = state_;
    GlobalSettings& g = parts_.settings;
    {
        EngineLockGuard guard(parts_.lock);
        g.notifySoundFile = s.notifySound ? s.soundFile : std::string();
        g.notifyProfileImage = s.notifyProfileImage;
        if (s.notifyProfileImage) {
            g.profileImageDuration = values.profileImageDuration;
            g.profileImagePosition = chosen(s.profileImagePosition, g.profileImagePosition);
        }
        g.highlightButtons = s.highlightButtons;
        g.highlightButtonsForAllTabs = s.highlightButtonsForAllTabs;
        g.skipForegroundProcessing = s.skipForegroundProcessing;
        g.startIconified = s.startIconified;
        g.hideWhenMinimized = s.hideWhenMinimized;
        g.exitMeansMinimize = s.exitMeansMinimize;
        g.notifyBalloon = s.notifyBalloon;
        g.ignoreInputAfterProfileSwitch = s.ignoreAfterProfileSwitch ? values.ignoreAfterProfileSwitch : 0;
        g.ignoreInputAfterShiftSwitch = s.ignoreAfterShiftSwitch ? values.ignoreAfterShiftSwitch : 0;
        g.showDebugLog = s.showDebugLog;
        parts_.log.setDebugEnabled(s.showDebugLog);
    }
    parts_.log.info(s.showDebugLog ? "Debug logging is enabled" : "Debug logging is disabled");
}

void PreferenceForm::applyInputApiMode() {
    GlobalSettings& g = parts_.settings;
    const int old = g.xInputSupport;
    {
        // Detection also runs on the timer thread and reads the mode.
        EngineLockGuard guard(parts_.lock);
        g.xInputSupport = chosen(state_.xInputSupport, old);
    }
    if (old == g.xInputSupport) return;
    parts_.log.infof("API Mode is changed from %d to %d", old, g.xInputSupport);
    parts_.processing.detectDevices();
}

// The timer runs at one speed from start to stop, so a new speed means a
// new timer.
void PreferenceForm::applyTurboMode() {
    const int speed = chosen(state_.turboMode, parts_.settings.turboMode);
    if (speed == parts_.settings.turboMode) return;
    parts_.processing.terminateTimer();
    parts_.settings.turboMode = speed;
    if (speed > 0)
        parts_.dialogs.message(kTurboExplanation, kTurboCaption, MessageIcon::Information, MessageButtons::Ok);
    parts_.processing.initTimer();
}

}  // namespace vrx
