#pragma once

#include <optional>
#include <string>

#include "Dialogs/FormDialogs.h"

namespace vrx {

class ConfigFile;

// The text beside a slider that shows a percentage: "50 %".
std::string percentLabel(int position);

// The controls of the vibration dialog as plain values.
struct VibrationState {
    int speed1 = 0;  // tbVibration1, percent
    std::string speed1Label = "0 %";
    int speed2 = 0;  // tbVibration2
    std::string speed2Label = "0 %";
    std::string duration;  // editVibrationDuration, as typed
};

// The vibration dialog without its window: the profile's rumble on a
// profile switch. Only OK stores, and only a duration that is a number.
class VibrationForm {
public:
    // Where the focus went when it left the duration box.
    enum class FocusMove {
        ToAnotherControl,  // of this dialog
        ToCancel,
        BackToTheBox,      // it came back before the check ran
        OutOfTheDialog,    // another window, or a message box over this one
    };

    VibrationForm(ConfigFile& profile, FormDialogs& dialogs);

    const VibrationState& state() const { return state_; }
    // After a call that refused the duration the focus goes back to the box.
    bool focusDurationRequested() const { return focusDuration_; }

    // --- Handlers ---
    void FormCreate();
    void tbVibration1Change(int position);
    void tbVibration2Change(int position);
    void editVibrationDurationChange(std::string text);
    // Leaving the box: its text is checked, and the user told when it is no
    // duration. False then.
    bool editVibrationDurationExit(FocusMove next);
    // Stores the three values; false, storing nothing, for a duration that
    // is not one.
    bool btnOKClick();

private:
    // The duration the box holds, or nothing after telling the user.
    std::optional<int> checkDuration();

    ConfigFile& profile_;
    FormDialogs& dialogs_;
    VibrationState state_;
    bool focusDuration_ = false;
};

}  // namespace vrx
