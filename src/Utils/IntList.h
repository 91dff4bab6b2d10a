#pragma once

#include <span>
#include <string>
#include <string_view>

namespace vrx {

// Lists of integers separated by ":", as axis mappings are stored
// ("-1:0:0:0:0:0:6:7").

// Reads the numbers of the text into values in order. Empty pieces ("::", a
// ":" at either end) do not count; a piece that does not start with a
// number (blanks and a sign may come first, anything may follow the digits)
// or whose number is no int leaves its value as it was, and so do values
// the text has no piece for: callers fill values with their defaults first.
void ParseIntList(std::string_view text, std::span<int> values);

// "1:2:3"; a single value has no separator, no value gives an empty text.
std::string JoinIntList(std::span<const int> values);

}  // namespace vrx
