#pragma once

#include <optional>
#include <string_view>

namespace vrx {

// The number a whole box text holds: blanks around it and a leading plus
// sign are allowed, anything else besides the number is not, and so is a
// number outside the type. Independent of the user's locale: the decimal
// separator is a point.
std::optional<int> parseInteger(std::string_view text);
std::optional<double> parseNumber(std::string_view text);

}  // namespace vrx
