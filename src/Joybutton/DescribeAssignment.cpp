#include "Joybutton/DescribeAssignment.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <span>
#include <string_view>

#include "Joybutton/JoyButton.h"
#include "Joybutton/KeyName.h"
#include "Utils/KeyboardLayout.h"
#include "Utils/NumberFormat.h"

namespace vrx {
namespace {

// Fields are 32-bit and a profile line may hold any of them; widening keeps
// negating INT_MIN or adding one to INT_MAX defined.
std::string decimal(long long value) { return std::to_string(value); }

void appendMove(std::string& text, int value, std::string_view positive, std::string_view negative) {
    if (value > 0) text.append(positive).append(decimal(value)).append(") ");
    if (value < 0) text.append(negative).append(decimal(-static_cast<long long>(value))).append(") ");
}

struct Click {
    int JoyButton::*flag;
    std::string_view text;
};

constexpr Click kClicks[] = {
    {&JoyButton::mouseLeft, "左Click "},    {&JoyButton::mouseMiddle, "中Click "}, {&JoyButton::mouseRight, "右Click "},
    {&JoyButton::mouseButton4, "Click4 "}, {&JoyButton::mouseButton5, "Click5 "},
};

void appendClicks(std::string& text, const JoyButton& b) {
    for (const Click& click : kClicks)
        if (b.*click.flag != 0) text.append(click.text);
}

std::string describeMouse(const JoyButton& b) {
    std::string text = "Mouse: ";
    appendMove(text, b.mouseMoveY, "↓(", "↑(");
    appendMove(text, b.mouseMoveX, "→(", "←(");
    if (b.accelerationFactor > 1.0f) {
        // Printed rather than cast, so a factor beyond int range from a
        // hand-edited profile still gives a text.
        char factor[64];
        std::snprintf(factor, sizeof factor, "x%.0f", std::trunc(static_cast<double>(b.accelerationFactor)));
        text += factor;
    }
    appendClicks(text, b);
    // A wheel-up turn is stored negative; the text shows it as the dialog
    // does, with up positive.
    if (b.mouseWheelV != 0) text += "Wheel(" + decimal(-static_cast<long long>(b.mouseWheelV)) + ") ";
    if (b.mouseWheelH != 0) text += "HWheel(" + decimal(b.mouseWheelH) + ") ";
    if (b.analogFactor != 100) text += "速度調整(" + decimal(b.analogFactor) + "%)";
    return text;
}

std::string describeCommand(const JoyButton& b, const KeyboardLayout& layout) {
    constexpr size_t kShownSteps = 8;
    std::string text;
    const size_t shown = std::min(b.commandSteps.size(), kShownSteps);
    for (size_t i = 0; i < shown; ++i) {
        const CommandStep& step = b.commandSteps[i];
        if (i > 0) text += " -> ";
        // A step without keys is a pause; only its duration shows.
        if (step.keys[0] != key::None) text += KeyList(step.keys, layout);
        text += "(" + decimal(step.durationMs) + ")";
    }
    if (b.commandSteps.size() > kShownSteps) text += " -> ...";
    return text;
}

// How each switching mode joins its inputs: the text before input 1, 2, ...
struct MultiForm {
    size_t inputs;
    std::array<std::string_view, 4> before;
};

constexpr MultiForm kMultiForms[] = {
    {2, {"", " / "}},                                   // MultiSwitch2
    {3, {"", " / ", " / "}},                            // MultiSwitch3
    {3, {"短押し=", ", 長押し=", ", 離す="}},          // DelayedSwitch
    {3, {"", " >> ", " >> "}},                          // AnalogSwitch
    {4, {"", " / ", " / ", " / "}},                     // MultiSwitch4
    {2, {"離される=", ", 押される="}},                  // ReleaseSwitch
    {4, {"", " | ", " | ", " | "}},                     // RepeatSwitch
    {4, {"", " -> ", " -> ", " -> "}},                  // MultiSequence
};

std::string describeMulti(const JoyButton& b, const KeyboardLayout& layout) {
    const int mode = static_cast<int>(b.switchMode);
    if (mode < 1 || mode > static_cast<int>(std::size(kMultiForms))) return "None";
    const MultiForm& form = kMultiForms[mode - 1];
    const std::span<const KeyCode, JoyButton::kKeyCount> keys(b.keys);
    std::string text;
    for (size_t n = 0; n < form.inputs; ++n)
        text.append(form.before[n]).append(KeyList(keys.subspan(4 * n).first<4>(), layout));
    return text;
}

// Screen positions are percentages with fractions; four significant digits
// tell targets apart without a long tail.
std::string percent(float value) {
    char text[32];
    std::snprintf(text, sizeof text, "%.4g", static_cast<double>(value));
    return text;
}

std::string describeMouseAbsolute(const JoyButton& b) {
    std::string text;
    appendClicks(text, b);
    appendMove(text, b.mouseAbsRangeY, "↓(", "↑(");
    appendMove(text, b.mouseAbsRangeX, "→(", "←(");
    return text + "@ (" + percent(b.mouseCenterX) + "," + percent(b.mouseCenterY) + ")";
}

}  // namespace

std::string DescribeAssignment(const JoyButton& b, const KeyboardLayout& layout) {
    switch (b.type) {
    case AssignType::Keyboard:
        return KeyList(std::span<const KeyCode, JoyButton::kKeyCount>(b.keys).first<4>(), layout);
    case AssignType::Mouse:
        return describeMouse(b);
    case AssignType::Command:
        return describeCommand(b, layout);
    case AssignType::JoystickShift:
        return "Joystick #" + decimal(static_cast<long long>(b.shiftTarget) + 1) + " の設定を使用";
    case AssignType::ProfileSwitch:
        return "設定ファイル \"" + b.targetName + "\" へ切り替える";
    case AssignType::KeyboardMulti:
        return describeMulti(b, layout);
    case AssignType::MouseAbsolute:
        return describeMouseAbsolute(b);
    case AssignType::LaunchProgram:
        return "実行=" + b.targetName;
    case AssignType::PasteText:
        return b.pasteText;
    default:
        return "None";
    }
}

std::string DescribeAssignment(const JoyButton& b) { return DescribeAssignment(b, systemKeyboardLayout()); }

std::string AutoRepeatText(float rate) {
    if (rate > 0.0f) return "1/" + FormatNumber3(rate);
    if (rate < 0.0f) return FormatNumber3(-rate) + "秒";
    return "---";
}

}  // namespace vrx
