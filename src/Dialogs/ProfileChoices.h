#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace vrx {

// The entries of a profile chooser: an empty one, then the profile names
// in the profile list's order.
std::vector<std::string> profileChoices(const std::vector<std::string>& profileNames);
// The entry a text names, compared as the profile list compares names
// (without regard to case); -1 when none does. The empty text names the
// empty entry, 0.
int findProfileChoice(const std::vector<std::string>& choices, std::string_view text);

}  // namespace vrx
