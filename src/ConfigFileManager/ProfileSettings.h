#pragma once

#include <string>

namespace vrx {

// The profile's settings for one stick: its threshold (tenths of a percent)
// and whether its diagonals are slots of their own.
struct StickSettings {
    int threshold = 20;
    bool useDiagonals = false;
};

// The profile-wide options of a .cfg file, named after their keys, with the
// defaults a new profile gets.
struct ProfileSettings {
    int numberOfJoysticks = 2;
    int numberOfButtons = 32;
    int displayMode = 2;
    bool useDiagonalInput = false;
    bool useDiagonalInput2 = false;
    bool usePOV8Way = false;
    bool repeatSameKeyInSequence = false;
    int threshold = 20;
    int threshold2 = 20;
    int keySendMode = 0;
    std::string soundFile;
    std::string imageFile;
    int vibrationSpeed1 = 0;
    int vibrationSpeed2 = 0;
    int vibrationDuration = 0;

    StickSettings stick(int s) const {
        return s == 0 ? StickSettings{threshold, useDiagonalInput} : StickSettings{threshold2, useDiagonalInput2};
    }

    friend bool operator==(const ProfileSettings&, const ProfileSettings&) = default;
};

}  // namespace vrx
