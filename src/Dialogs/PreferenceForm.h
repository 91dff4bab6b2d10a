#pragma once

#include <array>
#include <filesystem>
#include <optional>
#include <string>

#include "Dialogs/FormDialogs.h"

namespace vrx {

class EngineLock;
class Logger;
struct GlobalSettings;

// What a new processing speed or input API mode does to the running engine.
class ProcessingRestart {
public:
    virtual ~ProcessingRestart() = default;
    virtual void terminateTimer() = 0;  // TimerTerminate
    // TimerInit at the speed stored in the settings.
    virtual void initTimer() = 0;
    // Device detection with the force flag.
    virtual void detectDevices() = 0;
};

// The controls of the preference dialog as plain values, top to bottom.
// The number boxes hold their text as typed; OK reads them. Each box that
// follows a check box has its enabled flag here.
struct PreferenceState {
    bool startIconified = false;
    bool exitMeansMinimize = false;
    bool hideWhenMinimized = false;
    bool notifyBalloon = false;
    bool notifySound = false;
    std::string soundFile;           // editSoundFile
    bool soundFileEnabled = false;   // editSoundFile and btnSoundFile
    bool notifyProfileImage = false;
    int profileImagePosition = 3;    // radioProfileImagePosition
    std::string profileImageDuration = "2000";
    bool profileImageEnabled = false;  // the duration box and the position radios
    bool ignoreAfterProfileSwitch = false;
    std::string ignoreAfterProfileSwitchText = "0";
    bool ignoreAfterProfileSwitchEnabled = false;  // editIgnoreInputAfterProfileSwitch
    bool ignoreAfterShiftSwitch = false;
    std::string ignoreAfterShiftSwitchText = "0";
    bool ignoreAfterShiftSwitchEnabled = false;  // editIgnoreInputAfterShiftSwitch
    bool highlightButtons = false;
    bool highlightButtonsForAllTabs = false;
    bool skipForegroundProcessing = false;
    bool showDebugLog = false;
    int turboMode = 0;     // rgTurboMode
    int xInputSupport = 0; // cbXInputSupport
};

struct PreferenceParts {
    GlobalSettings& settings;
    // The settings the tick reads change under it.
    EngineLock& lock;
    ProcessingRestart& processing;
    FormDialogs& dialogs;
    std::filesystem::path dataDirectory;
    Logger& log;
};

// The preference dialog without its window: the global settings that are
// not part of a profile. Every change the user makes to a control is one
// handler; the view copies state() into its controls after each and
// honours takeFocusRequest() after a refused OK.
class PreferenceForm {
public:
    enum class Focus { None, SoundFile, ProfileImageDuration, IgnoreAfterProfileSwitch, IgnoreAfterShiftSwitch };

    // Of each radio group and of the input API list.
    static constexpr int kChoices = 5;

    explicit PreferenceForm(PreferenceParts parts);

    static const std::array<const char*, kChoices>& profileImagePositionItems();
    static const std::array<const char*, kChoices>& turboModeItems();
    static const std::array<const char*, kChoices>& xInputSupportItems();

    const PreferenceState& state() const { return state_; }
    Focus takeFocusRequest();

    // --- Handlers ---
    void FormCreate();
    void cbStartIconifiedClick(bool checked);
    void cbExitMeansMinimizeClick(bool checked);
    void cbHideWhenMinimizedClick(bool checked);
    void cbNotifyBalloonClick(bool checked);
    void cbNotifySoundClick(bool checked);
    void editSoundFileChange(std::string text);
    void btnSoundFileClick();
    void cbNotifyProfileImageClick(bool checked);
    void editProfileImageDurationChange(std::string text);
    // index: the radio button chosen, 0 to kChoices - 1.
    void radioProfileImagePositionClick(int index);
    void cbIgnoreInputAfterProfileSwitchClick(bool checked);
    void editIgnoreInputAfterProfileSwitchChange(std::string text);
    void cbIgnoreInputAfterShiftSwitchClick(bool checked);
    void editIgnoreInputAfterShiftSwitchChange(std::string text);
    void cbHighlightButtonsClick(bool checked);
    void cbHighlightButtonsForAllTabsClick(bool checked);
    void cbSkipForegroundProcessingClick(bool checked);
    void cbShowDebugLogClick(bool checked);
    void rgTurboModeClick(int index);
    void cbXInputSupportChange(int index);
    // Stores every control into the settings; false, with nothing stored
    // and the focus asked for the box at fault, when a box is refused.
    bool btnOKClick();

private:
    // The values OK stores that need checking first, all of them checked.
    struct Checked {
        int profileImageDuration = 0;
        int ignoreAfterProfileSwitch = 0;
        int ignoreAfterShiftSwitch = 0;
    };
    std::optional<Checked> checkBoxes();
    // The box's number when it is an integer from minimum up, else nothing
    // after telling the user and asking the focus for the box.
    std::optional<int> boxNumber(const std::string& text, int minimum, Focus box);
    void store(const Checked& values);
    void applyInputApiMode();
    void applyTurboMode();
    void error(const std::string& text);

    PreferenceParts parts_;
    PreferenceState state_;
    Focus focus_ = Focus::None;
};

}  // namespace vrx
