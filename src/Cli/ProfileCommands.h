#pragma once

#include <iosfwd>
#include <span>
#include <string>

namespace vrx {

// "describe PROFILE.cfg": the profile as the button list shows it, one line
// per row of each joystick: the joystick number and the columns "ボタン",
// "機能", "連射" and "コメント", separated by tabs.
int runDescribeCommand(std::span<const std::string> arguments, std::ostream& out, std::ostream& err);

// "resave PROFILE.cfg [OUT.cfg]": the profile of any format version saved in
// the current one, in place or into OUT; what the file holds beyond the
// profile stays.
int runResaveCommand(std::span<const std::string> arguments, std::ostream& out, std::ostream& err);

}  // namespace vrx
