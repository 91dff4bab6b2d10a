#pragma once

#include <optional>
#include <string_view>

namespace vrx {

// The number a whole box text holds: blanks around it are allowed, anything
// else besides the number is not. Independent of the user's locale: the
// decimal separator is a point.
std::optional<int> integerOfText(std::string_view text);
std::optional<double> numberOfText(std::string_view text);

}  // namespace vrx
