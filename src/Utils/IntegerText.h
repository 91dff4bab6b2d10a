#pragma once

#include <optional>
#include <string_view>

namespace vrx {

// The int that a box's text holds: decimal digits with an optional leading
// minus sign, blanks allowed around them. Nothing for any other text, or a
// number outside int.
std::optional<int> parseInteger(std::string_view text);

}  // namespace vrx
