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
    VibrationForm(ConfigFile& profile, FormDialogs& dialogs);

    const VibrationState& state() const { return state_; }
    // After a call that returned false the focus goes back to the box.
    bool focusDurationRequested() const { return focusDuration_; }

    // --- Handlers ---
    void FormCreate();
    void tbVibration1Change(int position);
    void tbVibration2Change(int position);
    // Leaving the box: its text is checked, and the user told when it is no
    // duration. False then.
    bool editVibrationDurationExit(const std::string& text);
    // Stores the three values; false, storing nothing, for a duration that
    // is not one.
    bool btnOKClick(const std::string& durationText);

private:
    // The duration the text holds, or nothing after telling the user.
    std::optional<int> checkDuration(const std::string& text);

    ConfigFile& profile_;
    FormDialogs& dialogs_;
    VibrationState state_;
    bool focusDuration_ = false;
};

}  // namespace vrx
