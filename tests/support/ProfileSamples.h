#pragma once

#include <string>

#include "ConfigFileManager/ConfigFile.h"

namespace vrx::test {

// A slot assignment of every kind in turn, each field away from its default
// and different from slot to slot, chosen so that it survives the profile
// line exactly (floats the line's precision holds).
inline void assignSample(JoyButton& b, int variant) {
    b.reset();
    const auto k = static_cast<KeyCode>(0x41 + variant % 26);
    b.comment = "slot " + std::to_string(variant) + " コメント";
    switch (variant % 10) {
        case 0:
            b.type = AssignType::Keyboard;
            b.keys = {k, 0xA0, 0x201, 0x1E0000};
            b.autoRepeatRate = 2.5f;
            b.toggle = 1;
            b.autoRepeatDelay = 300 + variant;
            break;
        case 1:
            b.type = AssignType::Mouse;
            b.mouseMoveX = -20;
            b.mouseMoveY = 35;
            b.mouseWheelV = -5;
            b.mouseWheelH = 7;
            b.mouseLeft = b.mouseMiddle = b.mouseRight = b.mouseButton4 = b.mouseButton5 = 1;
            b.autoRepeatRate = -0.5f;
            b.toggle = 1;
            b.analogThreshold1 = 50;
            b.accelerationFactor = 2.5f;
            b.analogFactor = 150;
            b.autoRepeatDelay = variant;
            break;
        case 2:
            b.type = AssignType::Command;
            b.commandSteps.resize(2);
            b.commandSteps[0].keys = {k, 0xA2, 0, 0};
            b.commandSteps[0].durationMs = 100 + variant;
            b.commandSteps[1].keys = {0x42, 0x43, 0x44, 0x45};
            b.commandSteps[1].durationMs = 50;
            break;
        case 3:
            b.type = AssignType::JoystickShift;
            b.shiftTarget = 1 + variant % 40;
            b.switchDelay = 700;
            break;
        case 4:
            b.type = AssignType::ProfileSwitch;
            b.targetName = "ゲーム " + std::to_string(variant);
            b.switchDelay = 2000;
            break;
        case 5:
            b.type = AssignType::KeyboardMulti;
            b.switchMode = SwitchMode::AnalogSwitch;
            b.switchDelay = 250;
            for (int i = 0; i < JoyButton::kKeyCount; ++i) b.keys[i] = k + static_cast<KeyCode>(i);
            b.analogThreshold1 = 40;
            b.analogThreshold2 = 80;
            b.autoRepeatRate = 10.0f;
            b.toggle = 1;
            b.autoRepeatDelay = 90;
            b.minimumHoldDuration = 60;
            b.counterResetDuration = 1000 + variant;
            break;
        case 6:
            b.type = AssignType::MouseAbsolute;
            b.mouseCenterX = 150.25f;
            b.mouseCenterY = 0.5f;
            b.mouseAbsRangeX = -100;
            b.mouseAbsRangeY = 100;
            b.mouseLeft = b.mouseButton5 = 1;
            b.autoRepeatRate = 3.0f;
            b.toggle = 1;
            b.autoRepeatDelay = 10 + variant;
            break;
        case 7:
            b.type = AssignType::LaunchProgram;
            b.targetName = "C:\\Games\\run " + std::to_string(variant) + ".exe";
            b.programParameters = "-x";
            b.programStartFrom = "D:\\w";
            break;
        case 8:
            b.type = AssignType::PasteText;
            b.pasteText = "hello\\nworld ## " + std::to_string(variant);
            b.comment.clear();  // a paste slot's text takes the comment's place
            break;
        default:
            break;  // no assignment, only the comment
    }
    b.prepare();
}

// A profile whose every setting, alias entry (of those stored) and slot
// differs from a new profile's.
inline void fillEverything(ConfigFile& profile, int joysticks, int buttons) {
    profile.setNumberOfJoysticks(joysticks);
    ProfileSettings& s = profile.settings;
    s.numberOfButtons = buttons;
    s.displayMode = 3;
    s.useDiagonalInput = true;
    s.useDiagonalInput2 = true;
    s.usePOV8Way = true;
    s.repeatSameKeyInSequence = true;
    s.threshold = 150;
    s.threshold2 = 250;
    s.keySendMode = 2;
    s.soundFile = "sounds\\ding.wav";
    s.imageFile = "画像\\profile.png";
    s.vibrationSpeed1 = 30;
    s.vibrationSpeed2 = 70;
    s.vibrationDuration = 500;
    for (int slot = kFirstPovSlot; slot < kFirstPovSlot + 8; ++slot) profile.buttonAlias.set(slot, {slot + 1, -1, -1});
    for (int b = 0; b < buttons; ++b) {
        const int slot = buttonSlot(b);
        profile.buttonAlias.set(slot, b % 2 ? ButtonAliasEntry{slot, 56, -1} : ButtonAliasEntry{57, 58, slot});
    }
    for (int n = 0; n < joysticks; ++n) {
        JoystickConfig& config = *profile.joystick(n);
        config.defaultDisplayName = "パッド " + std::to_string(n + 1);
        config.defaultTemplateId = "template-" + std::to_string(n);
        for (int slot = 0; slot < kSlotCount; ++slot) assignSample(config.slot(slot), n + slot);
    }
}

// The first difference between two profiles in what their files store, or
// nothing when they store the same.
inline std::string firstDifference(const ConfigFile& a, const ConfigFile& b) {
    if (!(a.settings == b.settings)) return "settings";
    if (!(a.buttonAlias == b.buttonAlias)) return "button aliases";
    for (int n = 0; n < a.numberOfJoysticks(); ++n) {
        const JoystickConfig& x = *a.joystick(n);
        const JoystickConfig& y = *b.joystick(n);
        const std::string where = "joystick " + std::to_string(n);
        if (x.defaultDisplayName != y.defaultDisplayName) return where + " name";
        if (x.defaultTemplateId != y.defaultTemplateId) return where + " template";
        for (int slot = 0; slot < activeSlotCount(a.settings.numberOfButtons); ++slot)
            if (!x.slot(slot).sameConfiguration(y.slot(slot)))
                return where + " slot " + std::to_string(slot) + ": " + x.slot(slot).formatLine() + " / " +
                       y.slot(slot).formatLine();
    }
    return {};
}

}  // namespace vrx::test
