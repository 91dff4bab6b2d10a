#include "Main/OptionsPage.h"

#include <algorithm>

#include "AppInfo/AppLauncher.h"
#include "ConfigFileManager/ConfigFile.h"
#include "ConfigFileManager/ProfileListLinks.h"
#include "Dialogs/ButtonAliasForm.h"
#include "Dialogs/VibrationForm.h"
#include "EngineTypes/EngineLock.h"
#include "Joybutton/JoyButtonProcess.h"
#include "Joybutton/KeyCode.h"
#include "Joystick/InputDevices.h"
#include "Utils/Logger.h"
#include "Utils/NumberText.h"

namespace vrx {
namespace {

constexpr int kVibrationDurationWhenChecked = 500;

std::string rangeMessage(int maximum) { return "1 以上 " + std::to_string(maximum) + " 以下の数を入れてください。"; }

}  // namespace

OptionsPage::OptionsPage(OptionsPageParts parts, OptionsHost& host) : parts_(std::move(parts)), host_(host) {}

const std::array<const char*, 4>& OptionsPage::axisDisplayModeItems() {
    static const std::array<const char*, 4> items = {"スティック×１", "スティック×１ ＋ ＰＯＶ×１",
                                                     "スティック×２ ＋ ＰＯＶ×１",
                                                     "すべての軸を表示（８軸＋ＰＯＶ×４）"};
    return items;
}

const std::array<const char*, 3>& OptionsPage::keySendModeItems() {
    static const std::array<const char*, 3> items = {"デフォルト", "代替方式１ (Virtual Key base)",
                                                     "代替方式２ (Scancode base)"};
    return items;
}

const char* OptionsPage::fileDialogFilter(FileKind kind) {
    return kind == FileKind::Sound ? "サウンドファイル|*.mp3;*.wav|すべてのファイル|*.*"
                                   : "画像ファイル|*.bmp;*.png;*.jpg;*.jpeg|すべてのファイル|*.*";
}

const char* OptionsPage::fileDialogExtension(FileKind kind) { return kind == FileKind::Sound ? "wav" : ""; }

OptionsPage::Focus OptionsPage::takeFocusRequest() {
    const Focus taken = focus_;
    focus_ = Focus::None;
    return taken;
}

bool OptionsPage::takeChanged() {
    const bool taken = changed_;
    changed_ = false;
    return taken;
}

ProfileSettings* OptionsPage::settings() const {
    ConfigFile* profile = parts_.profiles.currentProfile();
    return profile ? &profile->settings : nullptr;
}

void OptionsPage::markModified() const {
    if (ConfigFile* profile = parts_.profiles.currentProfile()) profile->modified = true;
}

template <typename T>
bool OptionsPage::store(T& field, const T& value) const {
    if (field == value) return false;
    field = value;
    markModified();
    return true;
}

std::string& OptionsPage::storedFile(FileKind kind) const {
    return kind == FileKind::Sound ? settings()->soundFile : settings()->imageFile;
}

void OptionsPage::fill() {
    const ProfileSettings* s = settings();
    if (!s) return;
    OptionsState& o = state_;
    o.numJoysticks = std::to_string(s->numberOfJoysticks);
    o.numButtons = std::to_string(s->numberOfButtons);
    o.axisDisplayMode = s->displayMode >= 0 && s->displayMode <= 3 ? s->displayMode : -1;
    o.useDiagonalInput1 = s->useDiagonalInput;
    o.useDiagonalInput2 = s->useDiagonalInput2;
    o.usePOV8Way = s->usePOV8Way;
    o.repeatSameKeyInSequence = s->repeatSameKeyInSequence;
    o.threshold1 = s->threshold / 10;
    o.threshold1Label = percentLabel(o.threshold1);
    o.threshold2 = s->threshold2 / 10;
    o.threshold2Label = percentLabel(o.threshold2);
    // A fourth key output method exists that the list does not offer.
    o.keySendMode = s->keySendMode >= 0 && s->keySendMode <= 2 ? s->keySendMode : -1;
    o.playSound = o.soundFileEnabled = !s->soundFile.empty();
    o.soundFile = s->soundFile;
    o.showProfileImage = o.imageFileEnabled = !s->imageFile.empty();
    o.imageFile = s->imageFile;
    o.triggerVibration = o.vibrationDetailsEnabled = s->vibrationDuration > 0;
    changed_ = true;
}

void OptionsPage::setDetectedCount(int count) {
    state_.joystickStatus = "ジョイスティック: " + std::to_string(count) + " 本検出";
    changed_ = true;
}

std::optional<int> OptionsPage::acceptedCount(const std::string& text, int maximum, Focus box) {
    const std::optional<int> count = parseInteger(text);
    if (count && *count >= 1 && *count <= maximum) return count;
    // Text that is no number at all gets the same answer as one out of
    // range: what the box wants is a number from 1 to maximum.
    parts_.dialogs.message(rangeMessage(maximum), "Error", MessageIcon::Error, MessageButtons::Ok);
    focus_ = box;
    return std::nullopt;
}

// Slots the tick stops walking would keep what they hold down for ever.
void OptionsPage::releaseSlots(int firstJoystick, int lastJoystick, int firstSlot) {
    ConfigFile* profile = parts_.profiles.currentProfile();
    for (int j = firstJoystick; j <= lastJoystick; ++j)
        if (JoystickConfig* joystick = profile->joystick(j))
            for (int slot = firstSlot; slot < kSlotCount; ++slot) ForceRelease(joystick->slot(slot), parts_.tick);
}

void OptionsPage::btnApplyNumJoysticksClick(const std::string& text) {
    ConfigFile* profile = parts_.profiles.currentProfile();
    if (!profile) return;
    state_.numJoysticks = text;
    const std::optional<int> count = acceptedCount(text, kMaxJoysticks, Focus::NumJoysticks);
    if (!count || *count == profile->numberOfJoysticks()) return;
    parts_.log.infof("Changing number of joysticks to %d", *count);
    {
        EngineLockGuard guard(parts_.lock);
        releaseSlots(*count, profile->numberOfJoysticks() - 1, 0);
        profile->setNumberOfJoysticks(*count);
    }
    markModified();
    state_.numJoysticks = std::to_string(*count);
    changed_ = true;
    parts_.deviceUi.postUpdateJoysticks();
}

bool OptionsPage::editNumJoystickKeyDown(int virtualKey) {
    if (virtualKey != kEnterKey) return false;
    focus_ = Focus::ApplyNumJoysticks;
    return true;
}

bool OptionsPage::editNumJoystickKeyPress(char character) {
    if (character == kEscapeKey && settings()) {
        state_.numJoysticks = std::to_string(settings()->numberOfJoysticks);
        changed_ = true;
    }
    return character == kEnterKey || character == kEscapeKey;
}

bool OptionsPage::editNumButtonsKeyPress(char character) {
    if (character == kEscapeKey && settings()) {
        state_.numButtons = std::to_string(settings()->numberOfButtons);
        changed_ = true;
    }
    return character == kEnterKey || character == kEscapeKey;
}

bool OptionsPage::editNumJoystickDialogKey(int virtualKey) {
    if (virtualKey != kEnterKey && virtualKey != kEscapeKey) return false;
    editNumJoystickKeyDown(virtualKey);
    editNumJoystickKeyPress(static_cast<char>(virtualKey));
    return true;
}

bool OptionsPage::editNumButtonsDialogKey(int virtualKey) {
    if (virtualKey != kEnterKey && virtualKey != kEscapeKey) return false;
    // Both boxes send the focus on to the apply button on Enter.
    editNumJoystickKeyDown(virtualKey);
    editNumButtonsKeyPress(static_cast<char>(virtualKey));
    if (virtualKey == kEnterKey) leaveNumButtons();
    return true;
}

void OptionsPage::editNumButtonsChange(const std::string& text) { state_.numButtons = text; }

void OptionsPage::editNumButtonsExit(const std::string& text) { checkNumButtons(text); }

bool OptionsPage::leaveNumButtons() { return checkNumButtons(state_.numButtons); }

bool OptionsPage::checkNumButtons(const std::string& text) {
    ProfileSettings* s = settings();
    if (!s) return true;
    state_.numButtons = text;
    const std::optional<int> count = acceptedCount(text, kButtonCount, Focus::NumButtons);
    if (!count) return false;
    if (*count == s->numberOfButtons) return true;
    {
        EngineLockGuard guard(parts_.lock);
        releaseSlots(0, kMaxJoysticks - 1, buttonSlot(*count));
        s->numberOfButtons = *count;
    }
    markModified();
    host_.RefreshDisplay();
    return true;
}

void OptionsPage::cbAxisDisplayModeChange(int index) {
    if (host_.updating() || !settings() || index < 0 || index > 3) return;
    store(settings()->displayMode, index);
    host_.RefreshDisplay();
}

void OptionsPage::cbUseDiagonalInput1Click(bool checked) {
    if (host_.updating() || !settings()) return;
    store(settings()->useDiagonalInput, checked);
    host_.RefreshDisplay();
}

void OptionsPage::cbUseDiagonalInput2Click(bool checked) {
    if (host_.updating() || !settings()) return;
    store(settings()->useDiagonalInput2, checked);
    host_.RefreshDisplay();
}

void OptionsPage::cbUsePOV8WayClick(bool checked) {
    if (host_.updating() || !settings()) return;
    store(settings()->usePOV8Way, checked);
    host_.RefreshDisplay();
}

void OptionsPage::cbRepeatSameKeyInSequenceClick(bool checked) {
    if (host_.updating() || !settings()) return;
    state_.repeatSameKeyInSequence = checked;
    store(settings()->repeatSameKeyInSequence, checked);
}

void OptionsPage::tbThreshold1Change(int position) {
    state_.threshold1 = std::clamp(position, 0, 100);
    state_.threshold1Label = percentLabel(state_.threshold1);
    changed_ = true;
    if (!host_.updating() && settings()) store(settings()->threshold, state_.threshold1 * 10);
}

void OptionsPage::tbThreshold2Change(int position) {
    state_.threshold2 = std::clamp(position, 0, 100);
    state_.threshold2Label = percentLabel(state_.threshold2);
    changed_ = true;
    if (!host_.updating() && settings()) store(settings()->threshold2, state_.threshold2 * 10);
}

void OptionsPage::cbKeySendModeChange(int index) {
    if (host_.updating() || !settings() || index < 0 || index > 2) return;
    state_.keySendMode = index;
    store(settings()->keySendMode, index);
}

void OptionsPage::fileCheckClick(FileKind kind, bool checked, const std::string& boxText) {
    if (host_.updating() || !settings()) return;
    std::string& stored = storedFile(kind);
    if (kind == FileKind::Sound) {
        state_.playSound = state_.soundFileEnabled = checked;
        state_.soundFile = boxText;
    } else {
        state_.showProfileImage = state_.imageFileEnabled = checked;
        state_.imageFile = boxText;
    }
    changed_ = true;
    // The box keeps its text while unchecked, so checking again brings the
    // file back.
    if (!checked && !stored.empty()) store(stored, std::string());
    if (checked && stored.empty()) store(stored, boxText);
}

void OptionsPage::fileButtonClick(FileKind kind) {
    if (!settings()) return;
    std::string& stored = storedFile(kind);
    const std::optional<std::string> chosen =
        parts_.dialogs.pickFile(kind, dataFileFolder(parts_.dataDirectory, stored));
    if (!chosen) return;
    const std::string name = relativeDataFile(parts_.dataDirectory, *chosen);
    (kind == FileKind::Sound ? state_.soundFile : state_.imageFile) = name;
    changed_ = true;
    store(stored, name);
}

void OptionsPage::fileBoxExit(FileKind kind, const std::string& text) {
    if (!settings()) return;
    (kind == FileKind::Sound ? state_.soundFile : state_.imageFile) = text;
    if (text.empty()) return;
    if (dataFileExists(parts_.dataDirectory, text)) store(storedFile(kind), text);
}

void OptionsPage::cbPlaySoundClick(bool checked, const std::string& boxText) {
    fileCheckClick(FileKind::Sound, checked, boxText);
}
void OptionsPage::btnSoundFileClick() { fileButtonClick(FileKind::Sound); }
void OptionsPage::editSoundFileExit(const std::string& text) { fileBoxExit(FileKind::Sound, text); }
void OptionsPage::cbShowProfileImageClick(bool checked, const std::string& boxText) {
    fileCheckClick(FileKind::Image, checked, boxText);
}
void OptionsPage::btnImageFileClick() { fileButtonClick(FileKind::Image); }
void OptionsPage::editImageFileExit(const std::string& text) { fileBoxExit(FileKind::Image, text); }

void OptionsPage::cbTriggerVibrationClick(bool checked) {
    ProfileSettings* s = settings();
    if (host_.updating() || !s) return;
    state_.triggerVibration = state_.vibrationDetailsEnabled = checked;
    changed_ = true;
    if (checked) {
        if (s->vibrationDuration == 0) store(s->vibrationDuration, kVibrationDurationWhenChecked);
        return;
    }
    store(s->vibrationDuration, 0);
    store(s->vibrationSpeed1, 0);
    store(s->vibrationSpeed2, 0);
}

// The dialog edits the profile that was in force when it opened, even if an
// application switches profiles while it is open.
void OptionsPage::btnButtonAliasClick() {
    ConfigFile* profile = parts_.profiles.currentProfile();
    if (!profile) return;
    ButtonAliasForm form(*profile, parts_.lock);
    parts_.dialogs.showButtonAlias(form);
}

void OptionsPage::btnVibrationDetailsClick() {
    ConfigFile* profile = parts_.profiles.currentProfile();
    if (!profile) return;
    VibrationForm form(*profile, parts_.dialogs);
    // A duration of 0 turns the rumble off, which the check box shows.
    if (parts_.dialogs.showVibration(form)) fill();
}

}  // namespace vrx
