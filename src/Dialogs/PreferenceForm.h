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
// The number boxes hold their text as typed; OK reads them.
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
    bool ignoreAfterShiftSwitch = false;
    std::string ignoreAfterShiftSwitchText = "0";
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
// not part of a profile. The view copies state() into its controls after
// every call, writes what the user changed back into mutableState() before
// a handler runs, and honours takeFocusRequest().
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
    PreferenceState& mutableState() { return state_; }
    Focus takeFocusRequest();

    // --- Handlers ---
    void FormCreate();
    void cbNotifySoundClick(bool checked);
    void btnSoundFileClick();
    void cbNotifyProfileImageClick(bool checked);
    void cbIgnoreInputAfterProfileSwitchClick(bool checked);
    void cbIgnoreInputAfterShiftSwitchClick(bool checked);
    void cbHighlightButtonsClick(bool checked);
    void cbHighlightButtonsForAllTabsClick(bool checked);
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
