#pragma once

#include <string>

namespace vrx {

class JoyButton;
class KeyboardLayout;

// One line saying what a slot does, for the "機能" column of the button
// list: the keys of a chord, the parts of a mouse action, the steps of a
// command and so on. Unknown types and switching modes read "None".
std::string DescribeAssignment(const JoyButton& button, const KeyboardLayout& layout);
std::string DescribeAssignment(const JoyButton& button);  // with the system's layout

// The "連射" column: "---" without auto-repeat, "1/" and the rate for
// repeats per second, the period and "秒" for one repeat every so many
// seconds (the stored rate is then negative).
std::string AutoRepeatText(float rate);

}  // namespace vrx
