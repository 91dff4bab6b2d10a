#pragma once

#include <string>

#include "DeviceConfig/DeviceDefaults.h"

namespace vrx {

// The program-wide settings the engine reads every tick. They are changed on
// the user-interface thread only while the engine lock is held.
struct EngineSettings {
    bool skipForegroundProcessing = true;
    int ignoreInputAfterProfileSwitch = 0;  // ms; -1 until released once
    int ignoreInputAfterShiftSwitch = 0;    // ms; -1 until released once
    int turboMode = 0;                      // the tick is 16 ms shifted right by this
    float accelerationSharpness = 3.0f;
};

// Everything that is not part of a profile, named after its key in
// Vantorix.ini, with the value a missing key gives.
struct GlobalSettings : EngineSettings {
    // Section "LastStatus"
    bool allowMultipleRunning = false;
    bool startIconified = false;
    bool exitMeansMinimize = true;
    bool hideWhenMinimized = false;
    int windowPositionTop = -1;
    int windowPositionLeft = -1;
    int windowWidth = 710;
    int windowHeight = 500;
    int splitterPosition = 248;
    int listColumnWidthButton = 75;
    int listColumnWidthKeyboard = 144;
    int listColumnWidthAuto = 44;
    int listColumnWidthComment = 140;
    bool darkMode = false;
    std::string fileName;
    bool highlightButtons = true;
    bool highlightButtonsForAllTabs = false;
    bool notifyBalloon = false;
    std::string notifySoundFile;
    bool notifyProfileImage = false;
    int profileImageDuration = 2000;
    int profileImagePosition = 3;
    bool showDebugLog = false;
    int xInputSupport = 2;
    int fontSizeProfileList = 0;
    int fontSizeButtonList = 0;
    float profileImageFullScreenRatio = 0.0f;
    int autoDetectDevicesUpTo = 1;
    // Section "DirectInput"
    int analogDeadZone = DeviceDefaults{}.analogDeadZone;
    int analogSaturation = 10000;
    AxisMapping defaultAxisMapping = DeviceDefaults{}.axisMapping;

    DeviceDefaults deviceDefaults() const { return {analogDeadZone, defaultAxisMapping}; }
};

}  // namespace vrx
