#pragma once

#include <array>
#include <filesystem>
#include <optional>
#include <string>

#include "Dialogs/FormDialogs.h"

namespace vrx {

class DeviceListUi;
class EngineLock;
class Logger;
class ProfileHost;
struct ProfileSettings;
struct TickContext;

// What the options page asks of the window it lives in.
class OptionsHost {
public:
    virtual ~OptionsHost() = default;
    virtual void RefreshDisplay() = 0;
    // While the window rebuilds its controls, change handlers do nothing.
    virtual bool updating() const = 0;
};

// The controls of the options page as plain values, top to bottom.
struct OptionsState {
    std::string joystickStatus = "ジョイスティック: 0 本検出";  // lblJoystickStatus
    std::string numJoysticks;   // editNumJoystick
    std::string numButtons;     // editNumButtons
    int axisDisplayMode = 0;    // cbAxisDisplayMode
    bool useDiagonalInput1 = false;
    bool useDiagonalInput2 = false;
    bool usePOV8Way = false;
    bool repeatSameKeyInSequence = false;
    int threshold1 = 0;         // tbThreshold1, percent
    std::string threshold1Label = "0 %";
    int threshold2 = 0;
    std::string threshold2Label = "0 %";
    int keySendMode = 0;        // cbKeySendMode; -1 selects nothing
    bool playSound = false;     // cbPlaySound
    std::string soundFile;      // editSoundFile
    bool soundFileEnabled = false;  // editSoundFile and btnSoundFile
    bool showProfileImage = false;
    std::string imageFile;
    bool imageFileEnabled = false;
    bool triggerVibration = false;
    bool vibrationDetailsEnabled = false;  // btnVibrationDetails
};

// Everything the options page works with besides its host.
struct OptionsPageParts {
    ProfileHost& profiles;
    EngineLock& lock;
    // The engine's tick context: slots that a smaller count leaves out of the
    // tick let go of what they hold through it first.
    TickContext& tick;
    DeviceListUi& deviceUi;  // WM_VRX_UPDATE_JOYSTICKS
    FormDialogs& dialogs;
    std::filesystem::path dataDirectory;
    Logger& log;
};

// The "Options" tab: the profile-wide settings of the profile in force.
// Handlers take the control's value as the user left it; every handler that
// changes a field marks the profile modified. After a call the view copies
// state() and honours takeFocusRequest().
class OptionsPage {
public:
    enum class Focus { None, NumJoysticks, NumButtons, ApplyNumJoysticks };

    OptionsPage(OptionsPageParts parts, OptionsHost& host);

    // The list texts of the two combo boxes, in index order.
    static const std::array<const char*, 4>& axisDisplayModeItems();
    static const std::array<const char*, 3>& keySendModeItems();
    // The filter text of a file dialog ("name|pattern|name|pattern") and its
    // default extension (empty for none).
    static const char* fileDialogFilter(FileKind kind);
    static const char* fileDialogExtension(FileKind kind);

    const OptionsState& state() const { return state_; }
    Focus takeFocusRequest();
    // Whether state() changed since the last call.
    bool takeChanged();

    // From the profile in force (the window's RefreshDisplay calls it).
    void fill();
    // "ジョイスティック: %d 本検出".
    void setDetectedCount(int count);

    // --- Handlers ---
    void btnApplyNumJoysticksClick(const std::string& text);
    // Enter in either number box: the focus goes to the apply button (so a
    // number of buttons applies itself on leaving). True when taken.
    bool editNumJoystickKeyDown(int virtualKey);
    // Escape puts the stored count back; Enter and Escape are swallowed
    // (true), other characters are left to the box (false).
    bool editNumJoystickKeyPress(char character);
    bool editNumButtonsKeyPress(char character);
    // Enter or Escape in a number box, as the window's dialog keyboard hands
    // them on: the key-down and key-press rules above together; Enter in
    // editNumButtons also leaves the box (leaveNumButtons). True when taken.
    bool editNumJoystickDialogKey(int virtualKey);
    bool editNumButtonsDialogKey(int virtualKey);
    // The text as the user types it, which the box's check takes when the
    // window moves the focus away itself.
    void editNumButtonsChange(const std::string& text);
    void editNumButtonsExit(const std::string& text);
    // The window moves the focus out of editNumButtons (Enter, a tab change
    // it refuses), which the box does not report as its exit: the exit's
    // check runs here on the text typed. False when it refused the count and
    // asked for the focus back.
    bool leaveNumButtons();
    void cbAxisDisplayModeChange(int index);
    void cbUseDiagonalInput1Click(bool checked);
    void cbUseDiagonalInput2Click(bool checked);
    void cbUsePOV8WayClick(bool checked);
    void cbRepeatSameKeyInSequenceClick(bool checked);
    void tbThreshold1Change(int position);
    void tbThreshold2Change(int position);
    void cbKeySendModeChange(int index);
    // boxText: what editSoundFile shows when the check box is clicked.
    void cbPlaySoundClick(bool checked, const std::string& boxText);
    void btnSoundFileClick();
    void editSoundFileExit(const std::string& text);
    void cbShowProfileImageClick(bool checked, const std::string& boxText);
    void btnImageFileClick();
    void editImageFileExit(const std::string& text);
    void cbTriggerVibrationClick(bool checked);
    void btnButtonAliasClick();
    void btnVibrationDetailsClick();

private:
    ProfileSettings* settings() const;
    void markModified() const;
    // Stores value into field when it differs; true when it did.
    template <typename T>
    bool store(T& field, const T& value) const;
    // The shared rule of the sound and image check boxes, file buttons and
    // boxes, for one of them.
    void fileCheckClick(FileKind kind, bool checked, const std::string& boxText);
    void fileButtonClick(FileKind kind);
    void fileBoxExit(FileKind kind, const std::string& text);
    std::string& storedFile(FileKind kind) const;
    // The count typed into a number box, or nothing after telling the user
    // it must be 1 to maximum and sending the focus back to the box.
    std::optional<int> acceptedCount(const std::string& text, int maximum, Focus box);
    // editNumButtonsExit; false when the count was refused.
    bool checkNumButtons(const std::string& text);
    void releaseSlots(int firstJoystick, int lastJoystick, int firstSlot);

    OptionsPageParts parts_;
    OptionsHost& host_;
    OptionsState state_;
    Focus focus_ = Focus::None;
    bool changed_ = false;
};

}  // namespace vrx
